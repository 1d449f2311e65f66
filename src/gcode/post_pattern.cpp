#include "gcode/post_pattern.h"

#include "settings/settings.h"

#include <algorithm>
#include <cmath>

namespace {

// The tops of holes that reach onto the material lie strictly inside (low, high): the material
// runs from 0 to its length, and a hole hangs down from its top by its length.
struct TopWindow {
    double low;
    double high;
    bool holds(double top) const { return top > low && top < high; }
};

TopWindow topWindow(const PostPatternSide& s)
{
    const double length = s.postLength, hole = s.holeLength;
    return {std::min(0.0, length) + std::min(0.0, hole), std::max(0.0, length) + std::max(0.0, hole)};
}

struct IndexRange {
    int first = 0;
    int last = -1;
};

// The holes whose tops may lie in the window, found from the constant pitch rather than by walking
// the holes before the material; a margin of two holes on each side absorbs the rounding of each
// hole's own position. With no pitch every hole repeats the first (or the first two, alternating).
IndexRange holesToTry(const PostPatternSide& s, double firstTop, double pitch, TopWindow window)
{
    if (pitch == 0)
        return {0, std::min(s.holes, s.alternate == 1 ? 2 : 1) - 1};
    const double a = (firstTop - window.high) / pitch, b = (firstTop - window.low) / pitch;
    const double low = std::floor(std::min(a, b)) - 2, high = std::ceil(std::max(a, b)) + 2;
    if (!(low <= s.holes - 1 && high >= 0))
        return {};
    return {static_cast<int>(std::max(low, 0.0)), static_cast<int>(std::min(high, double(s.holes - 1)))};
}

} // namespace

std::vector<PatternHole> postPatternHoles(const PostPatternSide& s)
{
    std::vector<PatternHole> holes;
    if (isUnset(s.holes) || s.holes <= 0 || isUnset(s.distance))
        return holes;
    const double spacing = isUnset(s.spacing) ? 0.0 : s.spacing;
    const double middle = double(s.xOrigin) + double(s.postWidth) / 2;
    const double amount = isUnset(s.offsetAmount) ? 0.0 : s.offsetAmount;
    const double firstTop = double(s.postLength) - s.distance;
    const TopWindow window = topWindow(s);
    const IndexRange range = holesToTry(s, firstTop, double(s.holeLength) + spacing, window);
    for (int i = range.first; i <= range.last && holes.size() < kMostHolesDrawn; ++i) {
        const double y = double(s.postLength) - s.distance - i * double(s.holeLength) - i * spacing;
        if (!window.holds(y)) {
            if (!holes.empty())
                break;
            continue;
        }
        double x = middle;
        if (s.offsetting == 1 && s.alternate == 1)
            x += s.direction * (amount + double(s.holeWidth) / 2) * (i % 2 == 0 ? 1 : -1);
        else if (s.offsetting == 1)
            x += s.direction * amount;
        holes.push_back({static_cast<float>(x), static_cast<float>(y)});
    }
    return holes;
}

float sideXOrigin(int side, bool overlay, float postWidth)
{
    return side == 1 && !overlay ? static_cast<float>(1.5 * postWidth) : 0.0f;
}

int sideDirection(int side, bool overlay)
{
    return side == 1 && overlay ? -1 : 1;
}
