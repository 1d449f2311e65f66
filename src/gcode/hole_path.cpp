#include "gcode/hole_path.h"

#include "gcode/output/primitives.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Every coordinate is computed in double precision from single-precision inputs and rounded once.
float single(double value) { return static_cast<float>(value); }
using D = double;

class PathBuilder {
public:
    void enter(PathStage stage, float x, float y) { moves_.push_back({PathMoveKind::Enter, stage, x, y}); }
    void feed(PathStage stage, float x, float y) { moves_.push_back({PathMoveKind::Feed, stage, x, y}); }
    void arc(PathStage stage, float x, float y, float i, float j)
    {
        moves_.push_back({PathMoveKind::Arc, stage, x, y, i, j});
    }
    std::vector<PathMove> moves() { return std::move(moves_); }

private:
    std::vector<PathMove> moves_;
};

std::vector<PathMove> roundedOutline(const HoleCut& c, float xs, float y, float r, float rc, const ToolShape& tool)
{
    const D R = c.hole.radius, W = c.hole.width, L = c.length, ld = tool.leadin, ex = tool.exit;
    constexpr PathStage in = PathStage::LeadIn, around = PathStage::Outline;
    PathBuilder p;
    if (ld > 0) {
        p.enter(in, single(xs + R + ld), single(D(y) + r + ld));
        p.arc(in, single(xs + R), single(y + D(r)), single(-ld), 0);
    }
    p.arc(around, single(xs + D(r)), single(y + R), 0, rc);
    p.feed(around, single(xs + D(r)), single(y + L - R));
    p.arc(around, single(xs + R), single(y + L - r), rc, 0);
    p.feed(around, single(xs + W - R), kOmit);
    p.arc(around, single(xs + W - r), single(y + L - R), 0, -rc);
    p.feed(around, kOmit, single(y + R));
    p.arc(around, single(xs + W - R), single(y + D(r)), -rc, 0);
    p.feed(around, single(xs + R), kOmit);
    p.arc(around, single(xs + D(r)), single(y + R), 0, rc);
    if (ex > 0)
        p.arc(PathStage::Exit, single(xs + D(r) + ex), single(y + R + ex), single(ex), 0);
    return p.moves();
}

std::vector<PathMove> squareOutline(const HoleCut& c, float xs, float y, float r, const ToolShape& tool)
{
    const D W = c.hole.width, L = c.length, ld = tool.leadin, ex = tool.exit;
    constexpr PathStage in = PathStage::LeadIn, around = PathStage::Outline;
    const float q = single(W / 4);
    const bool arc = c.alwaysArcLeadIn || std::fabs(D(r) + D(r) - W) >= D(q) + ld;
    PathBuilder p;
    if (ld > 0) {
        if (arc) {
            p.enter(in, single(xs + D(q) + ld), single(y + ld + r));
            p.arc(in, single(xs + D(q)), single(y + D(r)), single(-ld), 0);
        } else {
            p.enter(in, single(xs + D(r)), single(y + D(r)));
            p.feed(in, single(xs + D(r)), single(y + D(r)));
        }
    }
    p.feed(around, single(xs + D(r)), kOmit);
    p.feed(around, single(xs + D(r)), single(y + L - r));
    p.feed(around, single(xs + W - r), kOmit);
    p.feed(around, kOmit, single(y + D(r)));
    p.feed(around, single(xs + D(r)), kOmit);
    const float ye = single(y + D(arc ? q : r));
    p.feed(PathStage::Closing, kOmit, ye);
    if (ex > 0)
        p.arc(PathStage::Exit, single(xs + D(r) + ex), single(ye + ex), single(ex), 0);
    return p.moves();
}

bool omitted(float value) { return value <= kOmit; }

// The points of one clockwise arc from start to end about centre; an arc that ends where it
// starts is a full turn, as the controller cuts it.
void addArcPoints(std::vector<PathPoint>& points, D x0, D y0, D x1, D y1, D cx, D cy, PathStage stage)
{
    constexpr D kTurn = 2 * std::numbers::pi;
    constexpr int kSteps = 64;
    const D radius = std::hypot(x0 - cx, y0 - cy);
    const D from = std::atan2(y0 - cy, x0 - cx);
    D sweep = from - std::atan2(y1 - cy, x1 - cx);
    while (sweep <= 0)
        sweep += kTurn;
    if (x0 == x1 && y0 == y1)
        sweep = kTurn;
    for (int k = 1; k < kSteps; ++k) {
        const D angle = from - sweep * k / kSteps;
        points.push_back({cx + radius * std::cos(angle), cy + radius * std::sin(angle), stage});
    }
    // The extremes in X and Y that the arc passes.
    for (int quarter = -8; quarter <= 8; ++quarter) {
        const D angle = quarter * kTurn / 4;
        const D turned = from - angle;
        if (turned > 0 && turned < sweep)
            points.push_back({cx + radius * std::cos(angle), cy + radius * std::sin(angle), stage});
    }
}

} // namespace

ToolShape toolShapeOf(const Settings& settings)
{
    return {settings.bit, settings.leadin, settings.exit};
}

float patternCutLength(const HoleRecord& hole, const RailSlope& slope)
{
    return single(D(hole.length) * slope.factor + slope.extra);
}

float alignmentFor(float materialWidth, int alignment, float previous)
{
    switch (alignment) {
    case 1: return single(D(materialWidth) / 2);
    case 2: return 0;
    case 3: return single(-(D(materialWidth) / 2));
    default: return previous;
    }
}

std::vector<PathMove> holePath(const HoleCut& cut, float xs, float y, const ToolShape& tool)
{
    const float r = single(D(tool.bit) / 2);
    const float rc = std::max(0.0f, single(D(cut.hole.radius) - r));
    if (cut.hole.subprogram != 0) {
        const float x = single(D(xs) + D(cut.hole.width) / 2);
        return {{PathMoveKind::Enter, PathStage::LeadIn, x, single(D(y) + D(cut.hole.length) / 2)}};
    }
    return rc > 0 ? roundedOutline(cut, xs, y, r, rc, tool) : squareOutline(cut, xs, y, r, tool);
}

std::vector<PathPoint> pathPoints(const std::vector<PathMove>& moves)
{
    std::vector<PathPoint> points;
    D x = 0, y = 0;
    // A path without a lead-in starts from wherever the tool was: a coordinate is known only once
    // a move has named it, and only points between known positions are the path's.
    bool xKnown = false, yKnown = false;
    for (const PathMove& m : moves) {
        const bool startKnown = xKnown && yKnown;
        const D x1 = omitted(m.x) ? x : D(m.x);
        const D y1 = omitted(m.y) ? y : D(m.y);
        xKnown = xKnown || !omitted(m.x);
        yKnown = yKnown || !omitted(m.y);
        if (m.kind == PathMoveKind::Arc && startKnown)
            addArcPoints(points, x, y, x1, y1, x + D(m.i), y + D(m.j), m.stage);
        if (xKnown && yKnown)
            points.push_back({x1, y1, m.stage});
        x = x1;
        y = y1;
    }
    return points;
}
