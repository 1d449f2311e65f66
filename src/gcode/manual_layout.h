#pragma once

#include "gcode/output/job_records.h"

#include <vector>

// A placed hole of the Manual job at its reference corner (smallest X and Y, before alignment).
struct ManualHoleAt {
    int slot = 0;
    float x = 0;
    float y = 0;
};

// The filled slots of one side of one post in cutting order. Each hole hangs its own gap below
// the hole above (or below the top end); variant 4 cuts from the last slot to the first and uses
// every offset with its sign reversed. secondPost reverses the order of the first post.
std::vector<ManualHoleAt> layoutManualPost(const ManualJob& job, int side, int variant, float fixtureX,
                                           bool secondPost);

int filledSlots(const ManualJob& job, int side);
