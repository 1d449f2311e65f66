#include "gcode/job_list.h"

#include "gcode/output/primitives.h"
#include "settings/files.h"
#include "setupfile/current_tap_file.h"

#include <string>

bool writeJobList(int sides, Messages& messages)
{
    ProgramOutput out;
    writeText(out, "L203 \"" + currentTapFilePath() + "\"");
    if (totalPosts != 0) {
        writeText(out, " T" + std::to_string(totalPosts) + " C" + std::to_string(gs.cutatonce * gs.heads) + " S" +
                           std::to_string(sides));
    }
    return saveOutput(out, joinPath(gs.autopath, kJobListFileName), messages);
}
