#include "gcode/hole_routine.h"

#include "settings/files.h"
#include "settings/settings.h"
#include "support/gcode_fixture.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

class HoleRoutineTest : public GcodeTest {
protected:
    void SetUp() override
    {
        GcodeTest::SetUp();
        useTwoHeadMachine();
    }
    // A routine of a program on the machine the settings hold now, writing to out.
    HoleRoutine& routine(RailSlope slope = {})
    {
        run = shopRun(1, slope);
        holes.emplace(out, run);
        holes->currentDepth = 0.75f;
        holes->holeSlots = {HoleRecord{"H", 4, 1.5f, 0.5f, 0}, HoleRecord{"H2", 4, 0.75f, 0.25f, 0}};
        return *holes;
    }
    std::vector<std::string> plunges() const
    {
        std::vector<std::string> lines;
        for (const std::string& line : linesOf(out.bytes())) {
            if (line.rfind("G1 Z-", 0) == 0)
                lines.push_back(line);
        }
        return lines;
    }
    ProgramOutput out;
    RunContext run;
    std::optional<HoleRoutine> holes;
};

} // namespace

// The hole of the worked example, line by line.
TEST_F(HoleRoutineTest, RoundedHoleWithLeadInAndExit)
{
    routine().cutHole(0, 1, 10, 20, 5);
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
    routine().cutHole(0, 0, 10, 20, 5);
    const auto lines = linesOf(out.bytes());
    EXPECT_EQ(lines[1], "G1 Z-0.750 W-0.750");
    EXPECT_EQ(lines[lines.size() - 2], "G2 X10.250 Y20.500 I0.000 J0.250 ");
    EXPECT_EQ(lines.back(), "G0 Z0.500 W0.500");
}

TEST_F(HoleRoutineTest, SquareOutlines)
{
    // Radius equal to the bit radius: square outline; wide enough for the arc lead-in.
    HoleRoutine& holes = routine();
    holes.holeSlots[0] = HoleRecord{"SQ", 4, 1.5f, 0.25f, 0};
    holes.cutHole(0, 1, 10, 20, 5);
    // Radius below the bit radius, and too narrow for the arc: a feed to the start point.
    holes.holeSlots[1] = HoleRecord{"NARROW", 4, 0.75f, 0.1f, 0};
    holes.cutHole(1, 1, 30, 20, 5);
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
    routine().cutManualHole(job, 0, 1, 3, 30, 20);
    const auto lines = linesOf(out.bytes());
    EXPECT_EQ(lines[0], "G0 X30.438 Y20.500 "); // (x + W/4 + lead-in, y + lead-in + r)
    EXPECT_EQ(lines[3], "G2 X30.188 Y20.250 I-0.250 J0.000 ");
}

TEST_F(HoleRoutineTest, SubprogramHolePlungesAtTheCentreAndCallsItsProgram)
{
    gs.path = "/jobs";
    HoleRoutine& holes = routine({1.5f, 0});
    holes.holeSlots[0] = HoleRecord{"RAIL35", 4, 1.5f, 0.5f, 1};
    holes.cutHole(0, 1, 10, 20, 5);
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
    for (const auto& [folder, call] : {std::pair<std::string, std::string>{"C:\\Qelmar", "M98 C:\\Qelmar\\RAIL 35"},
                                      {"\\\\server\\share\\tap", "M98 \\\\server\\share\\tap\\RAIL 35"}}) {
        gs.path = folder;
        out = ProgramOutput{};
        HoleRoutine& holes = routine({1.5f, 0});
        holes.holeSlots[0] = HoleRecord{"RAIL 35", 4, 1.5f, 0.5f, 1};
        holes.cutHole(0, 1, 10, 20, 5);
        EXPECT_EQ(linesOf(out.bytes()).at(3), call);
    }
#endif
}

TEST_F(HoleRoutineTest, RailFactorStretchesTheOutline)
{
    routine({1.25f, 0.5f}).cutHole(0, 0, 10, 20, 5);
    EXPECT_EQ(linesOf(out.bytes())[4], "G1 X10.250 Y25.000 "); // y + 4 * 1.25 + 0.5 - R
}

TEST_F(HoleRoutineTest, VaryingDepthRunsFromDepthToMaximumAndWraps)
{
    gs.cutstyle = 1;
    gs.depth = 0.5f;
    gs.maxdepth = 1.0f;
    HoleRoutine& holes = routine();
    holes.startSideDepth(3);
    EXPECT_FLOAT_EQ(holes.depthStep, 0.25f);
    for (int i = 0; i < 4; ++i)
        holes.cutHole(0, 0, 10, 20, 5);
    EXPECT_EQ(plunges(), (std::vector<std::string>{"G1 Z-0.500 W-0.500", "G1 Z-0.750 W-0.750", "G1 Z-1.000 W-1.000",
                                                   "G1 Z-0.500 W-0.500"}));

    holes.startSideDepth(1);
    EXPECT_EQ(holes.depthStep, 0.0f);

    gs.maxdepth = 0.25f; // below the depth: every hole is cut at the depth
    out = ProgramOutput{};
    HoleRoutine& shallow = routine();
    shallow.startSideDepth(3);
    for (int i = 0; i < 3; ++i)
        shallow.cutHole(0, 0, 10, 20, 5);
    EXPECT_EQ(plunges(), std::vector<std::string>(3, "G1 Z-0.500 W-0.500"));
}

TEST_F(HoleRoutineTest, AlignmentUsesTheWidthOfTheMaterialBeingCut)
{
    HoleRoutine& holes = routine();
    const auto firstX = [&](int alignment) {
        run.settings.alignment = alignment;
        const size_t before = out.bytes().size();
        holes.cutHole(0, 0, 10, 20, 3.5f);
        return linesOf(out.bytes().substr(before))[0];
    };
    EXPECT_EQ(firstX(1), "G0 X12.500 Y20.500 ");
    EXPECT_EQ(firstX(3), "G0 X9.000 Y20.500 ");
    EXPECT_EQ(firstX(2), "G0 X10.750 Y20.500 ");
    EXPECT_EQ(firstX(7), "G0 X10.750 Y20.500 ") << "an unknown alignment keeps the last offset";
}
