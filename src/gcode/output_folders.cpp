#include "gcode/output_folders.h"

#include "gcode/output/program_output.h"
#include "platform/messages.h"
#include "settings/files.h"

bool checkOutputFolder(const std::string& folder, Messages& messages)
{
    const std::string problem = folderProblem(folder);
    if (problem.empty())
        return true;
    messages.show(std::string(kCheckPathMessage) + "\n" + folderLine(folder, problem));
    return false;
}

bool checkOutputFolders(const std::string& programFolder, const std::string& jobFolder, Messages& messages)
{
    return checkOutputFolder(programFolder, messages) && checkOutputFolder(jobFolder, messages);
}
