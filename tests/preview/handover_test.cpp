#include "preview/handover.h"

#include "preview/preview_state.h"
#include "recording_canvas.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

class HandoverTest : public HomeDirTest {
protected:
    void SetUp() override
    {
        HomeDirTest::SetUp();
        resetPreview();
        attachPreviewPane(&pane);
        gs.table = {0, 0, 48, 120, 1};
        previewView().setHomeFromTable(0, 0, 48, 120, 1);
    }
    void TearDown() override
    {
        resetPreview();
        HomeDirTest::TearDown();
    }
    std::vector<DrawRecord> records()
    {
        std::vector<DrawRecord> all;
        drawList().RewindForReplay();
        DrawRecord r;
        for (int i = 0; i < drawList().GetCount() && drawList().ReadRecord(i, r); ++i)
            all.push_back(r);
        return all;
    }
    static void expectLine(const DrawRecord& r, int pen, float x1, float y1, float x2, float y2)
    {
        EXPECT_EQ(r.kind, kLine);
        EXPECT_EQ(r.pen, pen);
        EXPECT_FLOAT_EQ(r.x1, x1);
        EXPECT_FLOAT_EQ(r.y1, y1);
        EXPECT_FLOAT_EQ(r.x2, x2);
        EXPECT_FLOAT_EQ(r.y2, y2);
    }
    FakePane pane;
};

TEST_F(HandoverTest, APageThatIsNotShownRecordsNothing)
{
    activePage = PageId::Posts;
    ClearPreview(PageId::Posts);
    PreviewLine(PageId::Posts, 0, 0, 0, 1, 1);
    FitPreview(PageId::Posts);
    const ViewWindow before = previewView().view();
    const int paints = pane.paints;

    for (PageId other : {PageId::Manual, PageId::Rails, PageId::Configurations, PageId::None}) {
        ClearPreview(other);
        PreviewLine(other, 0, 5, 5, 1, 1);
        PreviewLineBy(other, 0, 1, 1);
        DrawMaterialOutline(other, 0, 0, 500, 5, 1);
        DrawHoleOutline(other, 0, 1, 2, 3, 4);
        FitPreview(other);
    }
    EXPECT_EQ(drawList().GetCount(), 1);
    EXPECT_EQ(previewView().view().maxX, before.maxX);
    EXPECT_EQ(previewView().home().maxY, 120) << "the home window is not moved either";
    EXPECT_EQ(pane.paints, paints);

    activePage = PageId::None;
    ClearPreview(PageId::None);
    EXPECT_EQ(drawList().GetCount(), 1) << "no page is shown: nothing draws";
}

TEST_F(HandoverTest, MaterialOutlineIsARectangleFromItsOriginAndPostsFitsAfterIt)
{
    gs.autozoom = 1;
    activePage = PageId::Posts;
    ClearPreview(PageId::Posts);
    DrawMaterialOutline(PageId::Posts, 1, 6, 10, 4, 2); // side 2 shown apart: 1.5 widths over
    const auto r = records();
    ASSERT_EQ(r.size(), 4u);
    expectLine(r[0], 1, 6, 0, 6, 10);
    expectLine(r[1], 1, 6, 10, 10, 10);
    expectLine(r[2], 1, 10, 10, 10, 0);
    expectLine(r[3], 1, 10, 0, 6, 0);
    EXPECT_EQ(previewView().recordsToDraw(), 4) << "Posts fits after each outline";
}

TEST_F(HandoverTest, HoleOutlineHangsFromItsCentredTopEdge)
{
    activePage = PageId::Rails;
    ClearPreview(PageId::Rails);
    DrawHoleOutline(PageId::Rails, 0, 1.5f, 4, 2.5f, 70);
    const auto r = records();
    ASSERT_EQ(r.size(), 5u);
    expectLine(r[0], 0, 2.5f, 70, 1.75f, 70);
    expectLine(r[1], 0, 1.75f, 70, 1.75f, 66);
    expectLine(r[2], 0, 1.75f, 66, 3.25f, 66);
    expectLine(r[3], 0, 3.25f, 66, 3.25f, 70);
    expectLine(r[4], 0, 3.25f, 70, 2.5f, 70);
    EXPECT_EQ(previewView().recordsToDraw(), 5);
}

TEST_F(HandoverTest, ManualFitsOnlyWhenItAsks)
{
    gs.autozoom = 1;
    activePage = PageId::Manual;
    ClearPreview(PageId::Manual);
    DrawMaterialOutline(PageId::Manual, 0, 0, 10, 4, 1);
    DrawHoleOutline(PageId::Manual, 0, 1, 2, 2, 9);
    EXPECT_EQ(previewView().recordsToDraw(), 0);
    EXPECT_FLOAT_EQ(previewView().home().maxX, 5.8411217f);
    FitPreview(PageId::Manual);
    EXPECT_EQ(previewView().recordsToDraw(), 9);
}

struct HomeCase {
    const char* name;
    MaterialView material;
    bool autozoom;
    float x, y;
};

class HomeWindowCases : public ::testing::TestWithParam<HomeCase> {};

TEST_P(HomeWindowCases, FollowsTheMaterial)
{
    const HomeCase& c = GetParam();
    const HomeMaximum m = homeMaximumFor(c.material, c.autozoom, 48, 120);
    EXPECT_FLOAT_EQ(m.x, c.x);
    EXPECT_FLOAT_EQ(m.y, c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HomeWindowCases,
    ::testing::Values(
        HomeCase{"NoLengthUsesTheTable", {0, 4, 1, kPostsAspectRatio}, true, 48, 120},
        HomeCase{"AutozoomOffUsesTheTable", {10, 4, 1, kPostsAspectRatio}, false, 48, 120},
        HomeCase{"OneSidePosts", {10, 4, 1, kPostsAspectRatio}, true, 5.9f, 10},
        HomeCase{"OneSideManual", {10, 4, 1, kManualAspectRatio}, true, 5.8411217f, 10},
        HomeCase{"BothSidesWideFaces", {10, 4, 2, kPostsAspectRatio}, true, 10, 10 / 0.59f},
        HomeCase{"BothSidesLongPost", {72, 5, 2, kPostsAspectRatio}, true, 72 * 0.59f, 72}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
