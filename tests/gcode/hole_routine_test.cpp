#include "gcode/hole_routine.h"

#include "settings/files.h"
#include "settings/settings.h"
#include "support/gcode_fixture.h"
#include "support/golden.h"

#include <gtest/gtest.h>

namespace {

class HoleRoutineTest : public GcodeTest {
protected:
    void SetUp() override
    {
        GcodeTest::SetUp();
        useTwoHeadMachine();
        currentDepth = 0.75f;
        holeSlots = {HoleRecord{"H", 4, 1.5f, 0.5f, 0}, HoleRecord{"H2", 4, 0.75f, 0.25f, 0}};
    }
    ProgramOutput out;
};

} // namespace

// The hole of the worked example, line by line.
TEST_F(HoleRoutineTest, RoundedHoleWithLeadInAndExit)
{
    cutHole(out, 0, 1, 10, 20, 5);
    const std::vector<std::string> expected = {
        "G0 X10.750 Y20.500 ",
        "G0 Z0.500 W0.500",
        "G1 Z-0.750 W-0.750",
        "G2 X10.500 Y20.250 I-0.250 J0.000 ",
        "G2 X10.250 Y20.500 I0.000 J0.250 ",
        "G1 X10.250 Y23.500 ",
        "G2 X10.500 Y23.750 I0.250 J0.000 ",
        "G1 X11.000 ",
        "G2 X11.250 Y23.500 I0.000 J-0.250 ",
        "G1 Y20.500 ",
        "G2 X11.000 Y20.250 I-0.250 J0.000 ",
        "G1 X10.500 ",
        "G2 X10.250 Y20.500 I0.000 J0.250 ",
        "G2 X10.375 Y20.625 I0.125 J0.000 ",
        "G0 Z0.500 W0.500",
    };
    EXPECT_EQ(linesOf(out.bytes()), expected);
    EXPECT_EQ(out.bytes().substr(out.bytes().size() - 2), "\r\n");
}

TEST_F(HoleRoutineTest, LaterHolesSkipTheClearanceLineAndTheExitArcWhenZero)
{
    gs.exit = 0;
    cutHole(out, 0, 0, 10, 20, 5);
    const auto lines = linesOf(out.bytes());
    EXPECT_EQ(lines[1], "G1 Z-0.750 W-0.750");
    EXPECT_EQ(lines[lines.size() - 2], "G2 X10.250 Y20.500 I0.000 J0.250 ");
    EXPECT_EQ(lines.back(), "G0 Z0.500 W0.500");
}

TEST_F(HoleRoutineTest, SquareOutlines)
{
    // Radius equal to the bit radius: square outline; wide enough for the arc lead-in.
    holeSlots[0] = HoleRecord{"SQ", 4, 1.5f, 0.25f, 0};
    cutHole(out, 0, 1, 10, 20, 5);
    // Radius below the bit radius, and too narrow for the arc: a feed to the start point.
    holeSlots[1] = HoleRecord{"NARROW", 4, 0.75f, 0.1f, 0};
    cutHole(out, 1, 1, 30, 20, 5);
    expectMatchesGolden("holes/square-outlines.tap", out.bytes());
    const auto lines = linesOf(out.bytes());
    EXPECT_EQ(lines[0], "G0 X10.625 Y20.500 ");
    EXPECT_EQ(lines[3], "G2 X10.375 Y20.250 I-0.250 J0.000 ");
}

TEST_F(HoleRoutineTest, ManualSquareHoleAlwaysTakesTheArc)
{
    ManualJob job;
    job.material.width = 5;
    job.placedHoles[0][3].hole = HoleRecord{"NARROW", 4, 0.75f, 0.1f, 0};
    cutManualHole(out, job, 0, 1, 3, 30, 20);
    const auto lines = linesOf(out.bytes());
    EXPECT_EQ(lines[0], "G0 X30.438 Y20.500 "); // (x + W/4 + lead-in, y + lead-in + r)
    EXPECT_EQ(lines[3], "G2 X30.188 Y20.250 I-0.250 J0.000 ");
}

TEST_F(HoleRoutineTest, SubprogramHolePlungesAtTheCentreAndCallsItsProgram)
{
    gs.path = "/jobs";
    holeSlots[0] = HoleRecord{"RAIL35", 4, 1.5f, 0.5f, 1};
    railHoleFactor = 1.5f;
    cutHole(out, 0, 1, 10, 20, 5);
    const std::vector<std::string> expected = {
        "G0 X10.750 Y22.000 ",
        "G0 Z0.500 W0.500",
        "G1 Z-0.750 W-0.750",
        "M98 " + joinPath("/jobs", "RAIL35"),
        "G0 Z0.500 W0.500",
    };
    EXPECT_EQ(linesOf(out.bytes()), expected);
}

// The controller runs on Windows: the subprogram is called by its Windows path, on a drive or a
// network share.
TEST_F(HoleRoutineTest, SubprogramCallNamesAWindowsPath)
{
#ifndef _WIN32
    GTEST_SKIP() << "Windows only: the Linux build joins the folder with a slash";
#else
    holeSlots[0] = HoleRecord{"RAIL 35", 4, 1.5f, 0.5f, 1};
    railHoleFactor = 1.5f;
    for (const auto& [folder, call] : {std::pair<std::string, std::string>{"C:\\Qelmar", "M98 C:\\Qelmar\\RAIL 35"},
                                      {"\\\\server\\share\\tap", "M98 \\\\server\\share\\tap\\RAIL 35"}}) {
        gs.path = folder;
        ProgramOutput written;
        cutHole(written, 0, 1, 10, 20, 5);
        EXPECT_EQ(linesOf(written.bytes()).at(3), call);
    }
#endif
}

TEST_F(HoleRoutineTest, RailFactorStretchesTheOutline)
{
    railHoleFactor = 1.25f;
    railHoleExtra = 0.5f;
    cutHole(out, 0, 0, 10, 20, 5);
    EXPECT_EQ(linesOf(out.bytes())[4], "G1 X10.250 Y25.000 "); // y + 4 * 1.25 + 0.5 - R
}

TEST_F(HoleRoutineTest, VaryingDepthRunsFromDepthToMaximumAndWraps)
{
    gs.cutstyle = 1;
    gs.depth = 0.5f;
    gs.maxdepth = 1.0f;
    startSideDepth(3);
    EXPECT_FLOAT_EQ(depthStep, 0.25f);
    std::vector<std::string> plunges;
    for (int i = 0; i < 4; ++i) {
        ProgramOutput hole;
        cutHole(hole, 0, 0, 10, 20, 5);
        plunges.push_back(linesOf(hole.bytes())[1]);
    }
    EXPECT_EQ(plunges, (std::vector<std::string>{"G1 Z-0.500 W-0.500", "G1 Z-0.750 W-0.750", "G1 Z-1.000 W-1.000",
                                                 "G1 Z-0.500 W-0.500"}));

    startSideDepth(1);
    EXPECT_EQ(depthStep, 0.0f);

    gs.maxdepth = 0.25f; // below the depth: every hole is cut at the depth
    startSideDepth(3);
    for (int i = 0; i < 3; ++i) {
        ProgramOutput hole;
        cutHole(hole, 0, 0, 10, 20, 5);
        EXPECT_EQ(linesOf(hole.bytes())[1], "G1 Z-0.500 W-0.500");
    }
}

TEST_F(HoleRoutineTest, AlignmentUsesTheWidthOfTheMaterialBeingCut)
{
    const auto firstX = [&](int alignment) {
        gs.alignment = alignment;
        ProgramOutput hole;
        cutHole(hole, 0, 0, 10, 20, 3.5f);
        return linesOf(hole.bytes())[0];
    };
    EXPECT_EQ(firstX(1), "G0 X12.500 Y20.500 ");
    EXPECT_EQ(firstX(3), "G0 X9.000 Y20.500 ");
    EXPECT_EQ(firstX(2), "G0 X10.750 Y20.500 ");
    EXPECT_EQ(firstX(7), "G0 X10.750 Y20.500 ") << "an unknown alignment keeps the last offset";
}
