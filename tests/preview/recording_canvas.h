#pragma once

#include "preview/surface.h"

#include <string>
#include <vector>

// A canvas that writes down what it is asked to draw, one text per call, and the lines that
// reach the image as pen, start and end.
class RecordingCanvas : public PreviewCanvas {
public:
    struct Line {
        int pen;
        int x1, y1, x2, y2;
        bool operator==(const Line&) const = default;
    };

    void fillWhite(int width, int height) override
    {
        calls.push_back("fill " + std::to_string(width) + "x" + std::to_string(height));
    }
    void selectPen(int pen) override
    {
        pen_ = pen;
        calls.push_back("pen " + std::to_string(pen));
    }
    void moveTo(int x, int y) override
    {
        x_ = x;
        y_ = y;
    }
    void lineTo(int x, int y) override
    {
        lines.push_back({pen_, x_, y_, x, y});
        x_ = x;
        y_ = y;
    }

    std::vector<std::string> calls;
    std::vector<Line> lines;

private:
    int pen_ = -1;
    int x_ = 0;
    int y_ = 0;
};

// A pane of a fixed size that counts the paints it was asked for.
class FakePane : public PreviewPane {
public:
    explicit FakePane(int width = 250, int height = 428) : size{width, height} {}
    PaneSize clientSize() const override { return size; }
    void invalidate(bool erase) override { erase ? ++erasingPaints : ++paints; }

    PaneSize size;
    int paints = 0;
    int erasingPaints = 0;
};
