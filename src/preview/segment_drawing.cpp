#include "preview/segment_drawing.h"

#include "preview/draw_list.h"

#include <algorithm>
#include <cmath>

namespace {

enum class Edge { Left, Right, Bottom, Top };

bool between(float v, float a, float b)
{
    return (a <= v && v <= b) || (b <= v && v <= a);
}

// Replaces one end by the point where the segment crosses the edge, when it does.
void clipEdge(Edge edge, float& x1, float& y1, float& x2, float& y2, float w, float h)
{
    const bool verticalEdge = edge == Edge::Left || edge == Edge::Right;
    const float e = edge == Edge::Right ? w : edge == Edge::Top ? h : 0.0f;
    float xc = 0;
    float yc = 0;
    if (x1 != x2) {
        const float slope = (y2 - y1) / (x2 - x1);
        const float intercept = y1 - slope * x1;
        if (verticalEdge) {
            xc = e;
            yc = intercept + slope * e;
            if (yc < 0 || yc > h)
                return;
        } else {
            yc = e;
            xc = (e - intercept) / slope;
            if (xc < 0 || xc > w)
                return;
        }
    } else {
        xc = x2;
        yc = e;
    }
    if (!between(xc, x1, x2) || !between(yc, y1, y2))
        return;
    bool secondEnd = false;
    switch (edge) {
    case Edge::Left: secondEnd = x2 <= 0; break;
    case Edge::Right: secondEnd = x2 >= w; break;
    case Edge::Bottom: secondEnd = y2 <= 0; break;
    case Edge::Top: secondEnd = y2 >= h; break;
    }
    if (secondEnd) {
        x2 = xc;
        y2 = yc;
    } else {
        x1 = xc;
        y1 = yc;
    }
}

// Segments that miss the pane keep their far ends; bound them before they become ints.
int pixel(float v)
{
    constexpr float kFar = 16777216.0f; // far beyond any pane
    return truncateToInt(std::clamp(v, -kFar, kFar));
}

} // namespace

void ClipSegment(float& x1, float& y1, float& x2, float& y2, PaneSize pane)
{
    const auto w = static_cast<float>(pane.width);
    const auto h = static_cast<float>(pane.height);
    if (x1 != x2) {
        clipEdge(Edge::Left, x1, y1, x2, y2, w, h);
        clipEdge(Edge::Right, x1, y1, x2, y2, w, h);
    }
    if (y1 != y2) {
        clipEdge(Edge::Bottom, x1, y1, x2, y2, w, h);
        clipEdge(Edge::Top, x1, y1, x2, y2, w, h);
    }
}

void DrawSegment(PreviewCanvas& canvas, float x1, float y1, float x2, float y2, PaneSize pane)
{
    if (x1 == x2 && y1 == y2)
        return;
    const auto w = static_cast<float>(pane.width);
    const auto h = static_cast<float>(pane.height);
    auto inside = [&](float x, float y) { return 0 <= x && x <= w && 0 <= y && y <= h; };
    const bool firstInside = inside(x1, y1);
    const bool secondInside = inside(x2, y2);
    if (!firstInside && !secondInside) {
        if ((x1 < 0 && x2 < 0) || (x1 > w && x2 > w) || (y1 < 0 && y2 < 0) || (y1 > h && y2 > h))
            return;
    }
    if (!firstInside || !secondInside)
        ClipSegment(x1, y1, x2, y2, pane);
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    canvas.moveTo(pixel(x1), pixel(y1));
    canvas.lineTo(pixel(x2), pixel(y2));
}

ArcStep arcStepFor(float cx, float cy, float x1, float y1)
{
    // Caps the chords of a huge arc, whose step would otherwise round to nothing.
    constexpr double kMinStep = kFullTurn / 100000.0;
    ArcStep arc;
    arc.radius = std::hypot(static_cast<double>(x1) - cx, static_cast<double>(y1) - cy);
    if (!(arc.radius > 0) || !std::isfinite(arc.radius))
        return arc;
    const double cosine = std::clamp((arc.radius - kArcChordError) / arc.radius, -1.0, 1.0);
    arc.step = std::max(2.0 * std::acos(cosine), kMinStep);
    return arc;
}

void DrawArc(PreviewCanvas& canvas, int kind, float cx, float cy, float x1, float y1, float x2, float y2,
             float scale, PaneSize pane)
{
    float lastX = x1 * scale;
    float lastY = y1 * scale;
    const ArcStep arc = arcStepFor(cx, cy, x1, y1);
    auto chordTo = [&](double angle) {
        const auto nextX = static_cast<float>((cx + arc.radius * std::cos(angle)) * scale);
        const auto nextY = static_cast<float>((cy + arc.radius * std::sin(angle)) * scale);
        DrawSegment(canvas, lastX, lastY, nextX, nextY, pane);
        lastX = nextX;
        lastY = nextY;
    };
    double a1 = std::atan2(static_cast<double>(y1) - cy, static_cast<double>(x1) - cx);
    double a2 = std::atan2(static_cast<double>(y2) - cy, static_cast<double>(x2) - cx);
    if (arc.step > 0 && kind == kClockwiseArc) {
        if (a2 >= a1)
            a1 += kFullTurn;
        for (a1 -= arc.step; a2 < a1; a1 -= arc.step)
            chordTo(a1);
    } else if (arc.step > 0 && kind == kCounterClockwiseArc) {
        if (a2 <= a1)
            a2 += kFullTurn;
        for (a1 += arc.step; a2 > a1; a1 += arc.step)
            chordTo(a1);
    }
    DrawSegment(canvas, lastX, lastY, x2 * scale, y2 * scale, pane);
}
