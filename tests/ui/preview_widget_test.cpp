#include "ui/preview_widget.h"

#include "preview/handover.h"
#include "preview/preview_state.h"
#include "ui_test_support.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class PreviewWidgetTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        frame = std::make_unique<PreviewFrame>();
        frame->resize(250, 428);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        previewView().setHomeFromTable(0, 0, 10, 10, 0);
        activePage = PageId::Posts;
    }
    QColor pixel(int x, int y) const { return frame->pane()->image().pixelColor(x, y); }

    // The edges of the pane's sunken frame, as shown, with how many pixels of each are not the
    // edge's colour: dark along the top and left, light along the bottom and right (no corners).
    std::string brokenFrameEdges() const
    {
        PreviewPaneWidget& pane = *frame->pane();
        const QImage shot = pane.grab().toImage();
        // As 8-bit colours: the palette's own are finer than any pixel.
        const QRgb dark = pane.palette().color(QPalette::Dark).rgb();
        const QRgb light = pane.palette().color(QPalette::Light).rgb();
        const int right = shot.width() - 1, bottom = shot.height() - 1;
        int top = 0, left = 0, lower = 0, side = 0;
        for (int x = 1; x < right; ++x) {
            top += shot.pixel(x, 0) != dark;
            lower += shot.pixel(x, bottom) != light;
        }
        for (int y = 1; y < bottom; ++y) {
            left += shot.pixel(0, y) != dark;
            side += shot.pixel(right, y) != light;
        }
        std::string broken;
        for (auto [edge, count] : {std::pair{"top", top}, {"left", left}, {"bottom", lower}, {"right", side}}) {
            if (count > 0)
                broken += std::string(edge) + " " + std::to_string(count) + " ";
        }
        return broken;
    }

    void TearDown() override
    {
        frame.reset();
        UiTest::TearDown();
    }

    // Made after the reset of the preview, which detaches any pane.
    std::unique_ptr<PreviewFrame> frame;
};

TEST_F(PreviewWidgetTest, DrawsBottomUpWithTheBlueAndRedPens)
{
    const PaneSize pane = frame->pane()->clientSize();
    ClearPreview(PageId::Posts);
    PreviewLine(PageId::Posts, 0, 1, 1, 8, 0);  // blue, near the bottom
    PreviewLine(PageId::Posts, 1, 5, 1, 0, 8);  // red, upwards
    PreviewLine(PageId::Posts, 2, 1, 9, 8, 0);  // dashed blue, near the top
    FitPreview(PageId::Posts);
    const QImage shot = frame->pane()->grab().toImage();
    ASSERT_EQ(frame->pane()->image().size(), QSize(pane.width, pane.height));

    const float scale = previewView().scale();
    const int bottomRow = pane.height - static_cast<int>(1 * scale);
    const int column = static_cast<int>(3 * scale);
    EXPECT_EQ(pixel(column, bottomRow), QColor(0, 0, 255));
    EXPECT_EQ(pixel(column, bottomRow - 3), QColor(Qt::white));
    EXPECT_EQ(pixel(static_cast<int>(5 * scale), pane.height - static_cast<int>(5 * scale)), QColor(255, 0, 0));

    const int topRow = pane.height - static_cast<int>(9 * scale);
    int blue = 0, white = 0;
    for (int x = static_cast<int>(1 * scale); x < static_cast<int>(9 * scale); ++x)
        (pixel(x, topRow) == QColor(0, 0, 255) ? blue : white) += 1;
    EXPECT_GT(blue, white) << "dashes are longer than the gaps";
    EXPECT_GT(white, 0) << "a dashed line has gaps";

    // The image is copied whole inside the frames' edges.
    const QPoint origin = frame->pane()->contentsRect().topLeft();
    EXPECT_EQ(shot.pixelColor(origin + QPoint(column, bottomRow)), QColor(0, 0, 255));
}

TEST_F(PreviewWidgetTest, NewRecordsAreAddedToTheKeptImage)
{
    ClearPreview(PageId::Posts);
    PreviewLine(PageId::Posts, 0, 1, 1, 8, 0);
    FitPreview(PageId::Posts);
    frame->pane()->grab();
    ASSERT_EQ(previewView().recordsDrawn(), 1);
    // Reaches beyond ten home windows: the fit is refused and the image kept.
    PreviewLine(PageId::Posts, 1, 5, 1, 500, 0);
    FitPreview(PageId::Posts);
    frame->pane()->grab();
    EXPECT_EQ(previewView().recordsDrawn(), 2);
    const float scale = previewView().scale();
    const int row = frame->pane()->clientSize().height - static_cast<int>(1 * scale);
    EXPECT_EQ(pixel(static_cast<int>(2 * scale), row), QColor(0, 0, 255)) << "the old line is kept";
    EXPECT_EQ(pixel(static_cast<int>(7 * scale), row), QColor(255, 0, 0)) << "the new one is drawn over it";
}

TEST_F(PreviewWidgetTest, TheFrameStaysWholeAfterShrinkingAndClearing)
{
    ClearPreview(PageId::Posts);
    PreviewLine(PageId::Posts, 2, 0, 0, 10, 10); // dashed, from corner to corner
    FitPreview(PageId::Posts);
    EXPECT_EQ(brokenFrameEdges(), "");
    frame->resize(200, 300);
    ASSERT_TRUE(waitUntil([&] { return previewView().imageSize().width < 200; }));
    EXPECT_EQ(brokenFrameEdges(), "") << "after shrinking";
    ClearPreview(PageId::Posts);
    EXPECT_EQ(brokenFrameEdges(), "") << "after clearing";
}

} // namespace
