#include "preview/preview_view.h"

#include "preview/preview_state.h"
#include "recording_canvas.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using Line = RecordingCanvas::Line;

class PreviewViewTest : public HomeDirTest {
protected:
    void SetUp() override
    {
        HomeDirTest::SetUp();
        resetPreview();
        attachPreviewPane(&pane);
        view().setHomeFromTable(0, 0, 10, 20, 0);
        view().ResetView();
        list().Restart();
    }
    void TearDown() override
    {
        resetPreview();
        HomeDirTest::TearDown();
    }
    static PreviewView& view() { return previewView(); }
    static DrawList& list() { return drawList(); }
    static void line(int pen, float x1, float y1, float x2, float y2)
    {
        list().AddRecord(kLine, pen, {x1, y1, 0, 0}, {x2, y2, 0, 0});
    }
    RecordingCanvas render()
    {
        RecordingCanvas canvas;
        view().Render(canvas);
        return canvas;
    }

    FakePane pane{100, 200};
};

TEST_F(PreviewViewTest, ResetShowsTheHomeWindowAtThePaneSize)
{
    view().setHomeFromTable(-2, -1, 10, 20, 0.5f);
    pane.size = PaneSize{120, 100};
    view().ResetView();
    EXPECT_EQ(view().view().minX, -2.5f);
    EXPECT_EQ(view().view().maxX, 10.5f);
    EXPECT_EQ(view().view().minY, -1.5f);
    EXPECT_EQ(view().view().maxY, 20.5f);
    EXPECT_EQ(view().imageSize().width, 120);
    EXPECT_FLOAT_EQ(view().scale(), 100 / 22.0f) << "the smaller of the two axes' scales";
    EXPECT_EQ(view().paintState(), PaintState::ToClear);
    EXPECT_EQ(view().recordsToDraw(), 0);
    EXPECT_EQ(pane.erasingPaints, 1) << "the old image is dropped";
}

TEST_F(PreviewViewTest, NoImageIsDrawnBeforeTheFirstReset)
{
    resetPreview();
    RecordingCanvas canvas;
    previewView().Render(canvas);
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_FALSE(previewView().hasImage());
}

struct ViewCase {
    const char* name;
    float x1, x2, y1, y2;
    bool taken;
};

class SetViewRules : public PreviewViewTest, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(SetViewRules, RefusedViewKeepsTheOldOne)
{
    const ViewCase& c = GetParam();
    view().setHomeFromTable(0, 0, 100, 100, 0);
    ASSERT_TRUE(view().SetView(1, 11, 2, 12));
    line(0, 1, 2, 5, 6);
    view().FitView(); // refused or not, this marks the record to draw
    ASSERT_TRUE(view().SetView(1, 11, 2, 12));
    render();
    ASSERT_EQ(view().recordsDrawn(), 1);

    EXPECT_EQ(view().SetView(c.x1, c.x2, c.y1, c.y2), c.taken);
    const ViewWindow v = view().view();
    if (c.taken) {
        EXPECT_EQ(v.minX, c.x1);
        EXPECT_EQ(v.maxY, c.y2);
        EXPECT_EQ(view().recordsDrawn(), 0) << "everything is drawn again";
        EXPECT_EQ(view().paintState(), PaintState::ToClear);
    } else {
        EXPECT_EQ(v.minX, 1);
        EXPECT_EQ(v.maxX, 11);
        EXPECT_EQ(v.minY, 2);
        EXPECT_EQ(v.maxY, 12);
        EXPECT_EQ(view().recordsDrawn(), 1);
        EXPECT_EQ(view().paintState(), PaintState::Cleared);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetViewRules,
    ::testing::Values(ViewCase{"NarrowerThanHalfAUnit", 0, 0.4f, 0, 20, false},
                      ViewCase{"LowerThanHalfAUnit", 0, 20, 5, 5.3f, false},
                      ViewCase{"HalfAUnitIsEnough", 0, 0.5f, 0, 0.5f, true},
                      ViewCase{"WiderThanTenHomeWindows", 0, 1001, 0, 10, false},
                      ViewCase{"HigherThanTenHomeWindows", 0, 10, -1, 1000.5f, false},
                      ViewCase{"TenHomeWindowsAreEnough", 0, 1000, 0, 1000, true},
                      ViewCase{"BeyondTenThousand", 9999.5f, 10000.5f, 0, 10, false},
                      ViewCase{"BelowMinusTenThousand", 0, 10, -10000.5f, -9999, false},
                      ViewCase{"AtTenThousand", -10000, -9990, 0, 10, true}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(PreviewViewTest, FitCoversTheDrawingAndTheHomeWindowWithTheMargin)
{
    view().setHomeFromTable(0, 0, 10, 20, 1);
    line(0, 2, -3.5f, 23.7f, 4);
    view().FitView();
    const ViewWindow v = view().view();
    EXPECT_EQ(v.minX, -1);
    EXPECT_EQ(v.maxX, 24) << "23.7 is taken as 23 before the margin";
    EXPECT_EQ(v.minY, -4);
    EXPECT_EQ(v.maxY, 21);
    EXPECT_EQ(view().recordsToDraw(), 1);
}

TEST_F(PreviewViewTest, RepaintAfterNewRecordsDrawsOnlyTheNewOnes)
{
    line(0, 1, 1, 5, 1);
    line(1, 1, 1, 1, 5);
    view().FitView();
    RecordingCanvas first = render();
    EXPECT_EQ(first.calls, (std::vector<std::string>{"fill 100x200", "pen 0", "pen 1"}));
    EXPECT_EQ(first.lines, (std::vector<Line>{{0, 10, 10, 50, 10}, {1, 10, 10, 10, 50}}));

    EXPECT_TRUE(render().calls.empty()) << "nothing new, nothing drawn";

    // This one reaches far beyond ten home windows: the fit is refused and the old view stays,
    // so the image is kept and only the new record is drawn onto it.
    line(0, 2, 2, 150, 2);
    view().FitView();
    RecordingCanvas second = render();
    EXPECT_EQ(second.calls, (std::vector<std::string>{"pen 0"}));
    EXPECT_EQ(second.lines, (std::vector<Line>{{0, 20, 20, 100, 20}}));

    list().AddRecord(9, 0, {0, 0, 0, 0}, {5, 5, 0, 0});
    view().FitView();
    EXPECT_TRUE(render().lines.empty()) << "an unknown kind draws nothing";
    EXPECT_EQ(view().recordsDrawn(), 4) << "but counts as drawn";

    view().ResetView();
    view().FitView();
    RecordingCanvas again = render();
    EXPECT_EQ(again.calls.front(), "fill 100x200");
    EXPECT_EQ(again.lines.size(), 3u) << "a new view draws everything again";
}

TEST_F(PreviewViewTest, PenRulesOfTheRecordKinds)
{
    list().AddRecord(kDashedLine, 0, {1, 1, 0, 0}, {2, 1, 0, 0});
    line(7, 1, 2, 2, 2);
    line(3, 1, 3, 2, 3);
    list().AddRecord(kClockwiseArc, 1, {3, 3, 0, 3}, {3, 3, 0, 2});
    view().FitView();
    const RecordingCanvas canvas = render();
    ASSERT_GE(canvas.lines.size(), 4u);
    EXPECT_EQ(canvas.lines[0].pen, 2) << "a dashed line always uses pen 2";
    EXPECT_EQ(canvas.lines[1].pen, 2) << "pen 7 keeps the pen selected last";
    EXPECT_EQ(canvas.lines[2].pen, 3);
    EXPECT_EQ(canvas.lines[3].pen, 1);
    EXPECT_EQ(canvas.lines.back().x2, 30) << "the arc's circle closes at its start";
    EXPECT_EQ(canvas.lines.back().y2, 30);
}

TEST_F(PreviewViewTest, EmptyTableGivesAUsableScale)
{
    view().setHomeFromTable(0, 0, 0, 0, 0);
    view().ResetView();
    EXPECT_EQ(view().scale(), 1.0f);
    line(0, 1, 1, 5, 1);
    view().FitView(); // refused: no span is ten times an empty window
    EXPECT_EQ(render().lines, (std::vector<Line>{{0, 1, 1, 5, 1}}));
}

} // namespace
