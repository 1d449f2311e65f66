#include "gcode/manual_layout.h"

#include <algorithm>

namespace {
float single(double value) { return static_cast<float>(value); }
using D = double;

// The top end's Y and the direction the holes run from it: down from Y0 (variant 1) or Y0 + M
// (variant 3), up from Y0 - M (variant 2) or Y0 (variant 4).
bool topAtHighY(int variant) { return variant == 1 || variant == 3; }

D topEndY(int variant, D y0, D m)
{
    switch (variant) {
    case 1: return y0;
    case 2: return y0 - m;
    case 3: return y0 + m;
    default: return y0;
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

std::vector<ManualHoleAt> layoutManualPost(const ManualJob& job, int side, int variant, float startY, float fixtureX,
                                           bool secondPost)
{
    const bool offsetOn = job.offsetOn[side] == 1;
    const bool down = topAtHighY(variant);
    const D top = topEndY(variant, startY, job.material.length);
    // The first hole hangs from the top end in one step, every further one from the hole above,
    // rounded to single precision at each step as the pattern writer walks its holes.
    std::vector<ManualHoleAt> holes;
    const PlacedHole* above = nullptr;
    float y = 0;
    for (const PlacedHole& p : job.placedHoles[side]) {
        if (!p.filled())
            continue;
        const D s = p.spacing, l = p.hole.length;
        if (!above)
            y = single(down ? top - s - l : top + s);
        else
            y = single(D(y) + (down ? -(s + l) : D(above->hole.length) + s));
        above = &p;
        const int slot = static_cast<int>(&p - job.placedHoles[side].data());
        holes.push_back({slot, holeX(variant, fixtureX, p, offsetOn), y});
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
