#pragma once

#include "verify/arc_geometry.h"
#include "verify/tool_path.h"

#include <cmath>
#include <optional>
#include <vector>

// The closed loop a cut goes round, and the region it encloses.
class CutOutline {
public:
    // The loop of the segments [first, end): from the first point the path comes back to, round
    // to it again. None when the path never closes.
    static std::optional<CutOutline> find(const std::vector<PathSegment>& segments, size_t first, size_t end);

    // How far the point lies outside the enclosed region; 0 inside it or within 0.0005 of its edge.
    double beyond(Point2 p) const;
    bool holds(size_t segment) const { return segment >= firstLoop_ && segment < endLoop_; }

    // The loop's extent in X and Y and the largest radius of its arcs (0 when it has none).
    double width() const { return maxX_ - minX_; }
    double length() const { return maxY_ - minY_; }
    double cornerRadius() const { return cornerRadius_; }

private:
    struct Piece {
        Point2 from, to;
        bool arc = false;
        ArcShape shape;
        bool middleLeft = false; // the arc's middle lies left of the chord from its start to its end
    };
    void add(const PathSegment& segment);
    double boundaryDistance(Point2 p, double enough) const;
    bool encloses(Point2 p) const;

    std::vector<Piece> pieces_;
    size_t firstLoop_ = 0, endLoop_ = 0;
    double minX_ = INFINITY, maxX_ = -INFINITY, minY_ = INFINITY, maxY_ = -INFINITY;
    double cornerRadius_ = 0;
};
