#include "gcode/pattern_layout.h"

#include <gtest/gtest.h>

namespace {

// The worked placement example: Y0 40, M 48, D 6, S 2, L 4, W 1.5, three holes, fixtures 10, 22.
PatternInput example(int variant)
{
    PatternInput in;
    in.variant = variant;
    in.startY = 40;
    in.materialLength = 48;
    in.distanceFromTop = 6;
    in.spacing = 2;
    in.holeLength = 4;
    in.holeWidth = 1.5f;
    in.side1HoleWidth = 1.5f;
    in.holeCount = 3;
    in.firstPostX = 10;
    in.secondPostX = 22;
    return in;
}

std::vector<float> ys(const std::vector<HoleCorner>& holes)
{
    std::vector<float> v;
    for (const HoleCorner& h : holes)
        v.push_back(h.y);
    return v;
}

std::vector<float> xs(const std::vector<HoleCorner>& holes)
{
    std::vector<float> v;
    for (const HoleCorner& h : holes)
        v.push_back(h.x);
    return v;
}

using V = std::vector<float>;

} // namespace

TEST(PatternLayout, VariantsFollowHomeAndDirection)
{
    EXPECT_EQ(programVariant(1, 1), 1);
    EXPECT_EQ(programVariant(1, 0), 2);
    EXPECT_EQ(programVariant(0, 1), 3);
    EXPECT_EQ(programVariant(0, 0), 4);
}

TEST(PatternLayout, HoleHeightsOfBothPostsInCuttingOrder)
{
    const V expected[] = {{30, 24, 18}, {10, 4, -2}, {78, 72, 66}, {58, 52, 46}};
    for (int variant = 1; variant <= 4; ++variant) {
        const PatternPosts posts = layoutPattern(example(variant), true);
        const V first = expected[variant - 1];
        EXPECT_EQ(ys(posts.first), first) << "variant " << variant;
        EXPECT_EQ(ys(posts.second), V(first.rbegin(), first.rend())) << "variant " << variant;
    }
}

TEST(PatternLayout, StraightHolesStandOnTheFixtureLine)
{
    for (int variant = 1; variant <= 4; ++variant) {
        PatternInput in = example(variant);
        PatternPosts posts = layoutPattern(in, true);
        EXPECT_EQ(xs(posts.first), V(3, 9.25f));
        EXPECT_EQ(xs(posts.second), V(3, 21.25f));

        in.useOffsetting = 1;
        in.offset = 0.5f;
        posts = layoutPattern(in, true);
        const bool minus = variant == 2;
        EXPECT_EQ(xs(posts.first), V(3, minus ? 8.75f : 9.75f)) << "variant " << variant;
        EXPECT_EQ(xs(posts.second), V(3, minus ? 20.75f : 21.75f)) << "variant " << variant;
    }
}

TEST(PatternLayout, AlternateOffsetCrossesTheFixtureLine)
{
    for (int variant = 1; variant <= 4; ++variant) {
        PatternInput in = example(variant);
        in.useOffsetting = 1;
        in.alternateOffset = 1;
        in.offset = 0.5f;
        const PatternPosts posts = layoutPattern(in, true);
        const bool lowTop = variant == 2 || variant == 4;
        EXPECT_EQ(xs(posts.first), (lowTop ? V{8, 10.5f, 8} : V{10.5f, 8, 10.5f})) << "variant " << variant;
        EXPECT_EQ(xs(posts.second), (lowTop ? V{20, 22.5f, 20} : V{22.5f, 20, 22.5f})) << "variant " << variant;
    }
}

TEST(PatternLayout, AlternateOffsetWithEvenCountsAndNegativeOffsets)
{
    PatternInput in = example(1);
    in.alternateOffset = 1;
    in.holeCount = 4;
    in.offset = 0.5f;
    PatternPosts posts = layoutPattern(in, true);
    EXPECT_EQ(xs(posts.first), (V{10.5f, 8, 10.5f, 8}));
    EXPECT_EQ(xs(posts.second), (V{20, 22.5f, 20, 22.5f}));

    in.variant = 4;
    in.offset = -0.5f; // P = 2 x |-0.5 + 0.75| = 0.5
    posts = layoutPattern(in, true);
    EXPECT_EQ(xs(posts.first), (V{9.5f, 10, 9.5f, 10}));
    EXPECT_EQ(xs(posts.second), (V{22, 21.5f, 22, 21.5f})) << "variant 4 walks its second post the other way";

    in.variant = 2;
    posts = layoutPattern(in, true);
    EXPECT_EQ(xs(posts.second), (V{22, 21.5f, 22, 21.5f}));
}

TEST(PatternLayout, AlternateStepComesFromSideOnesHoleWidth)
{
    PatternInput in = example(1);
    in.alternateOffset = 1;
    in.offset = 0.5f;
    in.holeWidth = 0.5f; // side 2's narrower hole
    const PatternPosts posts = layoutPattern(in, false);
    EXPECT_EQ(xs(posts.first), (V{10.5f, 8, 10.5f}));
    EXPECT_TRUE(posts.second.empty());
}

TEST(PatternLayout, HolesAreAccumulatedInSinglePrecision)
{
    PatternInput in = example(1);
    in.startY = 100;
    in.distanceFromTop = 0.1f;
    in.spacing = 0.1f;
    in.holeLength = 0.3f;
    in.holeCount = 200;
    const PatternPosts posts = layoutPattern(in, true);
    float y = static_cast<float>(100.0 - double(0.1f) - double(0.3f));
    for (size_t k = 1; k < posts.first.size(); ++k)
        y = static_cast<float>(double(y) - (double(0.3f) + double(0.1f)));
    EXPECT_EQ(posts.first.back().y, y);
    EXPECT_EQ(posts.second.front().y, y);
    EXPECT_EQ(layoutPattern(PatternInput{}, true).first.size(), 0u);
}
