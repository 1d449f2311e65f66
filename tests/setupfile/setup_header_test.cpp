#include "setupfile/setup_reader.h"
#include "setupfile/setup_writer.h"

#include "settings/files.h"
#include "settings/settings.h"
#include "setupfile/load_state.h"
#include "support/gcode_fixture.h"
#include "support/golden.h"

#include <gtest/gtest.h>

namespace {

class SetupHeaderTest : public GcodeTest {
protected:
    void SetUp() override
    {
        GcodeTest::SetUp();
        useExampleMachine();
        gs.cutatonce = 4;
        gs.heads = 2;
        gs.headchars = "zw";
        gs.bitname = "1/2 upcut";
        gs.cutstyle = 1;
        gs.maxdepth = 1.5f;
        gs.autozoom = 1;
    }

    // Writes the text as a tap file and reads its header back over the shop's settings.
    bool readBack(const std::string& text)
    {
        home.write("Job.tap", text);
        const Settings shop = gs;
        const bool read = readSetupHeader(home.file("Job.tap"), gs, header, messages);
        EXPECT_EQ(gs.clearance, shop.clearance) << "the shop's settings stay as they were";
        EXPECT_EQ(gs.headchars, shop.headchars);
        return read;
    }

    LoadedHeader header;

    static PostJob postJobToRecord()
    {
        PostJob job = examplePostJob();
        job.sides = 2;
        job.materialName = "Vinyl 5x5";
        job.holeName = {"Rail 4x1.5", "Rail 3x1"};
        job.side[0] = {6.5f, 2.25f, 3, 1, kUnsetLength, 1};
        gs.autopostoffset = 0.375f;
        job.side[1] = {7, 3, 2, 1, -0.25f, 0};
        return job;
    }
};

// Above the largest float.
const std::string kBeyondFloat = "1" + std::string(39, '0');

// The machine of the fixture with the feed rates 150 and 40.
RunContext run(int display)
{
    RunContext context = shopRun(display);
    context.feeds = {150, 40};
    return context;
}

std::string postHeader(const PostJob& job, int display)
{
    ProgramOutput out;
    writePostSetup(out, job, run(display));
    return out.bytes();
}

} // namespace

TEST_F(SetupHeaderTest, PostHeaderLines)
{
    const std::vector<std::string> expected = {
        "[File Created by Korvanta Software]",
        "",
        "[screen=Post",
        "[materialname=n\"Vinyl 5x5\"",
        "[side0holename=h\"Rail 4x1.5\"",
        "[config=c0.500 d0.750  v2 a\"zw\" x10.000 y40.000 z1",
        "[side1holename=h\"Rail 3x1\"",
        "[configback= d7.000 s3.000 n2 o1 a-0.250 l0",
        "[config1=n4 f150 p40 l0.250 e0.125 x0.000 y0.000 h1 s1 o100000000.000",
        "[config2=b\"1/2 upcut\" o0 c1 r1",
        "[post= d6.500 s2.250 h3 o1 a0.375 l1 c2",
    };
    gs.repeat = 0;
    EXPECT_EQ(linesOf(postHeader(postJobToRecord(), 0)), expected);
    EXPECT_EQ(gs.repeat, 0) << "the several-posts flag follows the posts cut at once, and writing changes no setting";
}

TEST_F(SetupHeaderTest, UnsetPatternItemsAreLeftOut)
{
    PostJob job = examplePostJob();
    job.side[0] = PatternSide{};
    gs.cutatonce = 1;
    const auto lines = linesOf(postHeader(job, 1));
    EXPECT_EQ(lines[7], "[configback= o0 l0");
    EXPECT_EQ(lines[9], "[config2=b\"1/2 upcut\" o1 c1 r0");
    EXPECT_EQ(lines[10], "[post= o0 l0 c1");
}

TEST_F(SetupHeaderTest, PostHeaderReadsBackIntoSettingsJobAndHoldingFields)
{
    const std::string written = postHeader(postJobToRecord(), 0) + "G90\r\n[Next Post]\r\nG1 X1.000 \r\n";
    resetSettings();
    resetJobs();
    homeDir = home.path();
    gs.path = home.path();
    ASSERT_TRUE(readBack(written));
    EXPECT_TRUE(messages.entries().empty());
    const Settings& read = header.settings;

    EXPECT_FLOAT_EQ(read.clearance, 0.5f);
    EXPECT_FLOAT_EQ(read.depth, 0.75f);
    EXPECT_EQ(read.heads, 2);
    EXPECT_EQ(read.headchars, "ZW");
    EXPECT_FLOAT_EQ(read.spos[0], 10);
    EXPECT_FLOAT_EQ(read.startpos.y, 40);
    EXPECT_EQ(read.autozoom, 1);
    EXPECT_EQ(read.cutatonce, 4);
    EXPECT_EQ(header.feeds.cut, 150);
    EXPECT_EQ(header.feeds.plunge, 40);
    EXPECT_FLOAT_EQ(read.leadin, 0.25f);
    EXPECT_FLOAT_EQ(read.exit, 0.125f);
    EXPECT_EQ(read.start, 1);
    EXPECT_EQ(read.direction, 1);
    EXPECT_FLOAT_EQ(read.spare[0], kUnsetLength);
    EXPECT_EQ(read.bitname, "1/2 UPCUT");
    EXPECT_EQ(read.cutstyle, 1);
    EXPECT_EQ(header.display, 0);
    EXPECT_EQ(header.sides, 2);

    EXPECT_EQ(holding.materialName, "VINYL 5X5");
    EXPECT_EQ(holding.side1HoleName, "RAIL 4X1.5");
    EXPECT_FLOAT_EQ(holding.side[0].distanceFromTop, 6.5f);
    EXPECT_FLOAT_EQ(holding.side[0].spacing, 2.25f);
    EXPECT_EQ(holding.side[0].holeCount, 3);
    EXPECT_EQ(holding.side[0].useOffsetting, 1);
    EXPECT_FLOAT_EQ(holding.side[0].offsetAmount, 0.375f);
    EXPECT_EQ(holding.side[0].alternateOffset, 1);

    EXPECT_EQ(postJob.holeName[1], "RAIL 3X1");
    EXPECT_FLOAT_EQ(postJob.side[1].distanceFromTop, 7);
    EXPECT_FLOAT_EQ(postJob.side[1].spacing, 3);
    EXPECT_EQ(postJob.side[1].holeCount, 2);
    EXPECT_EQ(holding.side[1].useOffsetting, 1);
    EXPECT_FLOAT_EQ(holding.side[1].offsetAmount, -0.25f);
    EXPECT_EQ(holding.side[1].alternateOffset, 0);
}

TEST_F(SetupHeaderTest, ManualHeaderAndPreambleRoundTrip)
{
    ManualJob job;
    job.sides = 2;
    job.material = MaterialRecord{"Cedar 4x4", 72, 3.5f, 0, 3.5f, 0, 0};
    job.offsetOn = {1, 0};
    job.placedHoles[0][0] = {HoleRecord{"Rail A", 4, 1.5f, 0.5f, 0}, 6, 0.75f};
    job.placedHoles[0][2] = {HoleRecord{"Rail B", 3, 1.5f, 0.5f, 0}, kUnsetLength, -0.5f};
    job.placedHoles[1][999] = {HoleRecord{"Rail A", 4, 1.5f, 0.5f, 0}, 10, 0};
    ProgramOutput out;
    writeManualSetup(out, job, run(1));
    expectMatchesGolden("headers/manual.tap", out.bytes());
    const auto lines = linesOf(out.bytes());
    EXPECT_EQ(lines[3], "[config=n\"Cedar 4x4\" c0.500 d0.750 v2 a\"zw\" x10.000 y40.000 z1");
    EXPECT_EQ(lines[4], "[config1=n4 f150 p40 l0.250 e0.125 x0.000 y0.000 h1 s1 o1 t0");
    EXPECT_EQ(lines[5], "[config2=b\"1/2 upcut\" s2 o1 c1 r1");
    EXPECT_EQ(lines[6], "[side0hole1=h\"Rail A\" s6.000 o0.750");
    EXPECT_EQ(lines[7], "[side0hole3=h\"Rail B\" s0.000 o-0.500");
    EXPECT_EQ(lines[8], "[side1hole1000=h\"Rail A\" s10.000 o0.000");
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[10], "G90");
    EXPECT_EQ(lines[11], "G53");
    EXPECT_EQ(lines[12], "F150 XY");

    ASSERT_TRUE(readBack(out.bytes()));
    EXPECT_EQ(holding.materialName, "CEDAR 4X4");
    EXPECT_EQ(holding.manualOffsetOn, (std::array<int, 2>{1, 0}));
    EXPECT_EQ(header.sides, 2);
    EXPECT_EQ(header.display, 1);
    EXPECT_EQ(holding.manualHoles[0][0].name, "RAIL A");
    EXPECT_FLOAT_EQ(holding.manualHoles[0][0].spacing, 6);
    EXPECT_FLOAT_EQ(holding.manualHoles[0][2].offset, -0.5f);
    EXPECT_TRUE(holding.manualHoles[0][1].name.empty());
    EXPECT_EQ(holding.manualHoles[1][999].name, "RAIL A");
}

TEST_F(SetupHeaderTest, RailHeaderLeavesOutUnsetItemsAndReadsBack)
{
    RailJob job;
    job.sides = 1;
    job.materialName = "Rail 2x6";
    job.holeName = {"Slot A", ""};
    job.side[0].distanceFromTop = 2;
    job.side[0].spacing = 1.5f;
    job.side[0].holeCount = 4;
    job.side[0].distanceFromBottom = 3.25f;
    job.run = 12;
    job.rise = 3;
    gs.railoffset = kUnsetLength;
    gs.endpos.y = kUnsetLength;
    ProgramOutput out;
    writeRailSetup(out, job, run(0));
    const auto lines = linesOf(out.bytes());
    EXPECT_EQ(lines[5], "[config=c0.500 d0.750 v2 a\"zw\" x10.000 y40.000 z1");
    EXPECT_EQ(lines[6], "[config1= n4 f150 p40 l0.250 e0.125 x0.000 h1 s1");
    EXPECT_EQ(lines[7], "[config2=b\"1/2 upcut\" o0 c1 r1");
    EXPECT_EQ(lines[8], "[side1holename=h\"\"");
    EXPECT_EQ(lines[9], "[configback= o0 l0");
    EXPECT_EQ(lines[10], "[post= t2.000 s1.500 h4 b3.250 o0 l0 d12.000 r3.000 c1");

    ASSERT_TRUE(readBack(out.bytes()));
    EXPECT_EQ(railJob.materialName, "RAIL 2X6");
    EXPECT_EQ(railJob.holeName[0], "SLOT A");
    EXPECT_FLOAT_EQ(holding.side[0].distanceFromTop, 2);
    EXPECT_FLOAT_EQ(holding.distanceFromBottom, 3.25f);
    EXPECT_FLOAT_EQ(holding.run, 12);
    EXPECT_FLOAT_EQ(holding.rise, 3);
    EXPECT_FLOAT_EQ(holding.side[0].offsetAmount, kUnsetLength);
}

TEST_F(SetupHeaderTest, ScreenRecognition)
{
    struct Case {
        const char* text;
        PageId screen;
    };
    const Case cases[] = {
        {"[File Created by Korvanta Software]\n\n[screen=Post\n", PageId::Posts},
        {"[screen=Manual\r\n", PageId::Manual},
        {"[screen=MANUFACTURED\n", PageId::Manual},
        {"[screen=Gate\n[screen=Rail\n", PageId::Rails},
        {"[config=c1\n[screen=Post\n", PageId::None},
        {"G90\n[Next Post]\n[screen=Post\n", PageId::Posts},
        {"\t[screen=Post\n", PageId::None},
        {"", PageId::None},
        {"[screen=Post", PageId::Posts},
    };
    for (const Case& c : cases) {
        home.write("Job.tap", c.text);
        PageId screen = PageId::Configurations;
        ASSERT_TRUE(readTapFileScreen(home.file("Job.tap"), screen));
        EXPECT_EQ(screen, c.screen) << c.text;
    }
    PageId screen = PageId::None;
    EXPECT_FALSE(readTapFileScreen(home.file("missing.tap"), screen));
}

TEST_F(SetupHeaderTest, LinesTheFormDoesNotAcceptStopTheRead)
{
    const std::string error = "Error reading " + home.file("Job.tap");
    const std::string texts[] = {"[screen=Post\n[side0hole1=h\"A\"\n", "[screen=Post\n[screen=Post\n",
                                 "[screen=Manual\n[side0hole1001=h\"A\"\n", "[screen=Manual\n[side0hole01=h\"A\"\n",
                                 "[screen=Rail\n[config =c1\n", "[screen=Manual\n[materialname=n\"A\"\n",
                                 "[screen=Rail\n[config=c\"1e39\"\n", "[screen=Post\n[post=h" + kBeyondFloat + "\n",
                                 "[screen=Manual\n[side0hole1=s" + kBeyondFloat + "\n"};
    for (const std::string& text : texts) {
        messages.clear();
        EXPECT_FALSE(readBack(text)) << text;
        ASSERT_EQ(messages.entries().size(), 1u) << text;
        EXPECT_EQ(messages.entries()[0].text, error);
        EXPECT_EQ(messages.entries()[0].icon, MessageIcon::Error);
    }
}

TEST_F(SetupHeaderTest, ValuesStoredBeforeABadLineStay)
{
    EXPECT_FALSE(readBack("[screen=Post\n[config=c2.5\n[bogus=1\n[config=c9\n"));
    EXPECT_FLOAT_EQ(header.settings.clearance, 2.5f);
    EXPECT_FALSE(readBack("[screen=Post\n[config=c9 d" + kBeyondFloat + "\n"));
    EXPECT_FLOAT_EQ(header.settings.clearance, 0.5f) << "a line too large for a float stores none of its items";
}

// A header edited by hand with more decimals than the writer records: Save after Load then cuts
// what its own header says, and the program regenerates to itself.
TEST_F(SetupHeaderTest, LengthsAreTakenAtTheThreeDecimalsAHeaderRecords)
{
    ASSERT_TRUE(readBack("[screen=Rail\n[config1=e0.1225 l0.0004\n[config=c-2.3456 d100000000\n"));
    EXPECT_EQ(header.settings.exit, 0.123f);
    EXPECT_EQ(header.settings.leadin, 0.0f);
    EXPECT_EQ(header.settings.clearance, -2.346f);
    EXPECT_EQ(header.settings.depth, 100000000.0f);
}

TEST_F(SetupHeaderTest, ItemParsingQuirks)
{
    ASSERT_TRUE(readBack("[screen=Rail\n[config1=n3 h0\n"));
    EXPECT_EQ(header.settings.cutatonce, 3);
    EXPECT_EQ(header.settings.start, 0);
    EXPECT_FLOAT_EQ(header.settings.leadin, 0.25f) << "absent items leave their settings";

    ASSERT_TRUE(readBack("[screen=Post\n[config1=l1.5e3\n[materialname=n\"NEVER CLOSED\n"));
    EXPECT_FLOAT_EQ(header.settings.leadin, 1.5f);
    EXPECT_FLOAT_EQ(header.settings.exit, 3) << "the e of an exponent is read as the exit radius";
    EXPECT_EQ(holding.materialName, "NEVER CLOSED");

    ASSERT_TRUE(readBack("[screen=Post\n[config=c1 q5 d9\n"));
    EXPECT_FLOAT_EQ(header.settings.depth, 0.75f) << "an unlisted letter ends the line's parsing";
}

TEST_F(SetupHeaderTest, AnyBytesAreTakenSafely)
{
    EXPECT_FALSE(readBack("")) << "an empty file is not a Korvanta file";
    EXPECT_EQ(messages.texts().back(), "File Not Created By Korvanta Software");

    std::string longLine = "[screen=Post\n[config=c1 " + std::string(600, ' ') + "d2\n";
    EXPECT_TRUE(readBack(longLine)) << "the rest of a long line is skipped";
    EXPECT_TRUE(readBack("[screen=Post\r[config=c2.5\r" + std::string(16 << 20, 'x')))
        << "a lone CR ends a line, and a long line without an end is read at once";
    EXPECT_EQ(header.settings.clearance, 2.5f);
    const std::string tail = "[screen=Post\n[materialname=n\"" + std::string(300, 'M') + "[bogus=1\n";
    EXPECT_TRUE(readBack(tail)) << "a long line's tail is not read as a line of its own";

    std::string garbage = "[screen=Manual\n";
    for (int i = 0; i < 5000; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    readBack(garbage);
    readBack(std::string("[screen=Post\n[config=c1\0d2\n", 26));
}

TEST_F(SetupHeaderTest, FilesWithoutTheHeaderMessage)
{
    EXPECT_FALSE(readSetupHeader(home.file("missing.tap"), gs, header, messages));
    EXPECT_TRUE(messages.entries().empty()) << "a file that cannot be opened gives no message";
}
