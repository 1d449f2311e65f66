#include "gcode/pattern_program.h"

#include "settings/settings.h"
#include "gcode/checked_program.h"
#include "settings/files.h"
#include "support/gcode_fixture.h"
#include "support/golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

class PostProgramTest : public GcodeTest {
protected:
    void SetUp() override
    {
        GcodeTest::SetUp();
        useExampleMachine();
        job = examplePostJob();
    }

    // A richer job for the variant programs: three holes on side 1, two holes of another type on
    // side 2, two heads, a tool number, two posts per head.
    void useVariantJob(int variant, int sides, bool alternate)
    {
        useTwoHeadMachine();
        useVariant(variant);
        gs.cutatonce = 2;
        job.sides = sides;
        job.side[0].holeCount = 3;
        job.holeType[1] = HoleRecord{"RAIL 3X1", 3, 1, 0.375f, 0};
        job.holeName[1] = job.holeType[1].name;
        job.side[1].distanceFromTop = 8;
        job.side[1].spacing = 3;
        job.side[1].holeCount = 2;
        if (alternate) {
            for (int side = 0; side < 2; ++side) {
                job.side[side].useOffsetting = 1;
                job.side[side].alternateOffset = 1;
                job.offsetAmount(side) = side == 0 ? 0.5f : 0.25f;
            }
        }
    }

    std::string program()
    {
        ProgramOutput out;
        writePostProgramTo(out, job, shopRun(1));
        return out.bytes();
    }

    std::vector<std::string> programBody() { return bodyLines(program()); }

    // The program read back and saved as Post.tap in the settings' program folder, as Run saves it.
    bool save()
    {
        ProgramOutput out;
        writePostProgramTo(out, job, shopRun(1));
        return saveCheckedProgram(out, joinPath(gs.path, "Post.tap"), gs, messages);
    }
    PostJob job;
};

std::vector<std::string> plungeDepths(const std::vector<std::string>& lines)
{
    std::vector<std::string> depths;
    for (const std::string& line : lines) {
        if (line.rfind("G1 Z-", 0) == 0)
            depths.push_back(line.substr(5));
    }
    return depths;
}

} // namespace

// The complete example program after its setup header, line by line.
TEST_F(PostProgramTest, WorkedExample)
{
    const std::vector<std::string> expected = {
        "G90",
        "F120 XY",
        "F30 Z",
        "G92.1 Z3.500",
        "G53",
        "m3",
        "G0 X10.000 Y30.500 ",
        "G0 Z0.500",
        "G1 Z-0.750",
        "G2 X9.750 Y30.250 I-0.250 J0.000 ",
        "G2 X9.500 Y30.500 I0.000 J0.250 ",
        "G1 X9.500 Y33.500 ",
        "G2 X9.750 Y33.750 I0.250 J0.000 ",
        "G1 X10.250 ",
        "G2 X10.500 Y33.500 I0.000 J-0.250 ",
        "G1 Y30.500 ",
        "G2 X10.250 Y30.250 I-0.250 J0.000 ",
        "G1 X9.750 ",
        "G2 X9.500 Y30.500 I0.000 J0.250 ",
        "G2 X9.625 Y30.625 I0.125 J0.000 ",
        "G0 Z0.500",
        "m5",
        "G53",
        "G0 X0.000 Y0.000 ",
    };
    EXPECT_EQ(programBody(), expected);
}

TEST_F(PostProgramTest, EveryVariantWithOneAndBothSides)
{
    for (int variant = 1; variant <= 4; ++variant) {
        for (int sides = 1; sides <= 2; ++sides) {
            for (bool alternate : {false, true}) {
                SCOPED_TRACE("variant " + std::to_string(variant) + ", sides " + std::to_string(sides) +
                             (alternate ? ", alternate" : ""));
                job = examplePostJob();
                useVariantJob(variant, sides, alternate);
                expectMatchesGolden("programs/post/v" + std::to_string(variant) + "-sides" + std::to_string(sides) +
                                        (alternate ? "-alternate" : "") + ".tap",
                                    program());
            }
        }
    }
}

TEST_F(PostProgramTest, PostsCutAtOnce)
{
    for (int posts : {0, 1, 2, 3}) {
        gs.cutatonce = posts;
        job.side[0].holeCount = 2;
        expectMatchesGolden("programs/post/cutatonce-" + std::to_string(posts) + ".tap", program());
    }
    gs.cutatonce = 3;
    const auto body = programBody();
    EXPECT_EQ(std::count(body.begin(), body.end(), "[Next Post]"), 2);
    EXPECT_EQ(std::count(body.begin(), body.end(), "G0 Z0.500"), 2 * 3 + 3) << "one clearance per post start";
}

TEST_F(PostProgramTest, NumberedHeads)
{
    gs.heads = 2;
    gs.headchars = "12";
    const auto body = programBody();
    EXPECT_EQ(body[1], "F120 XY");
    EXPECT_EQ(body[2], "M12 C1 C2") << "no plunge feed and no G92.1 line for numbered heads";
    EXPECT_NE(std::find(body.begin(), body.end(), "M11 C1 C2"), body.end());
    expectMatchesGolden("programs/post/numbered-heads.tap", program());
}

TEST_F(PostProgramTest, FourHeadsWithEqualAndDifferingSpindleCommands)
{
    gs.heads = 4;
    gs.headchars = "ZWVU";
    job.sides = 2;
    job.side[1] = job.side[0];
    gs.start = 1;
    gs.direction = 0;
    expectMatchesGolden("programs/post/four-heads-equal.tap", program());
    auto body = programBody();
    EXPECT_EQ(std::count(body.begin(), body.end(), "m5"), 2) << "one off line at the flip and one at the end";

    gs.head1on = "m3.1";
    gs.head2on = "m3.2";
    gs.head3on = "m3.3";
    gs.head4on = "m3.4";
    expectMatchesGolden("programs/post/four-heads-differing.tap", program());
}

TEST_F(PostProgramTest, VaryingDepthRepeatsPerPost)
{
    gs.cutstyle = 1;
    gs.depth = 0.5f;
    gs.maxdepth = 1.1f;
    gs.cutatonce = 2;
    job.side[0].holeCount = 4;
    const std::vector<std::string> expected = {"0.500", "0.700", "0.900", "1.100", "0.500", "0.700", "0.900", "1.100"};
    EXPECT_EQ(plungeDepths(programBody()), expected);
    expectMatchesGolden("programs/post/varying-depth.tap", program());
}

TEST_F(PostProgramTest, VariantFourClearsEveryHoleOfTheFirstPostWithoutAlternateOffset)
{
    gs.start = 0;
    gs.direction = 0;
    gs.cutatonce = 2;
    job.side[0].holeCount = 3;
    const auto body = programBody();
    // Three first-post holes and the second post's first hole bring the heads up, plus every hole's end.
    EXPECT_EQ(std::count(body.begin(), body.end(), "G0 Z0.500"), 3 + 1 + 6);
}

TEST_F(PostProgramTest, UnknownDirectionWritesAnEmptyFile)
{
    gs.direction = 2;
    EXPECT_TRUE(save());
    EXPECT_EQ(home.read("Post.tap"), "");
}

TEST_F(PostProgramTest, FileWrittenWhole)
{
    ASSERT_TRUE(save());
    EXPECT_EQ(home.read("Post.tap"), program());
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(PostProgramTest, FailedWriteReportsAndKeepsTheOldProgram)
{
    home.write("Post.tap", "old");
    std::filesystem::create_directories(home.file("Post.tap.korvanta-tmp/blocked"));
    EXPECT_FALSE(save());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Please check the path under the configuration tab\n" +
                                                         home.file("Post.tap") + " : Is a directory"});
    EXPECT_EQ(home.read("Post.tap"), "old");

    gs.path = home.file("missing");
    EXPECT_FALSE(save());
}

TEST_F(PostProgramTest, AProgramThatFailsItsReadingBackIsNotWritten)
{
    home.write("Post.tap", "old");
    gs.table = {12, 0, 48, 120, 2}; // the post at X10 plunges beside the table
    gs.endpos = {-5, 0};             // parking beside it is no fault
    EXPECT_FALSE(save());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"The program failed its check at line 20: The path leaves the "
                                                         "machine table at X10.000 Y30.500."});
    EXPECT_EQ(home.read("Post.tap"), "old");
}

// Programs of machines the demo shop is not: each reads back clean, so Run writes it.
TEST_F(PostProgramTest, ProgramsOfOtherMachinesReadBackClean)
{
    // Four axis characters for a router that runs two heads today: the plunge rate's line names
    // all four, as the settings give them.
    useTwoHeadMachine();
    gs.headchars = "ZAUV";
    EXPECT_TRUE(save()) << messages.texts().at(0);
    EXPECT_NE(home.read("Post.tap").find("F30 ZAUV\r\n"), std::string::npos);

    // A round hole whose lead-in starts on the chord of one of its corner arcs.
    useExampleMachine();
    gs.leadin = 0.125f;
    job.holeType[0] = {"ROUND 1", 1, 1, 0.5f, 0};
    EXPECT_TRUE(save()) << messages.texts().at(0);
}

