#include "gcode/manual_layout.h"

#include <algorithm>

namespace {
float single(double value) { return static_cast<float>(value); }
using D = double;

float holeY(int variant, D y0, D m, D gap, const PlacedHole& p)
{
    const D s = p.spacing, l = p.hole.length;
    switch (variant) {
    case 1: return single(y0 - gap - s - l);
    case 2: return single(y0 - m + gap + s);
    case 3: return single(y0 + m - gap - s - l);
    default: return single(y0 + gap + s);
    }
}

float holeX(int variant, D fixtureX, const PlacedHole& p, bool offsetOn)
{
    D x = fixtureX - D(p.hole.width) / 2;
    if (offsetOn)
        x += variant == 2 || variant == 4 ? -D(p.offset) : D(p.offset);
    return single(x);
}
} // namespace

std::vector<ManualSlotPlace> manualSlotsFromTop(const ManualJob& job, int side)
{
    std::vector<ManualSlotPlace> places;
    float gap = 0;
    const auto& slots = job.placedHoles[static_cast<size_t>(side)];
    for (size_t k = 0; k < slots.size(); ++k) {
        const PlacedHole& p = slots[k];
        if (!p.filled())
            continue;
        places.push_back({static_cast<int>(k), gap});
        gap = single(D(gap) + D(p.spacing) + D(p.hole.length));
    }
    return places;
}

std::vector<ManualHoleOnFace> manualHolesOnFace(const ManualJob& job, int side, float xOrigin, int direction)
{
    const bool offsetOn = job.offsetOn[static_cast<size_t>(side)] == 1;
    const D middle = D(xOrigin) + D(job.material.width) / 2;
    std::vector<ManualHoleOnFace> holes;
    for (const ManualSlotPlace& place : manualSlotsFromTop(job, side)) {
        const PlacedHole& p = job.placedHoles[static_cast<size_t>(side)][static_cast<size_t>(place.slot)];
        const D x = middle + (offsetOn ? direction * D(p.offset) : 0.0);
        holes.push_back({place.slot, single(x), single(D(job.material.length) - D(place.gap) - D(p.spacing))});
    }
    return holes;
}

std::vector<ManualHoleAt> layoutManualPost(const ManualJob& job, int side, int variant, float fixtureX,
                                           bool secondPost)
{
    const bool offsetOn = job.offsetOn[side] == 1;
    std::vector<ManualHoleAt> holes;
    for (const ManualSlotPlace& place : manualSlotsFromTop(job, side)) {
        const PlacedHole& p = job.placedHoles[side][static_cast<size_t>(place.slot)];
        holes.push_back({place.slot, holeX(variant, fixtureX, p, offsetOn),
                         holeY(variant, gs.startpos.y, job.material.length, place.gap, p)});
    }
    const bool descending = (variant == 4) != secondPost;
    if (descending)
        std::reverse(holes.begin(), holes.end());
    return holes;
}

int filledSlots(const ManualJob& job, int side)
{
    const auto& slots = job.placedHoles[side];
    return static_cast<int>(std::count_if(slots.begin(), slots.end(), [](const PlacedHole& p) { return p.filled(); }));
}
