#pragma once

#include "gcode/output/job_records.h"
#include "gcode/output/run_context.h"

#include <vector>

// The tool-centre path of one hole, as the hole routine writes it and as the run checks test it.

// Where a move belongs: the positioning point and the lead-in, the outline, the square outline's
// closing feed, the exit arc.
enum class PathStage { LeadIn, Outline, Closing, Exit };
// Enter: a rapid to the point, the heads to clearance on the first hole, and the plunge.
enum class PathMoveKind { Enter, Feed, Arc };

// One move; a coordinate of kOmit keeps the position's (a word left out). Arcs turn clockwise
// about the point (i, j) from their start.
struct PathMove {
    PathMoveKind kind;
    PathStage stage;
    float x;
    float y;
    float i = 0;
    float j = 0;
};

// The hole type cut and the length run along its outline (stretched on a sloped rail); the manual
// form always enters a square outline along an arc.
struct HoleCut {
    const HoleRecord& hole;
    float length;
    bool alwaysArcLeadIn;
};

// The bit, the lead-in and the exit that shape every hole's path.
struct ToolShape {
    float bit = 0;
    float leadin = 0;
    float exit = 0;
};
ToolShape toolShapeOf(const Settings& settings);

// The moves of one hole whose reference corner is (xs, y) after the alignment offset. A
// subprogram hole is a single Enter at its centre.
std::vector<PathMove> holePath(const HoleCut& cut, float xs, float y, const ToolShape& tool);

// The length a post or rail program runs along a hole type's outline: stretched by the slope.
float patternCutLength(const HoleRecord& hole, const RailSlope& slope);

// The alignment offset of a post of this width: half the width to its left edge (alignment 1),
// none at its centre (2), half the width back from its right edge (3); any other alignment keeps
// the previous offset.
float alignmentFor(float materialWidth, int alignment, float previous = 0);

// A point the tool centre passes, with the stage of its move.
struct PathPoint {
    double x;
    double y;
    PathStage stage;
};
// The points of a path to test: every move's end and, along each arc, its extremes in X and Y and
// steps of a few degrees.
std::vector<PathPoint> pathPoints(const std::vector<PathMove>& moves);
