#include "gcode/manual_program.h"

#include "gcode/checked_program.h"
#include "gcode/hole_routine.h"
#include "gcode/manual_layout.h"
#include "gcode/pattern_layout.h"
#include "gcode/output/primitives.h"
#include "gcode/program_run.h"
#include "setupfile/current_tap_file.h"
#include "setupfile/setup_writer.h"

namespace {

int currentVariant()
{
    return programVariant(gs.start, gs.direction);
}

// Only the hole in the flagged slot (the first slot, or the last in the reversed order) starts
// with the heads brought to clearance; when that slot is empty no hole of the post does.
void cutPost(ProgramOutput& out, const ManualJob& job, int side, float fixtureX, bool secondPost)
{
    const int variant = currentVariant();
    const bool descending = (variant == 4) != secondPost;
    const int flagged = descending ? kManualSlots - 1 : 0;
    for (const ManualHoleAt& h : layoutManualPost(job, side, variant, fixtureX, secondPost))
        cutManualHole(out, job, side, h.slot == flagged ? 1 : 0, h.slot, h.x, h.y);
}

void startPostDepth(const ManualJob& job, int side)
{
    const int filled = filledSlots(job, side);
    depthStep = 0;
    if (gs.cutstyle == 1 && filled > 1)
        depthStep = static_cast<float>((double(gs.maxdepth) - double(gs.depth)) / (filled - 1));
    currentDepth = gs.depth;
}

} // namespace

void placeManualHoles(ProgramOutput& out, const ManualJob& job, int count, int side, int pairIndex)
{
    startPostDepth(job, side);
    cutPost(out, job, side, gs.spos[2 * pairIndex], false);
    if (count == 2) {
        writeText(out, "[Next Post]\n");
        cutPost(out, job, side, gs.spos[std::min(2 * pairIndex + 1, kFixturePositions - 1)], true);
    }
    if (currentVariant() == 1)
        writeText(out, "[Next Post\n");
    else if (count == 2)
        writeText(out, "[Next Post]\n");
}

void writeManualProgramTo(ProgramOutput& out, const ManualJob& job, int display)
{
    if (gs.direction != 0 && gs.direction != 1)
        return;
    writeManualSetup(out, job, display);
    ProgramRun run;
    run.sides = job.sides;
    run.startSide = [&](int side) {
        writeSpindleCommands(out, Spindle::On);
        if (side == 1 && currentVariant() == 3)
            writeHeadsToClearance(out);
    };
    run.placePosts = [&](int count, int side, int pairIndex) { placeManualHoles(out, job, count, side, pairIndex); };
    writeProgramRun(out, run);
}

bool writeManualProgram(const ManualJob& job, int display, Messages& messages)
{
    ProgramOutput out;
    writeManualProgramTo(out, job, display);
    return saveCheckedProgram(out, messages);
}
