#pragma once

#include "preview/surface.h"

#include <QFrame>
#include <QImage>

// The drawing pane: keeps the off-screen image, lets the preview bring it up to date on every
// paint, and copies it to the screen in one block.
class PreviewPaneWidget : public QFrame, public PreviewPane {
public:
    explicit PreviewPaneWidget(QWidget* parent = nullptr);
    ~PreviewPaneWidget() override;

    PaneSize clientSize() const override;
    void invalidate(bool erase) override;

    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void renderImage();

    QImage image_;
};

// The preview panel beside the pages: a raised frame the pane fills.
class PreviewFrame : public QFrame {
public:
    explicit PreviewFrame(QWidget* parent = nullptr);
    PreviewPaneWidget* pane() const { return pane_; }

private:
    PreviewPaneWidget* pane_;
};
