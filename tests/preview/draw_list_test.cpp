#include "preview/draw_list.h"

#include "preview/preview_state.h"
#include "settings/settings.h"
#include "settings/files.h"
#include "support/small_file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

class DrawListTest : public HomeDirTest {
protected:
    void SetUp() override
    {
        HomeDirTest::SetUp();
        resetPreview();
    }
    void TearDown() override
    {
        resetPreview();
        HomeDirTest::TearDown();
    }
    DrawList list;
};

TEST(DrawRecordImage, IsFortyLittleEndianBytesInFieldOrder)
{
    DrawRecord r{kCounterClockwiseArc, 1.5f, -2, 0, 3, 4, 0, 7, 8, 0x01020304};
    const DrawRecordImage image = encodeDrawRecord(r);
    EXPECT_EQ(image[0], 4);
    EXPECT_EQ(image[1], 0);
    // 1.5f is 0x3FC00000
    EXPECT_EQ(image[4], 0x00);
    EXPECT_EQ(image[6], 0xC0);
    EXPECT_EQ(image[7], 0x3F);
    EXPECT_EQ(image[36], 0x04);
    EXPECT_EQ(image[39], 0x01);
    const DrawRecord back = decodeDrawRecord(image);
    EXPECT_EQ(back.kind, r.kind);
    EXPECT_EQ(back.x1, 1.5f);
    EXPECT_EQ(back.y1, -2.0f);
    EXPECT_EQ(back.cx, 7.0f);
    EXPECT_EQ(back.cy, 8.0f);
    EXPECT_EQ(back.pen, r.pen);
}

TEST_F(DrawListTest, RecordsGoToTheFileAndReadBackInOrder)
{
    list.Restart();
    list.AddRecord(kLine, 1, {0, 0, 0, 9}, {1, 2, 0, 10});
    list.AddRecord(kClockwiseArc, 3, {4, 5, 0, 6}, {7, 8, 0, 9});
    EXPECT_EQ(list.GetCount(), 2);
    list.flush(); // as every fit does
    EXPECT_EQ(home.read(kDrawListFileName).size(), 80u);

    DrawRecord r;
    list.RewindForReplay();
    ASSERT_TRUE(list.ReadRecord(1, r));
    EXPECT_EQ(r.kind, kClockwiseArc);
    EXPECT_EQ(r.cx, 6.0f) << "the start's fourth value is the centre's X";
    EXPECT_EQ(r.cy, 9.0f);
    EXPECT_FALSE(list.ReadRecord(2, r)) << "past the end";

    list.RewindForReplay();
    ASSERT_TRUE(list.ReadRecord(0, r));
    EXPECT_EQ(r.pen, 1);
    ASSERT_TRUE(list.ReadRecord(1, r)) << "reads on without seeking";
    EXPECT_EQ(r.pen, 3);

    list.Restart();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(home.read(kDrawListFileName).size(), 0u) << "Restart empties the file";
}

TEST_F(DrawListTest, WithoutAFileRecordsAreDropped)
{
    homeDir = home.file("no-such-folder");
    list.Restart();
    EXPECT_FALSE(list.isOpen());
    list.AddRecord(kLine, 0, {0, 0, 0, 0}, {1, 1, 0, 0});
    EXPECT_EQ(list.GetCount(), 0);
    DrawRecord r;
    EXPECT_FALSE(list.ReadRecord(0, r));
}

TEST_F(DrawListTest, BoundsMergeTheDrawingWithTheHomeWindowInWholeUnits)
{
    const HomeWindow window{0, 0, 20, 30, 1};
    list.Restart();
    EXPECT_EQ(list.GetBounds(window).maxX, 20) << "an empty list gives the home window";
    list.AddRecord(kLine, 0, {-0.4f, 5, 0, 0}, {23.7f, 12, 0, 0});
    const DrawBounds b = list.GetBounds(window);
    EXPECT_EQ(b.minX, 0);
    EXPECT_EQ(b.maxX, 23);
    EXPECT_EQ(b.minY, 0);
    EXPECT_EQ(b.maxY, 30);
    list.AddRecord(kLine, 0, {-7.9f, -3.5f, 0, 0}, {0, 0, 0, 0});
    EXPECT_EQ(list.GetBounds(window).minX, -7) << "truncated toward zero";
    EXPECT_EQ(list.GetBounds(window).minY, -3);
    // Arc centres take no part.
    list.AddRecord(kClockwiseArc, 0, {1, 1, 0, 500}, {2, 2, 0, 500});
    EXPECT_EQ(list.GetBounds(window).maxX, 23);
}

TEST(TruncateToInt, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(truncateToInt(23.7f), 23);
    EXPECT_EQ(truncateToInt(-0.4f), 0);
    EXPECT_EQ(truncateToInt(1e12f), INT_MAX);
    EXPECT_EQ(truncateToInt(-1e12f), INT_MIN);
    EXPECT_EQ(truncateToInt(NAN), 0);
}

} // namespace

// The draw list is a scratch file rewritten at every redraw: a failed write is named with its
// reason, and only the records that reached the file are counted, so the preview never reads
// past them.
TEST_F(DrawListTest, AFailedWriteIsNamedAndOnlyWholeRecordsCount)
{
    list.setFolder(home.file("gone"));
    list.Restart();
    EXPECT_EQ(list.failure(), joinPath(home.file("gone"), "fdraw.tmp") + " : No such file or directory");
    list.AddRecord(kLine, 1, {0, 0, 0, 0}, {1, 1, 0, 0});
    EXPECT_EQ(list.GetCount(), 0);

    SmallFileSystem disk;
    SKIP_WITHOUT_SMALL_FILE_SYSTEM(disk);
    list.setFolder(disk.path());
    list.Restart();
    EXPECT_EQ(list.failure(), "");
    list.AddRecord(kLine, 1, {0, 0, 0, 0}, {1, 1, 0, 0});
    list.flush(); // the first record reaches the file before the disk is full
    disk.fill();
    for (int i = 0; i < 400; ++i)
        list.AddRecord(kLine, 1, {0, 0, 0, 0}, {2, 2, 0, 0});
    list.flush();
    EXPECT_EQ(list.failure(), disk.file("fdraw.tmp") + " : No space left on device");
    EXPECT_GE(list.GetCount(), 1);
    DrawRecord r;
    list.RewindForReplay();
    for (int i = 0; i < list.GetCount(); ++i)
        EXPECT_TRUE(list.ReadRecord(i, r)) << i;
}
