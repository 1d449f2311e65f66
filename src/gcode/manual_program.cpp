#include "gcode/manual_program.h"

#include "gcode/hole_routine.h"
#include "gcode/manual_layout.h"
#include "gcode/output/primitives.h"
#include "gcode/pattern_layout.h"
#include "gcode/program_run.h"
#include "setupfile/setup_writer.h"

namespace {

int variantOf(const Settings& settings)
{
    return programVariant(settings.start, settings.direction);
}

// Only the hole in the flagged slot (the first slot, or the last in the reversed order) starts
// with the heads brought to clearance; when that slot is empty no hole of the post does.
void cutPost(HoleRoutine& holes, const ManualJob& job, int side, float fixtureX, bool secondPost, const Settings& s)
{
    const int variant = variantOf(s);
    const bool descending = (variant == 4) != secondPost;
    const int flagged = descending ? kManualSlots - 1 : 0;
    for (const ManualHoleAt& h : layoutManualPost(job, side, variant, s.startpos.y, fixtureX, secondPost))
        holes.cutManualHole(job, side, h.slot == flagged ? 1 : 0, h.slot, h.x, h.y);
}

// The holes of one post (count 1) or a pair of posts (count 2) on one side; the depths start
// again at every post.
void placeManualHoles(ProgramOutput& out, HoleRoutine& holes, const ManualJob& job, int count, int side, int pairIndex,
                      const Settings& s)
{
    holes.startSideDepth(filledSlots(job, side));
    cutPost(holes, job, side, s.spos[static_cast<size_t>(2 * pairIndex)], false, s);
    if (count == 2) {
        writeText(out, "[Next Post]\n");
        cutPost(holes, job, side, s.spos[static_cast<size_t>(std::min(2 * pairIndex + 1, kFixturePositions - 1))], true,
                s);
    }
    if (variantOf(s) == 1)
        writeText(out, "[Next Post\n");
    else if (count == 2)
        writeText(out, "[Next Post]\n");
}

} // namespace

void writeManualProgramTo(ProgramOutput& out, const ManualJob& job, const RunContext& run)
{
    const Settings& s = run.settings;
    if (s.direction != 0 && s.direction != 1)
        return;
    writeManualSetup(out, job, run);
    HoleRoutine holes(out, run);
    ProgramRun program;
    program.sides = job.sides;
    program.startSide = [&](int side) {
        writeSpindleCommands(out, s, Spindle::On);
        if (side == 1 && variantOf(s) == 3)
            writeHeadsToClearance(out, s);
    };
    program.placePosts = [&](int count, int side, int pairIndex) {
        placeManualHoles(out, holes, job, count, side, pairIndex, s);
    };
    writeProgramRun(out, program, s);
}
