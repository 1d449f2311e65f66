#include "gcode/rail_layout.h"

#include <gtest/gtest.h>

TEST(RailLayout, SlopeFitAndFill)
{
    const RailSlope slope = railSlope(3, 4, 2);
    EXPECT_FLOAT_EQ(slope.factor, 1.25f);
    EXPECT_FLOAT_EQ(slope.extra, 1.5f);
    EXPECT_EQ(railSlope(0, 4, 2).factor, 1.0f) << "level without a rise";
    EXPECT_EQ(railSlope(3, 0, 2).extra, 0.0f) << "level without a run";

    // 48 long, 4 from the top, holes 6 long 2 apart: 4 + 5 x 6 + 4 x 2 = 42.
    const RailFit fit = largestCount(48, 4, 6, 2);
    EXPECT_EQ(fit.maxCount, 5);
    const RailFill fill = fillRail(48, 4, 6, 2);
    EXPECT_EQ(fill.count, 5);
    EXPECT_EQ(fill.bottom, 6);
    EXPECT_EQ(bottomAfter(48, 4, 6, 2, 6), -2) << "a sixth hole does not fit";
    EXPECT_FALSE(fillRail(48, 48, 6, 2).ok);
    EXPECT_FALSE(largestCount(48, 45, 6, 2).fits);
    EXPECT_GT(largestCount(48, 4, 6, -6).maxCount, 1000) << "holes that do not move down never run out, nor hang";
    EXPECT_GT(fillRail(48, 4, 1e-7f, 0).count, 100000000) << "a tiny pitch is counted, not walked forever";
}
