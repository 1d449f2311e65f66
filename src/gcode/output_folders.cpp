#include "gcode/output_folders.h"

#include "gcode/output/program_output.h"
#include "platform/messages.h"
#include "settings/files.h"
#include "settings/settings.h"

bool checkOutputFolder(const std::string& folder, Messages& messages)
{
    const std::string problem = folderProblem(folder);
    if (problem.empty())
        return true;
    messages.show(std::string(kCheckPathMessage) + "\n" + folderLine(folder, problem));
    return false;
}

bool checkOutputFolders(Messages& messages)
{
    return checkOutputFolder(gs.path, messages) && checkOutputFolder(gs.autopath, messages);
}
