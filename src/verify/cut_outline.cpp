#include "verify/cut_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTolerance = 0.0005;
constexpr double kTwoPi = 2 * std::numbers::pi;

double cross(Point2 o, Point2 a, Point2 b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

bool isFullCircle(const PathSegment& s) { return s.motion == Motion::Arc && arcShape(s).sweep >= kTwoPi - 1e-12; }

double lineDistance(Point2 p, Point2 a, Point2 b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
    if (length2 == 0)
        return distance(p, a);
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
    return distance(p, {a.x + t * dx, a.y + t * dy});
}

// The angle the chord from a to b turns through, seen from p.
double chordAngle(Point2 p, Point2 a, Point2 b)
{
    const double ax = a.x - p.x, ay = a.y - p.y, bx = b.x - p.x, by = b.y - p.y;
    return std::atan2(ax * by - ay * bx, ax * bx + ay * by);
}

// Strictly between a and b on the line through them.
bool onChord(Point2 p, Point2 a, Point2 b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
    const double along = (p.x - a.x) * dx + (p.y - a.y) * dy;
    return std::fabs(cross(a, b, p)) <= 1e-12 * length2 && along > 0 && along < length2;
}

} // namespace

void CutOutline::add(const PathSegment& segment)
{
    Piece piece{segment.from, segment.to, segment.motion == Motion::Arc, {}, false};
    if (piece.arc) {
        piece.shape = arcShape(segment);
        piece.middleLeft = cross(piece.from, piece.to, piece.shape.at(0.5)) > 0;
        cornerRadius_ = std::max(cornerRadius_, (piece.shape.startRadius + piece.shape.endRadius) / 2);
    }
    for (const Point2& p : extremePoints(segment)) {
        minX_ = std::min(minX_, p.x);
        maxX_ = std::max(maxX_, p.x);
        minY_ = std::min(minY_, p.y);
        maxY_ = std::max(maxY_, p.y);
    }
    pieces_.push_back(piece);
}

std::optional<CutOutline> CutOutline::find(const std::vector<PathSegment>& segments, size_t first, size_t end)
{
    std::vector<std::pair<Point2, size_t>> corners; // a point the path reached, and the segment after it
    if (first < end)
        corners.push_back({segments[first].from, first});
    for (size_t i = first; i < end; ++i) {
        const PathSegment& s = segments[i];
        const bool circle = isFullCircle(s);
        if (!circle && s.motion != Motion::Arc && distance(s.from, s.to) < 1e-9)
            continue; // standing still is no corner
        for (const auto& [corner, after] : corners) {
            if (distance(corner, s.to) <= kTolerance && (after < i || circle)) {
                CutOutline outline;
                outline.firstLoop_ = after, outline.endLoop_ = i + 1;
                for (size_t k = after; k <= i; ++k)
                    outline.add(segments[k]);
                return outline;
            }
        }
        corners.push_back({s.to, i + 1});
    }
    return std::nullopt;
}

// The nearest distance to the loop, or any distance not above enough once one is found.
double CutOutline::boundaryDistance(Point2 p, double enough) const
{
    double nearest = INFINITY;
    for (const Piece& piece : pieces_) {
        double radius = 0;
        if (!piece.arc)
            nearest = std::min(nearest, lineDistance(p, piece.from, piece.to));
        else if (piece.shape.radiusTowards(p, radius))
            nearest = std::min(nearest, std::fabs(distance(p, piece.shape.centre) - radius));
        else
            nearest = std::min({nearest, distance(p, piece.from), distance(p, piece.to)});
        if (nearest <= enough)
            break;
    }
    return nearest;
}

// The winding number of the loop around p, as the sum of what its pieces turn through: a chord
// for each piece, and a whole clockwise turn more for an arc when p lies between it and its chord.
bool CutOutline::encloses(Point2 p) const
{
    double turned = 0;
    for (const Piece& piece : pieces_) {
        if (piece.arc && onChord(p, piece.from, piece.to)) {
            // Seen from a point on its chord, an arc turns half a turn towards its middle's side;
            // the chord's own angle there is +pi or -pi by the sign of a zero.
            turned += piece.middleLeft ? -std::numbers::pi : std::numbers::pi;
            continue;
        }
        turned += chordAngle(p, piece.from, piece.to);
        if (!piece.arc)
            continue;
        const double radius = (piece.shape.startRadius + piece.shape.endRadius) / 2;
        if (distance(p, piece.shape.centre) >= radius)
            continue;
        if (piece.shape.sweep >= kTwoPi - 1e-12 || (cross(piece.from, piece.to, p) > 0) == piece.middleLeft)
            turned -= kTwoPi;
    }
    return std::fabs(turned) > std::numbers::pi;
}

double CutOutline::beyond(Point2 p) const
{
    const double nearest = boundaryDistance(p, kTolerance);
    if (nearest <= kTolerance || encloses(p))
        return 0;
    return nearest;
}
