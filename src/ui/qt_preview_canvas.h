#pragma once

#include "preview/surface.h"

#include <QPainter>
#include <QPoint>

// Draws the preview onto an image through a painter, with Y running up from the bottom edge.
class QtPreviewCanvas : public PreviewCanvas {
public:
    QtPreviewCanvas(QPainter& painter, int height);

    void fillWhite(int width, int height) override;
    void selectPen(int pen) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;

    static QPen pen(int number);

private:
    QPoint toPixel(int x, int y) const { return QPoint(x, height_ - y); }

    QPainter& painter_;
    int height_;
    QPoint position_;
    // The pen the painter holds: most records keep the pen of the one before.
    int selected_ = -1;
};
