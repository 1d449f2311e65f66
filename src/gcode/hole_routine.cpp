#include "gcode/hole_routine.h"

#include "gcode/output/primitives.h"
#include "settings/files.h"

namespace {
float single(double value) { return static_cast<float>(value); }
using D = double;
} // namespace

HoleRoutine::HoleRoutine(ProgramOutput& out, const RunContext& run)
    : out_(out), run_(run), tool_(toolShapeOf(run.settings))
{
}

// The positioning rapid, the heads to clearance on the first hole and the plunge at every Enter;
// feeds and arcs as they come.
void HoleRoutine::writePath(const std::vector<PathMove>& moves, int first)
{
    const Settings& s = run_.settings;
    for (const PathMove& m : moves) {
        switch (m.kind) {
        case PathMoveKind::Enter:
            writeRapid(out_, m.x, m.y, kOmit);
            if (first == 1)
                writeHeadsToClearance(out_, s);
            writeHeadsToDepth(out_, s, currentDepth);
            break;
        case PathMoveKind::Feed: writeFeed(out_, m.x, m.y, kOmit); break;
        case PathMoveKind::Arc: writeArc(out_, m.x, m.y, m.i, m.j); break;
        }
    }
}

void HoleRoutine::cutOutline(const HoleCut& cut, int first, float x, float y, float materialWidth)
{
    const Settings& s = run_.settings;
    alignmentOffset = alignmentFor(materialWidth, s.alignment, alignmentOffset);
    const float xs = single(D(x) + alignmentOffset);
    if (D(currentDepth) - D(s.maxdepth) > 0.001)
        currentDepth = s.depth;
    writePath(holePath(cut, xs, y, tool_), first);
    if (cut.hole.subprogram != 0)
        writeText(out_, "M98 " + joinPath(run_.programFolder, cut.hole.name) + "\n");
    writeHeadsToClearance(out_, s);
    currentDepth = single(D(currentDepth) + depthStep);
}

void HoleRoutine::cutHole(int side, int first, float x, float y, float materialWidth)
{
    const HoleRecord& hole = holeSlots[static_cast<size_t>(side)];
    cutOutline(HoleCut{hole, patternCutLength(hole, run_.slope), false}, first, x, y, materialWidth);
}

void HoleRoutine::cutManualHole(const ManualJob& job, int side, int first, int holeIndex, float x, float y)
{
    const HoleRecord& hole = job.placedHoles[static_cast<size_t>(side)][static_cast<size_t>(holeIndex)].hole;
    cutOutline(HoleCut{hole, hole.length, true}, first, x, y, job.material.width);
}

void HoleRoutine::startSideDepth(int holeCount)
{
    const Settings& s = run_.settings;
    depthStep = 0;
    if (s.cutstyle == 1 && holeCount > 1)
        depthStep = single((D(s.maxdepth) - D(s.depth)) / (holeCount - 1));
    currentDepth = s.depth;
}
