#include "setupfile/current_tap_file.h"

#include "gcode/output/program_output.h"
#include "settings/files.h"

namespace {
TapFileListener listener;
}

std::string filename;
int sharedSides = 1;
int sharedOverlay = 0;
bool loadPending = false;
HoldingFields holding;

std::string currentTapFilePath()
{
    return joinPath(gs.path, filename);
}

bool saveToCurrentTapFile(const ProgramOutput& out, Messages& messages)
{
    const bool saved = saveOutput(out, currentTapFilePath(), messages);
    if (saved)
        tapFileUsed();
    return saved;
}

void setTapFileListener(TapFileListener newListener)
{
    listener = std::move(newListener);
}

void tapFileUsed()
{
    if (listener)
        listener(currentTapFilePath());
}

void resetSetupState()
{
    filename.clear();
    sharedSides = 1;
    sharedOverlay = 0;
    loadPending = false;
    holding = HoldingFields{};
}
