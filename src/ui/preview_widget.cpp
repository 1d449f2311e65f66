#include "ui/preview_widget.h"

#include "preview/preview_state.h"
#include "ui/qt_preview_canvas.h"

#include <QPainter>
#include <QResizeEvent>
#include <QVBoxLayout>

PreviewPaneWidget::PreviewPaneWidget(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    attachPreviewPane(this);
}

PreviewPaneWidget::~PreviewPaneWidget()
{
    if (previewView().pane() == this)
        attachPreviewPane(nullptr);
}

PaneSize PreviewPaneWidget::clientSize() const
{
    const QRect client = contentsRect();
    return PaneSize{client.width(), client.height()};
}

void PreviewPaneWidget::invalidate(bool)
{
    // Qt composes every paint off-screen, so there is never a half-erased pane to avoid.
    update();
}

void PreviewPaneWidget::renderImage()
{
    PreviewView& view = previewView();
    const PaneSize size = view.imageSize();
    if (view.pane() != this || !view.hasImage() || size.width <= 0 || size.height <= 0)
        return;
    if (image_.size() != QSize(size.width, size.height))
        image_ = QImage(size.width, size.height, QImage::Format_RGB32);
    QPainter painter(&image_);
    QtPreviewCanvas canvas(painter, size.height);
    view.Render(canvas);
}

void PreviewPaneWidget::paintEvent(QPaintEvent*)
{
    renderImage();
    QPainter painter(this);
    const QRect client = contentsRect();
    painter.fillRect(client, Qt::white);
    // Only the part of the image inside the frame is copied, without clipping the painter: the
    // pane paints opaque, so a frame left out of a paint is never drawn at all.
    if (previewView().pane() == this && previewView().hasImage() && !image_.isNull())
        painter.drawImage(client.topLeft(), image_, QRect(QPoint(0, 0), client.size()));
    // A drawing cut short by a failed write says so rather than passing for the whole job.
    const std::string& failure = drawList().failure();
    if (!failure.empty())
        painter.drawText(client.adjusted(8, 8, -8, -8), Qt::AlignBottom | Qt::AlignHCenter | Qt::TextWrapAnywhere,
                         QString::fromStdString(kDrawingFailed + failure));
    drawFrame(&painter);
}

void PreviewPaneWidget::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    // A larger pane shows the same drawing larger.
    PreviewView& view = previewView();
    const PaneSize size = clientSize();
    const PaneSize drawn = view.imageSize();
    if (view.pane() == this && view.hasImage() && (size.width != drawn.width || size.height != drawn.height)) {
        view.ResetView();
        view.FitView();
    }
}

PreviewFrame::PreviewFrame(QWidget* parent) : QFrame(parent), pane_(new PreviewPaneWidget(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pane_);
}
