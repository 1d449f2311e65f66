#include "gcode/post_pattern.h"

#include <gtest/gtest.h>

namespace {

PostPatternSide fiveHoles()
{
    PostPatternSide s;
    s.postLength = 72;
    s.postWidth = 5;
    s.holeWidth = 1.5f;
    s.holeLength = 4;
    s.distance = 2;
    s.spacing = 10;
    s.holes = 5;
    return s;
}

std::vector<float> xs(const std::vector<PatternHole>& holes)
{
    std::vector<float> v;
    for (const PatternHole& h : holes)
        v.push_back(h.x);
    return v;
}

} // namespace

TEST(PostPattern, HolesHangFromTheTopCentredOnTheFace)
{
    const auto holes = postPatternHoles(fiveHoles());
    std::vector<float> tops;
    for (const PatternHole& h : holes)
        tops.push_back(h.y);
    EXPECT_EQ(tops, (std::vector<float>{70, 56, 42, 28, 14}));
    EXPECT_EQ(xs(holes), std::vector<float>(5, 2.5f));
}

TEST(PostPattern, OffsetsAndTheirDirection)
{
    PostPatternSide s = fiveHoles();
    s.offsetting = 1;
    s.offsetAmount = -0.5f;
    EXPECT_EQ(xs(postPatternHoles(s)), std::vector<float>(5, 2.0f)) << "every hole 0.5 to the left";

    s.offsetAmount = 0.5f;
    s.alternate = 1;
    EXPECT_EQ(xs(postPatternHoles(s)), (std::vector<float>{3.75f, 1.25f, 3.75f, 1.25f, 3.75f}));

    s.xOrigin = sideXOrigin(1, true, 5);
    s.direction = sideDirection(1, true);
    EXPECT_EQ(postPatternHoles(s).front().x, 1.25f) << "side 2 overlaid starts to the left";

    s.xOrigin = sideXOrigin(1, false, 4);
    EXPECT_EQ(s.xOrigin, 6.0f) << "side 2 apart stands half a width to the right";
    EXPECT_EQ(sideDirection(1, false), 1);
}

TEST(PostPattern, NothingToDrawWithoutHoles)
{
    PostPatternSide s = fiveHoles();
    s.holes = 0;
    EXPECT_TRUE(postPatternHoles(s).empty());
    s.holes = 99999999;
    EXPECT_TRUE(postPatternHoles(s).empty());
}
