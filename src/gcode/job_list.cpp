#include "gcode/job_list.h"

#include "gcode/output/primitives.h"
#include "settings/files.h"

bool writeJobList(const std::string& programPath, int sides, int totalPosts, const Settings& settings,
                  Messages& messages)
{
    ProgramOutput out;
    writeText(out, "L203 \"" + programPath + "\"");
    if (totalPosts != 0) {
        writeText(out, " T" + std::to_string(totalPosts) + " C" + std::to_string(settings.cutatonce * settings.heads) +
                           " S" + std::to_string(sides));
    }
    return saveOutput(out, joinPath(settings.autopath, kJobListFileName), messages);
}
