#include "gcode/job_list.h"

#include "settings/files.h"
#include "settings/settings.h"
#include "setupfile/current_tap_file.h"
#include "support/gcode_fixture.h"

#include <gtest/gtest.h>

namespace {
class JobListTest : public GcodeTest {
protected:
    void SetUp() override
    {
        GcodeTest::SetUp();
        gs.path = "/shop/tap";
        gs.autopath = home.path();
        filename = "Post.tap";
        gs.cutatonce = 2;
        gs.heads = 2;
    }
};
} // namespace

TEST_F(JobListTest, NamesTheProgramWithTheCountsOfTheRun)
{
    totalPosts = 24;
    ASSERT_TRUE(writeJobList(2, messages));
    EXPECT_EQ(home.read("jobs.tap"), "L203 \"" + joinPath("/shop/tap", "Post.tap") + "\" T24 C4 S2");

    totalPosts = 0;
    ASSERT_TRUE(writeJobList(2, messages));
    EXPECT_EQ(home.read("jobs.tap"), "L203 \"" + joinPath("/shop/tap", "Post.tap") + "\"")
        << "a second run leaves one line, without the counts when no total was given";
}

TEST_F(JobListTest, UnwritableFolderIsReported)
{
    gs.autopath = home.file("missing");
    EXPECT_FALSE(writeJobList(1, messages));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Please check the path under the configuration tab\n" +
                                                         home.file("missing/jobs.tap") + " : No such file or directory"});
}
