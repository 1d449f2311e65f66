#include "ui/qt_preview_canvas.h"

QtPreviewCanvas::QtPreviewCanvas(QPainter& painter, int height) : painter_(painter), height_(height)
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(QPen(Qt::black, 0)); // a fresh surface draws black until a pen is chosen
}

QPen QtPreviewCanvas::pen(int number)
{
    const QColor color = number == 1 || number == 3 ? QColor(255, 0, 0) : QColor(0, 0, 255);
    QPen pen(color, 0); // cosmetic: one pixel whatever the mapping
    if (number == 2 || number == 3)
        pen.setDashPattern({18, 6}); // dashes as long as the desktop's own
    return pen;
}

void QtPreviewCanvas::fillWhite(int width, int height)
{
    painter_.fillRect(0, 0, width, height, Qt::white);
}

void QtPreviewCanvas::selectPen(int number)
{
    if (number == selected_)
        return;
    static const QPen pens[] = {pen(0), pen(1), pen(2), pen(3)};
    painter_.setPen(number >= 0 && number < 4 ? pens[number] : pen(number));
    selected_ = number;
}

void QtPreviewCanvas::moveTo(int x, int y)
{
    position_ = toPixel(x, y);
}

void QtPreviewCanvas::lineTo(int x, int y)
{
    const QPoint to = toPixel(x, y);
    painter_.drawLine(position_, to);
    position_ = to;
}
