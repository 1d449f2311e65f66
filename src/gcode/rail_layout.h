#pragma once

#include "gcode/output/run_context.h"

// The computations of a rail on a slope, shared by the Rails page's checks and drawing and the
// rail program writer.

RailSlope railSlope(float rise, float run, float thickness);

// The largest number of holes of length hole, spacing apart, that fit after top on a rail of
// length length, and what is left below the last. fits is false when not even one fits.
struct RailFit {
    bool fits = false;
    int maxCount = 0;
    float leftover = 0;
};
RailFit largestCount(float length, float top, float hole, float spacing);

// As many holes as fit, for an empty count: the count and the distance left from the last hole to
// the bottom end. ok is false when the rail is not longer than top.
struct RailFill {
    bool ok = false;
    int count = 0;
    float bottom = 0;
};
RailFill fillRail(float length, float top, float hole, float spacing);

// The distance from the last of count holes to the bottom end.
float bottomAfter(float length, float top, float hole, float spacing, int count);
