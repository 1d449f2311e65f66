#include "gcode/rail_layout.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

float single(double value) { return static_cast<float>(value); }

// Laying out holes one pitch at a time stops being worth it here; the rest is counted at once.
constexpr int kStepsCounted = 100000;

} // namespace

RailSlope railSlope(float rise, float run, float thickness)
{
    if (!(run > 0 && rise > 0))
        return {};
    const double angle = std::atan2(double(rise), double(run));
    return {single(std::sqrt(double(run) * run + double(rise) * rise) / run), single(std::tan(angle) * thickness)};
}

RailFit largestCount(float length, float top, float hole, float spacing)
{
    float rest = length;
    if (!(rest >= top + hole))
        return {};
    rest = single(double(rest) - (double(top) + hole));
    const float pitch = single(double(hole) + spacing);
    if (!(pitch > 0))
        return {true, INT_MAX / 2, rest}; // holes that do not move down never run out
    int count = 1;
    while (rest >= pitch && count < kStepsCounted) {
        rest = single(double(rest) - pitch);
        ++count;
    }
    if (rest >= pitch) {
        const double more = std::floor(double(rest) / pitch);
        count = static_cast<int>(std::min(double(INT_MAX / 2), count + more));
        rest = single(double(rest) - more * pitch);
    }
    return {true, count, rest};
}

RailFill fillRail(float length, float top, float hole, float spacing)
{
    float rest = single(double(length) - top);
    if (!(rest > 0))
        return {};
    const double reach = std::fabs(double(spacing)) + hole;
    const float pitch = single(double(hole) + spacing);
    int count = 0;
    while (rest - reach > 0 && pitch > 0 && count < kStepsCounted) {
        rest = single(double(rest) - pitch);
        ++count;
    }
    if (rest - reach > 0 && pitch > 0) {
        const double more = std::floor((double(rest) - reach) / pitch) + 1;
        count = static_cast<int>(std::min(double(INT_MAX / 2), count + more));
        rest = single(double(rest) - more * pitch);
    }
    if (rest - double(hole) < 0)
        return {true, count, single(std::fabs(double(spacing)) + rest)};
    return {true, count + 1, single(double(rest) - hole)};
}

float bottomAfter(float length, float top, float hole, float spacing, int count)
{
    return single(double(length) - (double(top) + double(hole) * count + double(spacing) * (count - 1)));
}
