#include "pages/program_file.h"

#include "platform/system_text.h"
#include "settings/files.h"
#include "settings/settings.h"

#include <filesystem>

std::string inShopFolder(const std::string& folder)
{
    if (folder.empty())
        return homeDir;
    const bool absolute = pathFromUtf8(folder).is_absolute();
    return absolutePath(absolute || homeDir.empty() ? folder : joinPath(homeDir, folder));
}

std::string ProgramFile::path() const
{
    return chosen_ ? *chosen_ : joinPath(inShopFolder(gs.path), defaultName_);
}

std::string ProgramFile::dialogFolder() const
{
    return dialogFolder_.empty() ? folderOf(path()) : dialogFolder_;
}
