#include "gcode/job_list.h"

#include "settings/files.h"
#include "settings/settings.h"
#include "support/gcode_fixture.h"

#include <gtest/gtest.h>

namespace {
class JobListTest : public GcodeTest {
protected:
    void SetUp() override
    {
        GcodeTest::SetUp();
        gs.autopath = home.path();
        gs.cutatonce = 2;
        gs.heads = 2;
    }
    const std::string program = joinPath("/shop/tap", "Post.tap");
};
} // namespace

TEST_F(JobListTest, NamesTheProgramWithTheCountsOfTheRun)
{
    ASSERT_TRUE(writeJobList(program, 2, 24, gs, messages));
    EXPECT_EQ(home.read("jobs.tap"), "L203 \"" + program + "\" T24 C4 S2");

    ASSERT_TRUE(writeJobList(program, 2, 0, gs, messages));
    EXPECT_EQ(home.read("jobs.tap"), "L203 \"" + program + "\"")
        << "a second run leaves one line, without the counts when no total was given";
}

TEST_F(JobListTest, UnwritableFolderIsReported)
{
    gs.autopath = home.file("missing");
    EXPECT_FALSE(writeJobList(program, 1, 0, gs, messages));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Please check the path under the configuration tab\n" +
                                                         joinPath(home.file("missing"), "jobs.tap") + " : No such file or directory"});
}
