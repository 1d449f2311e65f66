#pragma once

#include "gcode/output/job_records.h"

#include <vector>

// A placed hole of the Manual job at its reference corner (smallest X and Y, before alignment).
struct ManualHoleAt {
    int slot = 0;
    float x = 0;
    float y = 0;
};

// A filled slot of one side, from the top end down: its top edge hangs its own spacing below the
// gap, the lengths and spacings of the filled slots above it, accumulated in single precision.
struct ManualSlotPlace {
    int slot = 0;
    float gap = 0;
};
std::vector<ManualSlotPlace> manualSlotsFromTop(const ManualJob& job, int side);

// The holes of one side as the preview draws them on a face (the centre of each top edge, from
// the top end down), with the page's x origin and direction: offsets count only while the side's
// Offset toggle is on.
struct ManualHoleOnFace {
    int slot = 0;
    float x = 0;
    float y = 0;
};
std::vector<ManualHoleOnFace> manualHolesOnFace(const ManualJob& job, int side, float xOrigin, int direction);

// The filled slots of one side of one post in cutting order, startY being the settings' start
// position. Each hole hangs its own gap below
// the hole above (or below the top end); variant 4 cuts from the last slot to the first and uses
// every offset with its sign reversed. secondPost reverses the order of the first post.
std::vector<ManualHoleAt> layoutManualPost(const ManualJob& job, int side, int variant, float startY, float fixtureX,
                                           bool secondPost);

int filledSlots(const ManualJob& job, int side);
