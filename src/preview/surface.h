#pragma once

// What the preview needs from the toolkit that shows it.

// The off-screen image while it is being drawn. Coordinates are whole pixels with Y running up
// from the bottom edge: the point (X, Y) lands on pixel column X, row height - Y.
class PreviewCanvas {
public:
    virtual ~PreviewCanvas() = default;
    virtual void fillWhite(int width, int height) = 0;
    // Pen 0 solid blue, 1 solid red, 2 dashed blue, 3 dashed red; one pixel wide.
    virtual void selectPen(int pen) = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
};

struct PaneSize {
    int width = 0;
    int height = 0;
};

// The window the preview is shown in.
class PreviewPane {
public:
    virtual ~PreviewPane() = default;
    virtual PaneSize clientSize() const = 0;
    // Asks for a paint; erase when the old picture must not be shown any more.
    virtual void invalidate(bool erase) = 0;
};
