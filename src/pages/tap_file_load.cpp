#include "pages/tap_file_load.h"

#include "platform/messages.h"
#include "platform/sheet.h"
#include "settings/library_files.h"
#include "settings/settings.h"
#include "setupfile/current_tap_file.h"
#include "setupfile/setup_reader.h"
#include "setupfile/tap_file_dialogs.h"

namespace {

std::optional<int> recorded(int value)
{
    return isUnset(value) ? std::nullopt : std::optional<int>(value);
}

// gs.bit follows the loaded bit name when the bit library has a bit of exactly that name.
void lookUpLoadedBit()
{
    LoadSaveFile(LibraryKind::Bits);
    for (const BitRecord& bit : bitList) {
        if (bit.name == gs.bitname) {
            gs.bit = bit.diameter;
            return;
        }
    }
}

// The header's choices are read through the shared values; they are unset first, so that a header
// without them can be told apart, and the page's own stand again after the read.
bool readIntoPage(const LoadingPage& page, Messages& messages)
{
    const int sides = sharedSides;
    const int overlay = sharedOverlay;
    sharedSides = kUnsetCount;
    sharedOverlay = kUnsetCount;
    const bool read = readSetupHeader(messages);
    const RecordedChoices choices{recorded(sharedSides), recorded(sharedOverlay)};
    sharedSides = sides;
    sharedOverlay = overlay;
    if (!read) {
        messages.show("Load Failed");
        return false;
    }
    lookUpLoadedBit();
    page.fill(choices);
    tapFileUsed();
    return true;
}

} // namespace

void loadTapFile(const LoadingPage& page, FileDialogs& dialogs, Messages& messages, Sheet& sheet)
{
    if (!askOpenTapFile(dialogs))
        return;
    PageId screen = PageId::None;
    if (!readCurrentTapFileScreen(screen))
        return;
    if (screen == PageId::None) {
        messages.show("Error Loading " + filename + ".\nFile Not Created with Korvanta Software.");
        return;
    }
    if (screen != page.page) {
        page.clear();
        loadPending = true;
        sheet.showPage(screen);
        return;
    }
    readIntoPage(page, messages);
}

bool takePendingLoad(const LoadingPage& page, Messages& messages)
{
    if (!loadPending)
        return false;
    loadPending = false;
    // A file handed to a page that could not take it is not this page's to read.
    PageId screen = PageId::None;
    if (readCurrentTapFileScreen(screen) && screen == page.page)
        readIntoPage(page, messages);
    return true;
}
