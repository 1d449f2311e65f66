#pragma once

#include "verify/tool_path.h"

#include <cmath>
#include <string>
#include <vector>

// Geometry of the path's segments. Arcs run clockwise around their centre from start to end; an
// arc that ends where it starts is a full circle. Written with three decimals, an arc's end lies
// a little nearer to or farther from the centre than its start; the tool then follows a spiral
// whose radius changes evenly from the start's to the end's, so it meets the end exactly.

struct ArcShape {
    Point2 centre;
    double startRadius = 0;
    double endRadius = 0;
    double startAngle = 0;
    double sweep = 0; // clockwise, in (0, 2 pi]

    Point2 at(double t) const; // a fraction t of the way along
    // The radius where the arc passes the direction of p from the centre; false when it does not.
    bool radiusTowards(Point2 p, double& radius) const;
};

ArcShape arcShape(const PathSegment& arc);
// What the reading of a program needs of every arc, at less cost than its whole shape: the length
// the tool runs along it and how much farther from the centre it ends than it starts.
struct ArcRun {
    double length = 0;
    double endError = 0;
};
ArcRun arcRun(const PathSegment& arc);
// The length of the vector (x, y), as hypot gives it but at less cost where no square overflows.
inline double fastLength(double x, double y)
{
    constexpr double kLarge = 1e150;
    return std::fabs(x) > kLarge || std::fabs(y) > kLarge ? std::hypot(x, y) : std::sqrt(x * x + y * y);
}
double distance(Point2 a, Point2 b);
// The point a fraction t of the way along a segment.
Point2 pointAlong(const PathSegment& segment, double t);
double segmentLength(const PathSegment& segment);
// The points that bound a segment: its ends, and for an arc the points where it runs furthest
// left, right, up or down.
std::vector<Point2> extremePoints(const PathSegment& segment);
// Points along the segment close enough that the path between two of them strays less than
// 0.0001 from the line joining them.
std::vector<Point2> samplePoints(const PathSegment& segment);

// A length as the programs write it, "%.3f".
std::string lengthText(double value);
