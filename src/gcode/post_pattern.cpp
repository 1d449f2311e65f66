#include "gcode/post_pattern.h"

#include "settings/settings.h"

std::vector<PatternHole> postPatternHoles(const PostPatternSide& s)
{
    std::vector<PatternHole> holes;
    if (isUnset(s.holes) || s.holes <= 0 || isUnset(s.distance))
        return holes;
    const double spacing = isUnset(s.spacing) ? 0.0 : s.spacing;
    const double middle = double(s.xOrigin) + double(s.postWidth) / 2;
    const double amount = isUnset(s.offsetAmount) ? 0.0 : s.offsetAmount;
    for (int i = 0; i < s.holes; ++i) {
        double x = middle;
        if (s.offsetting == 1 && s.alternate == 1)
            x += s.direction * (amount + double(s.holeWidth) / 2) * (i % 2 == 0 ? 1 : -1);
        else if (s.offsetting == 1)
            x += s.direction * amount;
        const double y = double(s.postLength) - s.distance - i * double(s.holeLength) - i * spacing;
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
