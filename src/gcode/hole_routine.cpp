#include "gcode/hole_routine.h"

#include "gcode/hole_path.h"
#include "gcode/output/primitives.h"
#include "settings/files.h"

HoleSlots holeSlots;
float currentDepth = 0;
float depthStep = 0;
float alignmentOffset = 0;
float railHoleFactor = 1;
float railHoleExtra = 0;

namespace {

float single(double value) { return static_cast<float>(value); }
using D = double;

// Writes a hole's path: the positioning rapid, the heads to clearance on the first hole and the
// plunge at every Enter; feeds and arcs as they come.
void writePath(ProgramOutput& out, const std::vector<PathMove>& moves, int first)
{
    for (const PathMove& m : moves) {
        switch (m.kind) {
        case PathMoveKind::Enter:
            writeRapid(out, m.x, m.y, kOmit);
            if (first == 1)
                writeHeadsToClearance(out);
            writeHeadsToDepth(out, currentDepth);
            break;
        case PathMoveKind::Feed: writeFeed(out, m.x, m.y, kOmit); break;
        case PathMoveKind::Arc: writeArc(out, m.x, m.y, m.i, m.j); break;
        }
    }
}

void cutOutline(ProgramOutput& out, const HoleCut& cut, int first, float x, float y, float materialWidth)
{
    alignmentOffset = alignmentFor(materialWidth);
    const float xs = single(D(x) + alignmentOffset);
    if (D(currentDepth) - D(gs.maxdepth) > 0.001)
        currentDepth = gs.depth;
    writePath(out, holePath(cut, xs, y), first);
    if (cut.hole.subprogram != 0)
        writeText(out, "M98 " + joinPath(gs.path, cut.hole.name) + "\n");
    writeHeadsToClearance(out);
    currentDepth = single(D(currentDepth) + depthStep);
}

} // namespace

void cutHole(ProgramOutput& out, int side, int first, float x, float y, float materialWidth)
{
    const HoleRecord& hole = holeSlots[side];
    cutOutline(out, HoleCut{hole, patternCutLength(hole), false}, first, x, y, materialWidth);
}

void cutManualHole(ProgramOutput& out, const ManualJob& job, int side, int first, int holeIndex, float x, float y)
{
    const HoleRecord& hole = job.placedHoles[side][holeIndex].hole;
    cutOutline(out, HoleCut{hole, hole.length, true}, first, x, y, job.material.width);
}

void startSideDepth(int holeCount)
{
    depthStep = 0;
    if (gs.cutstyle == 1 && holeCount != 1)
        depthStep = single((D(gs.maxdepth) - D(gs.depth)) / (holeCount - 1));
    currentDepth = gs.depth;
}

void resetHoleRoutine()
{
    holeSlots = std::array<HoleRecord, 2>{};
    currentDepth = 0;
    depthStep = 0;
    alignmentOffset = 0;
    railHoleFactor = 1;
    railHoleExtra = 0;
}
