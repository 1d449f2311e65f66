#include "setupfile/current_tap_file.h"

#include "settings/files.h"

std::string filename;
int sharedSides = 1;
int sharedOverlay = 0;
bool loadPending = false;
HoldingFields holding;

std::string currentTapFilePath()
{
    return joinPath(gs.path, filename);
}

void resetSetupState()
{
    filename.clear();
    sharedSides = 1;
    sharedOverlay = 0;
    loadPending = false;
    holding = HoldingFields{};
}
