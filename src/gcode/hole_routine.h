#pragma once

#include "gcode/output/job_records.h"
#include "gcode/output/program_output.h"

#include <array>

// State of the hole routine, kept between holes and between runs.
extern std::array<HoleRecord, 2> holeSlots; // the hole types of side 1 and side 2
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
