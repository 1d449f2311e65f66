#include "setupfile/tap_file_dialogs.h"

#include "platform/file_dialogs.h"
#include "settings/files.h"
#include "setupfile/current_tap_file.h"

namespace {
bool take(const std::optional<std::string>& chosen)
{
    if (!chosen)
        return false;
    gs.path = folderOf(*chosen);
    filename = fileNameOf(*chosen);
    return true;
}
} // namespace

bool askSaveTapFile(FileDialogs& dialogs)
{
    return take(dialogs.chooseTapFileToSave(gs.path));
}

bool askOpenTapFile(FileDialogs& dialogs)
{
    return take(dialogs.chooseTapFileToOpen(gs.path));
}
