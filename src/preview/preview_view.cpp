#include "preview/preview_view.h"

#include "preview/segment_drawing.h"

#include <cmath>

namespace {

constexpr float kSmallestSpan = 0.5f;
constexpr float kLargestCoordinate = 10000.0f;
constexpr float kSpanLimitFactor = 10.0f;

bool isPen(int pen)
{
    return pen >= 0 && pen <= 3;
}

} // namespace

void PreviewView::setHomeFromTable(float x, float y, float w, float h, float border)
{
    home_ = HomeWindow{x, y, w, h, border};
}

void PreviewView::setHomeMaximum(float x, float y)
{
    home_.maxX = x;
    home_.maxY = y;
}

void PreviewView::invalidate(bool erase)
{
    if (pane_)
        pane_->invalidate(erase);
}

void PreviewView::computeScale()
{
    // An empty window (a table size of 0) would divide by zero; its axis sets no limit then.
    const float spanX = view_.maxX - view_.minX;
    const float spanY = view_.maxY - view_.minY;
    const bool useX = spanX > 0;
    const bool useY = spanY > 0;
    const float byX = useX ? static_cast<float>(size_.width) / spanX : 0;
    const float byY = useY ? static_cast<float>(size_.height) / spanY : 0;
    if (useX && useY)
        scale_ = byX < byY ? byX : byY;
    else if (useX || useY)
        scale_ = useX ? byX : byY;
    else
        scale_ = 1;
}

void PreviewView::ResetView()
{
    view_ = ViewWindow{home_.minX - home_.margin, home_.maxX + home_.margin, home_.minY - home_.margin,
                       home_.maxY + home_.margin};
    if (paintState_ != PaintState::NoImage)
        invalidate(true);
    paintState_ = PaintState::NoImage;
    size_ = pane_ ? pane_->clientSize() : PaneSize{};
    recordsToDraw_ = 0;
    recordsDrawn_ = 0;
    computeScale();
    paintState_ = PaintState::ToClear;
    invalidate(false);
}

bool PreviewView::SetView(float x1, float x2, float y1, float y2)
{
    if (std::fabs(x2 - x1) < kSmallestSpan || std::fabs(y2 - y1) < kSmallestSpan)
        return false;
    if (x2 - x1 > kSpanLimitFactor * (home_.maxX - home_.minX) ||
        y2 - y1 > kSpanLimitFactor * (home_.maxY - home_.minY))
        return false;
    for (float v : {x1, x2, y1, y2}) {
        if (std::fabs(v) > kLargestCoordinate)
            return false;
    }
    view_ = ViewWindow{x1, x2, y1, y2};
    recordsDrawn_ = 0;
    computeScale();
    paintState_ = PaintState::ToClear;
    invalidate(false);
    return true;
}

void PreviewView::FitView()
{
    list_.flush(); // the file holds the whole drawing once it is fitted
    const DrawBounds bounds = list_.GetBounds(home_);
    const float m = home_.margin;
    SetView(static_cast<float>(bounds.minX) - m, static_cast<float>(bounds.maxX) + m,
            static_cast<float>(bounds.minY) - m, static_cast<float>(bounds.maxY) + m);
    recordsToDraw_ = list_.GetCount();
    invalidate(false);
}

void PreviewView::Render(PreviewCanvas& canvas)
{
    if (paintState_ == PaintState::NoImage)
        return;
    if (paintState_ == PaintState::ToClear) {
        canvas.fillWhite(size_.width, size_.height);
        paintState_ = PaintState::Cleared;
    }
    if (recordsToDraw_ > 0)
        ReplayRecords(canvas);
}

void PreviewView::ReplayRecords(PreviewCanvas& canvas)
{
    list_.RewindForReplay();
    const int n = recordsToDraw_;
    for (int i = 1; i <= n; ++i) {
        if (i <= recordsDrawn_)
            continue;
        DrawRecord record;
        if (!list_.ReadRecord(i - 1, record))
            continue;
        recordsDrawn_ = i;
        drawRecord(canvas, record);
    }
}

void PreviewView::drawRecord(PreviewCanvas& canvas, const DrawRecord& r)
{
    if (r.kind == kDashedLine || r.kind == kLine) {
        const int pen = r.kind == kDashedLine ? 2 : r.pen;
        if (isPen(pen))
            canvas.selectPen(pen);
        DrawSegment(canvas, (r.x1 - view_.minX) * scale_, (r.y1 - view_.minY) * scale_,
                    (r.x2 - view_.minX) * scale_, (r.y2 - view_.minY) * scale_, size_);
    } else if (r.kind == kClockwiseArc || r.kind == kCounterClockwiseArc) {
        if (isPen(r.pen))
            canvas.selectPen(r.pen);
        DrawArc(canvas, r.kind, r.cx - view_.minX, r.cy - view_.minY, r.x1 - view_.minX, r.y1 - view_.minY,
                r.x2 - view_.minX, r.y2 - view_.minY, scale_, size_);
    }
}

void PreviewView::reset()
{
    pane_ = nullptr;
    home_ = HomeWindow{};
    view_ = ViewWindow{};
    size_ = PaneSize{};
    scale_ = 1;
    recordsToDraw_ = 0;
    recordsDrawn_ = 0;
    paintState_ = PaintState::NoImage;
}
