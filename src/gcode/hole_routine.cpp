#include "gcode/hole_routine.h"

#include "gcode/output/primitives.h"
#include "settings/files.h"

#include <cmath>

std::array<HoleRecord, 2> holeSlots;
float currentDepth = 0;
float depthStep = 0;
float alignmentOffset = 0;
float railHoleFactor = 1;
float railHoleExtra = 0;

namespace {

// Every coordinate is computed in double precision from single-precision inputs and rounded once.
float single(double value) { return static_cast<float>(value); }
using D = double;

struct Outline {
    const HoleRecord& hole;
    float length;         // L', the length run along the outline
    bool alwaysArcLeadIn; // the manual form skips the square outline's arc test
};

void setAlignmentOffset(float materialWidth)
{
    switch (gs.alignment) {
    case 1: alignmentOffset = single(D(materialWidth) / 2); break;
    case 2: alignmentOffset = 0; break;
    case 3: alignmentOffset = single(-(D(materialWidth) / 2)); break;
    default: break;
    }
}

// Positions the gantry, brings the heads to clearance on the first hole, and plunges.
void enter(ProgramOutput& out, float x, float y, int first)
{
    writeRapid(out, x, y, kOmit);
    if (first == 1)
        writeHeadsToClearance(out);
    writeHeadsToDepth(out, currentDepth);
}

void subprogramHole(ProgramOutput& out, const HoleRecord& hole, int first, float xs, float y)
{
    enter(out, single(D(xs) + D(hole.width) / 2), single(D(y) + D(hole.length) / 2), first);
    writeText(out, "M98 " + joinPath(gs.path, hole.name) + "\n");
}

void roundedOutline(ProgramOutput& out, const Outline& o, int first, float xs, float y, float r, float rc)
{
    const D R = o.hole.radius, W = o.hole.width, L = o.length, ld = gs.leadin, ex = gs.exit;
    if (ld > 0) {
        enter(out, single(xs + R + ld), single(D(y) + r + ld), first);
        writeArc(out, single(xs + R), single(y + D(r)), single(-ld), 0);
    }
    writeArc(out, single(xs + D(r)), single(y + R), 0, rc);
    writeFeed(out, single(xs + D(r)), single(y + L - R), kOmit);
    writeArc(out, single(xs + R), single(y + L - r), rc, 0);
    writeFeed(out, single(xs + W - R), kOmit, kOmit);
    writeArc(out, single(xs + W - r), single(y + L - R), 0, -rc);
    writeFeed(out, kOmit, single(y + R), kOmit);
    writeArc(out, single(xs + W - R), single(y + D(r)), -rc, 0);
    writeFeed(out, single(xs + R), kOmit, kOmit);
    writeArc(out, single(xs + D(r)), single(y + R), 0, rc);
    if (ex > 0)
        writeArc(out, single(xs + D(r) + ex), single(y + R + ex), single(ex), 0);
}

void squareOutline(ProgramOutput& out, const Outline& o, int first, float xs, float y, float r)
{
    const D W = o.hole.width, L = o.length, ld = gs.leadin, ex = gs.exit;
    const float q = single(W / 4);
    const bool arc = o.alwaysArcLeadIn || std::fabs(D(r) + D(r) - W) >= D(q) + ld;
    if (ld > 0) {
        if (arc) {
            enter(out, single(xs + D(q) + ld), single(y + ld + r), first);
            writeArc(out, single(xs + D(q)), single(y + D(r)), single(-ld), 0);
        } else {
            enter(out, single(xs + D(r)), single(y + D(r)), first);
            writeFeed(out, single(xs + D(r)), single(y + D(r)), kOmit);
        }
    }
    writeFeed(out, single(xs + D(r)), kOmit, kOmit);
    writeFeed(out, single(xs + D(r)), single(y + L - r), kOmit);
    writeFeed(out, single(xs + W - r), kOmit, kOmit);
    writeFeed(out, kOmit, single(y + D(r)), kOmit);
    writeFeed(out, single(xs + D(r)), kOmit, kOmit);
    const float ye = single(y + D(arc ? q : r));
    writeFeed(out, kOmit, ye, kOmit);
    if (ex > 0)
        writeArc(out, single(xs + D(r) + ex), single(ye + ex), single(ex), 0);
}

void cutOutline(ProgramOutput& out, const Outline& o, int first, float x, float y, float materialWidth)
{
    setAlignmentOffset(materialWidth);
    const float xs = single(D(x) + alignmentOffset);
    if (D(currentDepth) - D(gs.maxdepth) > 0.001)
        currentDepth = gs.depth;
    const float r = single(D(gs.bit) / 2);
    const float rc = std::max(0.0f, single(D(o.hole.radius) - r));

    if (o.hole.subprogram != 0)
        subprogramHole(out, o.hole, first, xs, y);
    else if (rc > 0)
        roundedOutline(out, o, first, xs, y, r, rc);
    else
        squareOutline(out, o, first, xs, y, r);
    writeHeadsToClearance(out);
    currentDepth = single(D(currentDepth) + depthStep);
}

} // namespace

void cutHole(ProgramOutput& out, int side, int first, float x, float y, float materialWidth)
{
    const HoleRecord& hole = holeSlots[side];
    const float length = single(D(hole.length) * railHoleFactor + railHoleExtra);
    cutOutline(out, Outline{hole, length, false}, first, x, y, materialWidth);
}

void cutManualHole(ProgramOutput& out, const ManualJob& job, int side, int first, int holeIndex, float x, float y)
{
    const HoleRecord& hole = job.placedHoles[side][holeIndex].hole;
    cutOutline(out, Outline{hole, hole.length, true}, first, x, y, job.material.width);
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
    holeSlots = {};
    currentDepth = 0;
    depthStep = 0;
    alignmentOffset = 0;
    railHoleFactor = 1;
    railHoleExtra = 0;
}
