#include "gcode/run_checks.h"

#include "gcode/output/job_records.h"
#include "settings/settings.h"
#include "support/gcode_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
class RunChecksTest : public GcodeTest {
protected:
    void SetUp() override
    {
        GcodeTest::SetUp();
        useExampleMachine();
        feeds = {120, 30};
    }
    std::string failure(bool withFeeds)
    {
        messages.clear();
        const bool ok = checkSettings(gs, withFeeds ? std::optional<FeedRates>(feeds) : std::nullopt, messages);
        EXPECT_EQ(ok, messages.entries().empty());
        return ok ? "" : messages.texts().at(0);
    }
    // The job's feed rates.
    inline static FeedRates feeds;
};
} // namespace

TEST_F(RunChecksTest, ACompleteMachinePasses)
{
    EXPECT_EQ(failure(true), "");
}

// Each row breaks one more setting; the message is that of the first failing row in order.
TEST_F(RunChecksTest, SettingsAreCheckedInOrder)
{
    struct Row {
        std::function<void()> breakSetting;
        std::string message;
    };
    const std::vector<Row> rows = {
        {[] { gs.heads = 2; gs.headchars = "ZX"; },
         "Please specify an axis character for each vertical head\nunder the configuration tab"},
        {[] { gs.cutstyle = 1; gs.maxdepth = 0.5f; },
         "Maximum cutting depth must be greater than or equal to Minimum cutting depth."},
        {[] { gs.leadin = 0; }, "Please specify a lead in radius under the configuration tab."},
        {[] { gs.direction = 2; }, "Please specify a cutting style under the configuration tab."},
        {[] { gs.start = kUnsetCount; }, "Please specify where the machine homes under the configuration tab."},
        {[] { gs.cutatonce = 13; }, "Number of posts to cut at once cannot be more than 12."},
        {[] { gs.heads = 5; gs.headchars = "ZWVUT"; }, "Maximum allowable heads is 4."},
        {[] { feeds.plunge = 0; }, "Please specify a plunge feed rate under the configuration tab."},
        {[] { feeds.cut = kUnsetCount; }, "Please specify a cutting feed rate under the configuration tab."},
        {[] { gs.headchars = "ZWVU"; gs.heads = 4; gs.headchars = "ZW"; },
         "Please specify an axis character for each vertical head\nunder the configuration tab"},
        {[] { gs.heads = 0; }, "Please specify a number of vertical heads under the configuration tab"},
        {[] { gs.cutstyle = 1; gs.depth = 0.5f; gs.maxdepth = 0; },
         "Please specify a maximum depth to cut under the configuration tab"},
        {[] { gs.depth = kUnsetLength; }, "Please specify a minimum depth to cut under the configuration tab"},
        {[] { gs.cutstyle = 0; gs.depth = 0; }, "Please specify a depth to cut under the configuration tab"},
        {[] { gs.clearance = 0; }, "Please specify a clearance distance under the configuration tab"},
        {[] { gs.bit = -0.25f; }, "Please select a bit type under the configuration tab."},
        {[] { gs.cutatonce = kUnsetCount; },
         "Please specify the number of posts to cut at once under the configuration tab."},
        {[] { gs.exit = kUnsetLength; }, "Please specify an exit radius under the configuration tab."},
        {[] { gs.leadin = kUnsetLength; }, "Please specify a lead in radius under the configuration tab."},
    };
    for (const Row& row : rows) {
        row.breakSetting();
        EXPECT_EQ(failure(true), row.message);
    }
}

TEST_F(RunChecksTest, FeedRatesAreCheckedOnlyWhenAsked)
{
    feeds = {0, 0};
    EXPECT_EQ(failure(false), "");
    gs.start = 0;
    gs.direction = 1;
    gs.cutstyle = 1;
    gs.depth = -0.5f;
    gs.maxdepth = -0.25f;
    EXPECT_EQ(failure(false), "") << "negative depths pass";
}

TEST_F(RunChecksTest, HoleGeometry)
{
    gs.leadin = 0.5f;
    gs.exit = 0.5f;
    EXPECT_TRUE(checkHoleGeometry(HoleRecord{"", 4, 1, 0.5f, 0}, gs, "", messages)) << "equality passes";
    EXPECT_FALSE(checkHoleGeometry(HoleRecord{"", 4, 1, 0.5001f, 0}, gs, "", messages));
    EXPECT_FALSE(checkHoleGeometry(HoleRecord{"", 4, 0.9f, 0.25f, 0}, gs, ", side one.", messages));
    gs.leadin = 0.25f;
    EXPECT_FALSE(checkHoleGeometry(HoleRecord{"", 4, 0.9f, 0.25f, 0}, gs, ", side two.", messages));
    EXPECT_FALSE(checkHoleGeometry(HoleRecord{"", 0.4f, 1, 0.1f, 0}, gs, "", messages));
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Hole Radius Error", "Lead in Arc Radius Error, side one.",
                                                          "Exit Arc Radius Error, side two.",
                                                          "Lead in Arc Radius Error"}));

    messages.clear();
    gs.leadin = gs.exit = 0.25f;
    EXPECT_FALSE(checkHoleGeometry(HoleRecord{"", 3, 4, 1.6f, 0}, gs, "", messages));
    EXPECT_TRUE(checkHoleGeometry(3.3f, 4, 1.6f, gs, "", messages)) << "a stretched length is checked as given";
}
