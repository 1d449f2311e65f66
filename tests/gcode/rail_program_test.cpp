#include "gcode/pattern_program.h"

#include "settings/settings.h"
#include "support/gcode_fixture.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class RailProgramTest : public GcodeTest {
protected:
    void SetUp() override
    {
        GcodeTest::SetUp();
        useTwoHeadMachine(); // its tool number is never written in a rail program
        gs.cutatonce = 2;
        job.material = MaterialRecord{"RAIL 2X6", 48, 5, 2, 3.5f, 0, 0};
        job.materialName = job.material.name;
        job.holeType = {HoleRecord{"SLOT 4", 4, 1.5f, 0.5f, 0}, HoleRecord{"SLOT 3", 3, 1, 0.375f, 0}};
        job.holeName = {"SLOT 4", "SLOT 3"};
        job.side[0].distanceFromTop = 6;
        job.side[0].spacing = 2;
        job.side[0].holeCount = 3;
        job.side[1].distanceFromTop = 8;
        job.side[1].spacing = 3;
        job.side[1].holeCount = 2;
        gs.railoffset = kUnsetLength;
    }

    std::string program()
    {
        ProgramOutput out;
        writeRailProgramTo(out, job, shopRun(0, slope));
        return out.bytes();
    }

    std::vector<std::string> body() { return bodyLines(program()); }

    RailJob job;
    RailSlope slope;
};

} // namespace

TEST_F(RailProgramTest, EveryVariantWithOneAndBothSides)
{
    for (int variant = 1; variant <= 4; ++variant) {
        for (int sides = 1; sides <= 2; ++sides) {
            useVariant(variant);
            job.sides = sides;
            gs.railoffset = kUnsetLength;
            expectMatchesGolden("programs/rail/v" + std::to_string(variant) + "-sides" + std::to_string(sides) + ".tap",
                                program());
        }
    }
}

TEST_F(RailProgramTest, PreambleMarkersAndFirstFlags)
{
    useVariant(1);
    const auto lines = body();
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6),
              (std::vector<std::string>{"G90", "G53", "F120 XY", "F30 ZW", "G92.1 Z3.500 W3.500", "m3"}));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "T1"), 0);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[Top Normal"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[Next Rail]"), 2);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "G0 Z0.500 W0.500"), 2 + 6) << "one clearance per rail start";

    useVariant(4);
    const auto v4 = body();
    EXPECT_EQ(std::count(v4.begin(), v4.end(), "G0 Z0.500 W0.500"), 2 + 6) << "no exception in variant 4";
}

TEST_F(RailProgramTest, FlipAndEndBlocks)
{
    job.sides = 2;
    useVariant(4);
    auto lines = body();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "G4 [Flip Rail]"), lines.end());

    useVariant(3);
    lines = body();
    const auto flip = std::find(lines.begin(), lines.end(), "G4 [Flip Post]");
    ASSERT_NE(flip, lines.end());
    EXPECT_EQ(std::vector<std::string>(flip + 1, flip + 4), (std::vector<std::string>{"m5", "G53", "G0 X0.000 Y0.000 "}));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "G0 X0.000 Y0.000 "), 3) << "flip, and after each side";
}

TEST_F(RailProgramTest, SlopeStretchesHolesAndSpacing)
{
    useVariant(1);
    gs.cutatonce = 1;
    job.side[0].holeCount = 2;
    expectMatchesGolden("programs/rail/level.tap", program());
    // Rise 3 over run 4 on a rail 2 thick.
    slope = {1.25f, 1.5f};
    expectMatchesGolden("programs/rail/sloped.tap", program());
    const auto lines = body();
    // First hole: L' = 4 x 1.25 + 1.5 = 6.5 below the distance 6 from the top at 40, so its corner
    // is at 27.5 and the lead-in starts 0.5 above; the second hole one stretched spacing (2.5) and
    // one L' lower.
    EXPECT_EQ(lines[6], "[Top Normal");
    EXPECT_EQ(lines[7], "G0 X10.000 Y28.000 ");
    const auto second = std::find(lines.begin() + 8, lines.end(), "G0 X10.000 Y19.000 ");
    EXPECT_NE(second, lines.end());
}

TEST_F(RailProgramTest, SingleRailsAreMarkedToo)
{
    gs.cutatonce = 3;
    useVariant(1);
    expectMatchesGolden("programs/rail/three-rails.tap", program());
    const auto lines = body();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[Top Normal"), 2);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[Next Rail]"), 3);
    EXPECT_EQ(lines.back(), "G0 X0.000 Y0.000 ");
}

TEST_F(RailProgramTest, UnsetOffsetsBecomeZeroInVariantsThreeAndFour)
{
    job.sides = 2;
    for (int variant = 2; variant <= 3; ++variant) {
        useVariant(variant);
        const std::string composed = program();
        // Composing changes no setting and no job: the next Save records no offset either.
        EXPECT_EQ(gs.railoffset, kUnsetLength) << variant;
        EXPECT_EQ(job.side[1].offsetAmount, kUnsetLength) << variant;
        EXPECT_EQ(program(), composed) << variant;
        EXPECT_EQ(composed.find(" a0.000"), std::string::npos) << variant;
    }
}
