#pragma once

#include "gcode/hole_path.h"
#include "gcode/output/job_records.h"
#include "gcode/output/program_output.h"
#include "gcode/output/run_context.h"

#include <array>

// The hole routine of one program: it writes each hole's tool path, and keeps between holes the
// hole types of the two sides, the depth of the next hole and its step, and the alignment offset.
// Each program composed makes its own, so composing leaves nothing behind.
class HoleRoutine {
public:
    HoleRoutine(ProgramOutput& out, const RunContext& run);

    // One hole of the side's hole type with its reference corner (smallest X and Y) at (x, y).
    // first = 1 brings the heads to clearance height after the positioning move. The material
    // width is that of the post being cut, for the alignment offset.
    void cutHole(int side, int first, float x, float y, float materialWidth);
    // One hole of the Manual job's placed hole (side, holeIndex).
    void cutManualHole(const ManualJob& job, int side, int first, int holeIndex, float x, float y);

    // Depth set-up at the start of a side (or of a Manual post): the varying cut style spreads
    // the holes from the settings' depth to the maximum depth over holeCount holes.
    void startSideDepth(int holeCount);

    // The hole types of side 1 and side 2 that cutHole cuts.
    std::array<HoleRecord, 2> holeSlots;
    float currentDepth = 0;    // depth of the next hole
    float depthStep = 0;       // added after every hole (varying cut style)
    float alignmentOffset = 0; // recomputed for every hole

private:
    void cutOutline(const HoleCut& cut, int first, float x, float y, float materialWidth);
    void writePath(const std::vector<PathMove>& moves, int first);

    ProgramOutput& out_;
    const RunContext& run_;
    ToolShape tool_;
};
