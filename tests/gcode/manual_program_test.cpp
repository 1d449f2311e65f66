#include "gcode/manual_program.h"

#include "gcode/manual_layout.h"
#include "settings/numbers.h"
#include "settings/settings.h"
#include "support/gcode_fixture.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class ManualProgramTest : public GcodeTest {
protected:
    void SetUp() override
    {
        GcodeTest::SetUp();
        useTwoHeadMachine(); // its tool number is never written in a manual program
        job.material = MaterialRecord{"VINYL 5X5", 48, 5, 0, 3.5f, 0, 0};
        // The worked example: slot 0 and slot 2 filled, slot 1 empty.
        job.placedHoles[0][0] = {HoleRecord{"RAIL 4", 4, 1.5f, 0.5f, 0}, 6, 0.5f};
        job.placedHoles[0][2] = {HoleRecord{"RAIL 3", 3, 1.5f, 0.5f, 0}, 2, -0.25f};
        job.placedHoles[1][0] = {HoleRecord{"RAIL 3", 3, 1.5f, 0.5f, 0}, 8, 0.75f};
        job.side1HoleCount = 2;
    }

    std::string program()
    {
        ProgramOutput out;
        writeManualProgramTo(out, job, shopRun(0));
        return out.bytes();
    }

    std::vector<std::string> body() { return bodyLines(program()); }

    ManualJob job;
};

std::vector<float> ys(const std::vector<ManualHoleAt>& holes)
{
    std::vector<float> v;
    for (const ManualHoleAt& h : holes)
        v.push_back(h.y);
    return v;
}

using V = std::vector<float>;

} // namespace

TEST_F(ManualProgramTest, WorkedExampleHeightsInCuttingOrder)
{
    const V first[] = {{30, 25}, {-2, 4}, {78, 73}, {52, 46}};
    for (int variant = 1; variant <= 4; ++variant) {
        EXPECT_EQ(ys(layoutManualPost(job, 0, variant, gs.startpos.y, 10, false)), first[variant - 1]) << variant;
        const V& f = first[variant - 1];
        EXPECT_EQ(ys(layoutManualPost(job, 0, variant, gs.startpos.y, 22, true)), V(f.rbegin(), f.rend())) << variant;
    }
}

// Each hole is placed from the hole above in single precision, as the pattern writer walks its
// holes, not from the top end in one step: here the two give 75.724 and 75.725.
TEST_F(ManualProgramTest, EachHoleIsPlacedFromTheHoleAbove)
{
    gs.startpos.y = 96;
    job.placedHoles[0][0] = {HoleRecord{"RAIL 4", 4, 1.5f, 0.5f, 0}, 6.0585f, 0};
    job.placedHoles[0][2] = {HoleRecord{"RAIL 3.5", 3.5f, 1.5f, 0.5f, 0}, 6.717f, 0};
    const std::vector<ManualHoleAt> holes = layoutManualPost(job, 0, 1, gs.startpos.y, 10, false);
    ASSERT_EQ(holes.size(), 2u);
    EXPECT_EQ(formatFixed(holes[0].y, 3), "85.941");
    EXPECT_EQ(formatFixed(holes[1].y, 3), "75.724");
}

TEST_F(ManualProgramTest, OffsetsShiftByVariant)
{
    job.offsetOn[0] = 1;
    const auto x = [&](int variant) { return layoutManualPost(job, 0, variant, gs.startpos.y, 10, false).front().x; };
    EXPECT_EQ(x(1), 9.75f); // 10 - 0.75 + 0.5
    EXPECT_EQ(x(3), 9.75f);
    EXPECT_EQ(x(2), 8.75f);
    EXPECT_EQ(layoutManualPost(job, 0, 4, gs.startpos.y, 10, false).back().x, 8.75f) << "slot 0 comes last in variant 4";
    job.offsetOn[0] = 0;
    EXPECT_EQ(x(1), 9.25f) << "offsets apply only while the side's toggle is on";
}

// The page draws the holes where the writer cuts them: each hangs its spacing below the one above.
TEST_F(ManualProgramTest, HolesOnTheFaceHangFromTheHoleAbove)
{
    ManualJob page;
    page.material = MaterialRecord{"POST", 72, 5, 0, 5, 0, 0};
    const HoleRecord four{"RAIL 4", 4, 1.5f, 0.5f, 0}, six{"RAIL 6", 6, 1.5f, 0.5f, 0};
    page.placedHoles[0][0] = {four, 6, 0.75f};
    page.placedHoles[0][1] = {four, 10, 0};
    page.placedHoles[0][2] = {four, 10, 0};
    page.placedHoles[1][0] = {four, 6, 0.75f};
    page.placedHoles[1][1] = {six, 10, 0};
    page.placedHoles[1][2] = {four, 1, 0};
    page.offsetOn = {1, 1};
    const auto tops = [&](int side) {
        std::vector<float> y;
        for (const ManualHoleOnFace& h : manualHolesOnFace(page, side, 0, side == 0 ? 1 : -1))
            y.push_back(h.y);
        return y;
    };
    EXPECT_EQ(tops(0), (std::vector<float>{66, 52, 38}));
    EXPECT_EQ(tops(1), (std::vector<float>{66, 52, 45})) << "a longer second hole reaches down to 46";
    EXPECT_EQ(manualHolesOnFace(page, 0, 0, 1)[0].x, 3.25f) << "0.75 right of the face centre";
    EXPECT_EQ(manualHolesOnFace(page, 1, 0, -1)[0].x, 1.75f) << "side 2 overlaid: 0.75 left";
    page.offsetOn[0] = 0;
    EXPECT_EQ(manualHolesOnFace(page, 0, 0, 1)[0].x, 2.5f);
}

TEST_F(ManualProgramTest, WorkedExampleInEveryVariant)
{
    gs.cutatonce = 2;
    job.offsetOn = {1, 1};
    for (int variant = 1; variant <= 4; ++variant) {
        useVariant(variant);
        for (int sides = 1; sides <= 2; ++sides) {
            job.sides = sides;
            expectMatchesGolden("programs/manual/v" + std::to_string(variant) + "-sides" + std::to_string(sides) +
                                    ".tap",
                                program());
        }
    }
}

TEST_F(ManualProgramTest, FirstFlagFollowsTheFlaggedSlot)
{
    gs.cutatonce = 2;
    useVariant(1);
    auto lines = body();
    // Slot 0 starts the first post with the clearance line; the second post starts at slot 999,
    // which is empty, so none of its holes does.
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "G0 Z0.500 W0.500"), 1 + 4);

    useVariant(4);
    lines = body();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "G0 Z0.500 W0.500"), 1 + 4);
    job.placedHoles[0][999] = {HoleRecord{"LAST", 2, 1, 0.25f, 0}, 1, 0};
    lines = body();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "G0 Z0.500 W0.500"), 2 + 6);
}

TEST_F(ManualProgramTest, MarkersAndSideStarts)
{
    gs.cutatonce = 1;
    useVariant(1);
    auto lines = body();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[Next Post"), 1) << "variant 1 leaves the bracket open";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "T1"), 0) << "no tool line";

    gs.cutatonce = 2;
    useVariant(3);
    job.sides = 2;
    lines = body();
    const auto flip = std::find(lines.begin(), lines.end(), "G4 [Flip Post]");
    ASSERT_NE(flip, lines.end());
    EXPECT_EQ(*(flip + 1), "m3");
    EXPECT_EQ(*(flip + 2), "G0 Z0.500 W0.500") << "variant 3 brings the heads up at the start of side 2";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[Next Post]"), 4);
}

TEST_F(ManualProgramTest, VaryingDepthSpreadsOverTheFilledSlots)
{
    gs.cutstyle = 1;
    gs.depth = 0.5f;
    gs.maxdepth = 1.0f;
    gs.cutatonce = 2;
    expectMatchesGolden("programs/manual/varying-depth.tap", program());
    std::vector<std::string> plunges;
    for (const std::string& line : body()) {
        if (line.rfind("G1 Z", 0) == 0)
            plunges.push_back(line);
    }
    EXPECT_EQ(plunges, (std::vector<std::string>{"G1 Z-0.500 W-0.500", "G1 Z-1.000 W-1.000", "G1 Z-0.500 W-0.500",
                                                 "G1 Z-1.000 W-1.000"}));

    job.placedHoles[0][2] = PlacedHole{};
    plunges.clear();
    for (const std::string& line : body()) {
        if (line.rfind("G1 Z", 0) == 0)
            plunges.push_back(line);
    }
    EXPECT_EQ(plunges, (std::vector<std::string>(2, "G1 Z-0.500 W-0.500"))) << "one filled slot: no step";
}

TEST_F(ManualProgramTest, VariantFourLeavesTheStoredOffsetsAlone)
{
    useVariant(4);
    job.offsetOn = {1, 1};
    const std::string first = program();
    EXPECT_EQ(job.placedHoles[0][0].offset, 0.5f);
    EXPECT_EQ(job.placedHoles[0][2].offset, -0.25f);
    EXPECT_EQ(program(), first);
}
