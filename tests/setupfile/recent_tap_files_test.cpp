#include "setupfile/recent_tap_files.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using Paths = std::vector<std::string>;

TEST(RecentTapFilesTest, NewestFirstEachOnceAtMostEight)
{
    RecentTapFiles recent;
    for (const char* path : {"a", "b", "c", "b"})
        recent.add(path);
    EXPECT_EQ(recent.paths(), (Paths{"b", "c", "a"}));
    for (int k = 0; k < 10; ++k)
        recent.add(std::to_string(k));
    EXPECT_EQ(recent.paths(), (Paths{"9", "8", "7", "6", "5", "4", "3", "2"}));
}

TEST(RecentTapFilesTest, AStoredListKeepsItsOrderWithoutBlanksOrRepeats)
{
    const RecentTapFiles recent(Paths{"x", "", "y", "x", "1", "2", "3", "4", "5", "6", "7"});
    EXPECT_EQ(recent.paths(), (Paths{"x", "y", "1", "2", "3", "4", "5", "6"}));
}

TEST(RecentTapFilesTest, OnlyAMissingFileIsDropped)
{
    TempDir dir;
    dir.write("here.tap", "%");
    RecentTapFiles recent;
    recent.add(dir.file("gone.tap"));
    recent.add(dir.file("here.tap"));
    EXPECT_FALSE(recent.dropIfMissing(dir.file("here.tap")));
    EXPECT_TRUE(recent.dropIfMissing(dir.file("gone.tap")));
    EXPECT_EQ(recent.paths(), Paths{dir.file("here.tap")});
}
