#pragma once

#include "preview/draw_list.h"
#include "preview/home_window.h"
#include "preview/surface.h"

// The world rectangle the pane shows.
struct ViewWindow {
    float minX = 0;
    float maxX = 0;
    float minY = 0;
    float maxY = 0;
};

// No image yet; image to be cleared before the next replay; image present and cleared.
enum class PaintState { NoImage = 0, ToClear = 3, Cleared = 4 };

// The drawing pane's logic: the view onto the world, the scale, and the replay of the draw list
// onto an off-screen image. The image keeps what has been drawn, so a paint after new records
// draws only those, unless the view changed.
class PreviewView {
public:
    explicit PreviewView(DrawList& list) : list_(list) {}

    void setPane(PreviewPane* pane) { pane_ = pane; }
    PreviewPane* pane() const { return pane_; }

    void setHomeFromTable(float x, float y, float w, float h, float border);
    void setHomeMaximum(float x, float y);
    const HomeWindow& home() const { return home_; }

    // Back to the home window at the pane's current size, with a fresh image.
    void ResetView();
    // Refuses, keeping the old view, a view under half a unit wide or high, over ten times the
    // home window, or reaching beyond 10000 units. Returns whether it was taken.
    bool SetView(float x1, float x2, float y1, float y2);
    // Fits the view around the drawing and the home window, then asks for a paint.
    void FitView();
    // Brings the image up to date; the toolkit then copies it to the screen.
    void Render(PreviewCanvas& canvas);

    bool hasImage() const { return paintState_ != PaintState::NoImage; }
    PaintState paintState() const { return paintState_; }
    PaneSize imageSize() const { return size_; }
    const ViewWindow& view() const { return view_; }
    float scale() const { return scale_; }
    int recordsToDraw() const { return recordsToDraw_; }
    int recordsDrawn() const { return recordsDrawn_; }

    // A fresh process's preview, without a pane (for tests).
    void reset();

private:
    void computeScale();
    void invalidate(bool erase);
    void ReplayRecords(PreviewCanvas& canvas);
    void drawRecord(PreviewCanvas& canvas, const DrawRecord& record);

    DrawList& list_;
    PreviewPane* pane_ = nullptr;
    HomeWindow home_;
    ViewWindow view_;
    PaneSize size_;
    float scale_ = 1;
    int recordsToDraw_ = 0;
    int recordsDrawn_ = 0;
    PaintState paintState_ = PaintState::NoImage;
};
