#pragma once

#include "gcode/output/job_records.h"
#include "gcode/output/program_output.h"
#include "settings/library_files.h"

#include <array>

// The hole types of side 1 and side 2 that the routine cuts. Side 1's slot is the hole type the
// Configurations page shows (currentHole), so a run leaves its side 1 hole type there.
class HoleSlots {
public:
    HoleRecord& operator[](int side) { return side == 0 ? currentHole : side2_; }
    const HoleRecord& operator[](int side) const { return side == 0 ? currentHole : side2_; }
    HoleSlots& operator=(const std::array<HoleRecord, 2>& holes)
    {
        currentHole = holes[0];
        side2_ = holes[1];
        return *this;
    }

private:
    HoleRecord side2_;
};

// State of the hole routine, kept between holes and between runs.
extern HoleSlots holeSlots;
extern float currentDepth;                  // depth of the next hole
extern float depthStep;                     // added after every hole (varying cut style)
extern float alignmentOffset;               // recomputed for every hole
extern float railHoleFactor;                // a hole's outline length is L * factor + extra
extern float railHoleExtra;

// One hole of the side's hole type with its reference corner (smallest X and Y) at (x, y).
// first = 1 brings the heads to clearance height after the positioning move. The material width
// is that of the post being cut, for the alignment offset.
void cutHole(ProgramOutput& out, int side, int first, float x, float y, float materialWidth);
// One hole of the Manual job's placed hole (side, holeIndex).
void cutManualHole(ProgramOutput& out, const ManualJob& job, int side, int first, int holeIndex, float x, float y);

// Depth set-up at the start of a side: the varying cut style spreads the holes from gs.depth to
// gs.maxdepth over holeCount holes.
void startSideDepth(int holeCount);

void resetHoleRoutine();
