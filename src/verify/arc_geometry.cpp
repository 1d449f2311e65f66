#include "verify/arc_geometry.h"

#include "settings/numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kSampleStray = 0.0001;

double angleOf(Point2 p, Point2 centre) { return std::atan2(p.y - centre.y, p.x - centre.x); }

// The clockwise turn from angle a to angle b, in [0, 2 pi).
double turnFrom(double a, double b) { return std::fmod(a - b + 2 * kTwoPi, kTwoPi); }

} // namespace

Point2 ArcShape::at(double t) const
{
    const double radius = startRadius + t * (endRadius - startRadius);
    const double angle = startAngle - t * sweep;
    return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}

bool ArcShape::radiusTowards(Point2 p, double& radius) const
{
    const double turned = turnFrom(startAngle, angleOf(p, centre));
    if (turned > sweep)
        return false;
    radius = startRadius + turned / sweep * (endRadius - startRadius);
    return true;
}

ArcShape arcShape(const PathSegment& arc)
{
    ArcShape shape;
    shape.centre = arc.centre;
    shape.startRadius = distance(arc.from, arc.centre);
    shape.endRadius = distance(arc.to, arc.centre);
    shape.startAngle = angleOf(arc.from, arc.centre);
    const double sweep = turnFrom(shape.startAngle, angleOf(arc.to, arc.centre));
    shape.sweep = sweep <= 1e-12 ? kTwoPi : sweep;
    return shape;
}

double distance(Point2 a, Point2 b) { return std::hypot(a.x - b.x, a.y - b.y); }

Point2 pointAlong(const PathSegment& segment, double t)
{
    if (segment.motion == Motion::Arc)
        return t >= 1 ? segment.to : arcShape(segment).at(t);
    return {segment.from.x + t * (segment.to.x - segment.from.x), segment.from.y + t * (segment.to.y - segment.from.y)};
}

double segmentLength(const PathSegment& segment)
{
    if (segment.motion != Motion::Arc)
        return distance(segment.from, segment.to);
    const ArcShape shape = arcShape(segment);
    return (shape.startRadius + shape.endRadius) / 2 * shape.sweep;
}

namespace {

// The quarter turns from the direction of a vector along an axis, counted anticlockwise from +X;
// -1 for any other direction.
int quarterOf(double x, double y)
{
    if (y == 0)
        return x > 0 ? 0 : x < 0 ? 2 : -1;
    if (x == 0)
        return y > 0 ? 1 : 3;
    return -1;
}

// The clockwise turn from the start's direction to the end's, a whole turn when they meet. Most
// arcs of a program are corners, lead-ins and exits that start and end along the axes: their
// turn is counted in quarters without a trigonometric function.
double clockwiseTurn(double sx, double sy, double ex, double ey)
{
    const int from = quarterOf(sx, sy), to = quarterOf(ex, ey);
    if (from >= 0 && to >= 0) {
        const int quarters = (from - to + 4) % 4;
        return quarters == 0 ? kTwoPi : quarters * kTwoPi / 4;
    }
    double sweep = -std::atan2(sx * ey - sy * ex, sx * ex + sy * ey);
    if (sweep < 0)
        sweep += kTwoPi;
    return sweep <= 1e-12 ? kTwoPi : sweep;
}

} // namespace


ArcRun arcRun(const PathSegment& arc)
{
    const double sx = arc.from.x - arc.centre.x, sy = arc.from.y - arc.centre.y;
    const double ex = arc.to.x - arc.centre.x, ey = arc.to.y - arc.centre.y;
    const double startRadius = fastLength(sx, sy), endRadius = fastLength(ex, ey);
    return {(startRadius + endRadius) / 2 * clockwiseTurn(sx, sy, ex, ey), std::fabs(endRadius - startRadius)};
}

std::vector<Point2> extremePoints(const PathSegment& segment)
{
    std::vector<Point2> points{segment.from, segment.to};
    if (segment.motion != Motion::Arc)
        return points;
    const ArcShape shape = arcShape(segment);
    for (int quarter = 0; quarter < 4; ++quarter) {
        const double turned = turnFrom(shape.startAngle, quarter * kTwoPi / 4);
        if (turned <= shape.sweep)
            points.push_back(shape.at(turned / shape.sweep));
    }
    return points;
}

std::vector<Point2> samplePoints(const PathSegment& segment)
{
    int steps = 1;
    ArcShape shape;
    if (segment.motion == Motion::Arc) {
        shape = arcShape(segment);
        const double radius = std::max(shape.startRadius, shape.endRadius);
        const double step = radius <= kSampleStray ? std::numbers::pi / 4
                                                   : std::min(std::numbers::pi / 4, 2 * std::acos(1 - kSampleStray / radius));
        steps = static_cast<int>(std::clamp(std::ceil(shape.sweep / step), 1.0, 100000.0));
    }
    std::vector<Point2> points;
    points.reserve(static_cast<size_t>(steps) + 1);
    points.push_back(segment.from);
    for (int i = 1; i < steps; ++i)
        points.push_back(shape.at(static_cast<double>(i) / steps));
    points.push_back(segment.to);
    return points;
}

std::string lengthText(double value) { return formatFixed(value, 3); }
