#include "preview/segment_drawing.h"

#include "preview/draw_record.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>

namespace {

using Line = RecordingCanvas::Line;

struct SegmentCase {
    const char* name;
    float x1, y1, x2, y2;
    std::optional<Line> drawn; // in a 100 x 100 pane
};

class SegmentInPane : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(SegmentInPane, IsClippedToThePane)
{
    const SegmentCase& c = GetParam();
    RecordingCanvas canvas;
    canvas.selectPen(0);
    DrawSegment(canvas, c.x1, c.y1, c.x2, c.y2, PaneSize{100, 100});
    if (c.drawn) {
        ASSERT_EQ(canvas.lines.size(), 1u);
        EXPECT_EQ(canvas.lines[0], *c.drawn);
    } else {
        EXPECT_TRUE(canvas.lines.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SegmentInPane,
    ::testing::Values(
        SegmentCase{"InsideIsDrawnAsIs", 10, 20, 30.9f, 40.2f, Line{0, 10, 20, 30, 40}},
        SegmentCase{"APointDrawsNothing", 10, 10, 10, 10, std::nullopt},
        SegmentCase{"FromLeftOfThePaneStartsAtTheLeftEdge", -50, 10, 50, 10, Line{0, 0, 10, 50, 10}},
        SegmentCase{"AcrossBothSidesIsCutAtBoth", -50, 10, 150, 10, Line{0, 0, 10, 100, 10}},
        SegmentCase{"AcrossBothSidesLeftwards", 150, 10, -50, 10, Line{0, 100, 10, 0, 10}},
        SegmentCase{"VerticalAboveThePaneDrawsNothing", 20, 120, 20, 180, std::nullopt},
        SegmentCase{"WhollyBelowDrawsNothing", 0, -5, 90, -1, std::nullopt},
        SegmentCase{"VerticalThroughTopAndBottom", 20, -30, 20, 130, Line{0, 20, 0, 20, 100}},
        SegmentCase{"DiagonalCutAtLeftAndBottom", -10, 50, 50, -10, Line{0, 0, 40, 40, 0}},
        SegmentCase{"EnteringThroughTheBottom", -10, -20, 50, 50, Line{0, 7, 0, 50, 50}},
        SegmentCase{"FarAwayEndIsBroughtToTheEdge", 50, 50, 1e9f, 50, Line{0, 50, 50, 100, 50}},
        SegmentCase{"NotANumberDrawsNothing", NAN, 5, 50, 50, std::nullopt}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ClipSegment, LeavesASegmentThatMissesThePaneAlone)
{
    // Passes below the lower-left corner: neither edge is crossed on the segment.
    float x1 = -10, y1 = 5, x2 = 5, y2 = -10;
    ClipSegment(x1, y1, x2, y2, PaneSize{100, 100});
    EXPECT_EQ(x1, -10);
    EXPECT_EQ(y1, 5);
    EXPECT_EQ(x2, 5);
    EXPECT_EQ(y2, -10);
}

// Distance of a chord's middle from the centre of an arc of radius r: r minus the chord error.
double chordMiddleDistance(const RecordingCanvas::Line& l, double scale, double cx, double cy)
{
    const double mx = (l.x1 + l.x2) / 2.0 / scale;
    const double my = (l.y1 + l.y2) / 2.0 / scale;
    return std::hypot(mx - cx, my - cy);
}

TEST(DrawArc, ChordsStayWithinTheChordErrorOfTheArc)
{
    // One world unit is 100000 pixels, so whole pixels are far finer than the chord error.
    const float scale = 100000;
    const PaneSize pane{400000, 400000};
    RecordingCanvas canvas;
    DrawArc(canvas, kCounterClockwiseArc, 2, 2, 3, 2, 2, 3, scale, pane); // a quarter turn
    const ArcStep arc = arcStepFor(2, 2, 3, 2);
    EXPECT_NEAR(arc.step, 2 * std::acos(1 - kArcChordError), 1e-12);
    ASSERT_GE(canvas.lines.size(), 3u);
    EXPECT_EQ(canvas.lines.size(), static_cast<size_t>(std::ceil((std::numbers::pi / 2) / arc.step)));
    double deepest = 0;
    for (const auto& line : canvas.lines) {
        const double error = 1.0 - chordMiddleDistance(line, scale, 2, 2);
        EXPECT_LE(error, kArcChordError + 2e-5);
        deepest = std::max(deepest, error);
    }
    EXPECT_GT(deepest, kArcChordError * 0.9) << "steps as long as the error allows";
    EXPECT_EQ(canvas.lines.front().x1, 300000);
    EXPECT_EQ(canvas.lines.front().y1, 200000);
    EXPECT_EQ(canvas.lines.back().x2, 200000);
    EXPECT_EQ(canvas.lines.back().y2, 300000);
}

TEST(DrawArc, ClockwiseGoesTheOtherWayAndEqualEndsMakeACircle)
{
    RecordingCanvas quarter;
    DrawArc(quarter, kClockwiseArc, 50, 50, 60, 50, 50, 60, 1, PaneSize{100, 100});
    // Clockwise from 0 degrees to 90 degrees passes below the centre: three quarters of a turn.
    int below = 0;
    for (const auto& l : quarter.lines)
        below += l.y2 < 50;
    EXPECT_GT(below, 0);

    RecordingCanvas circle;
    DrawArc(circle, kCounterClockwiseArc, 50, 50, 60, 50, 60, 50, 1, PaneSize{100, 100});
    int minY = 100, maxY = 0;
    for (const auto& l : circle.lines) {
        minY = std::min(minY, l.y2);
        maxY = std::max(maxY, l.y2);
    }
    EXPECT_LE(minY, 40);
    EXPECT_GE(maxY, 59);
    EXPECT_EQ(circle.lines.back().x2, 60);
    EXPECT_EQ(circle.lines.back().y2, 50);
}

TEST(DrawArc, DegenerateArcsEndWithoutLooping)
{
    RecordingCanvas canvas;
    DrawArc(canvas, kClockwiseArc, 5, 5, 5, 5, 6, 6, 1, PaneSize{100, 100});       // radius 0
    DrawArc(canvas, kClockwiseArc, 0, 0, 1e9f, 0, 0, 1e9f, 1e-7f, PaneSize{100, 100}); // huge
    EXPECT_LE(canvas.lines.size(), 100001u);
}

} // namespace
