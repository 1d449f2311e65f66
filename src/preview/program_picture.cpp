#include "preview/program_picture.h"

#include "verify/arc_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kMargin = 8;       // pixels around the drawing
constexpr double kParkMark = 5;  // half the park cross, in pixels
constexpr int kMostChords = 64;  // per arc

struct Bounds {
    double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    void add(Point2 p)
    {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
};

Bounds boundsOf(const ProgramPicture& picture)
{
    Bounds bounds;
    for (const PathSegment& segment : picture.report.trace.segments) {
        for (const Point2& p : extremePoints(segment))
            bounds.add(p);
    }
    const VerifyMachine& m = picture.machine;
    if (m.hasTable) {
        bounds.add({m.tableMinX, m.tableMinY});
        bounds.add({m.tableMaxX, m.tableMaxY});
    }
    if (picture.report.trace.parkKnown)
        bounds.add(picture.report.trace.park);
    return bounds;
}

// World to pane pixels: one scale for both axes, y up in the world and down on the pane.
struct Placement {
    double scale = 1, originX = 0, originY = 0;
    int height = 0;
    Point2 operator()(Point2 p) const { return {(p.x - originX) * scale + kMargin, height - kMargin - (p.y - originY) * scale}; }
};

Placement placementFor(const Bounds& bounds, int width, int height)
{
    const double spanX = std::max(bounds.maxX - bounds.minX, 1e-6), spanY = std::max(bounds.maxY - bounds.minY, 1e-6);
    const double scale = std::min((width - 2 * kMargin) / spanX, (height - 2 * kMargin) / spanY);
    return {std::max(scale, 1e-9), bounds.minX, bounds.minY, height};
}

Stroke strokeOf(const PathSegment& segment)
{
    if (!segment.headsDown)
        return Stroke::Rapid;
    return segment.side == 0 ? Stroke::Side1Cut : Stroke::Side2Cut;
}

void addSegment(const PathSegment& segment, const Placement& place, std::vector<PictureLine>& lines)
{
    const Stroke stroke = strokeOf(segment);
    int chords = 1;
    if (segment.motion == Motion::Arc)
        chords = std::clamp(static_cast<int>(std::ceil(segmentLength(segment) * place.scale / 3)), 2, kMostChords);
    Point2 from = place(segment.from);
    for (int i = 1; i <= chords; ++i) {
        const Point2 to = place(pointAlong(segment, static_cast<double>(i) / chords));
        lines.push_back({stroke, from.x, from.y, to.x, to.y});
        from = to;
    }
}

} // namespace

ProgramPicture pictureOfProgram(ProgramReport report, const VerifyMachine& machine)
{
    ProgramPicture picture;
    picture.machine = machine;
    picture.report = std::move(report);
    return picture;
}

ProgramPicture pictureOfReason(const std::string& reason)
{
    ProgramPicture picture;
    picture.reason = reason;
    return picture;
}

std::string cuttingTimeText(double seconds)
{
    const long long whole = std::isfinite(seconds) && seconds > 0 ? std::llround(seconds) : 0;
    const std::string time = whole >= 60 ? std::to_string(whole / 60) + " min " + std::to_string(whole % 60) + " s"
                                         : std::to_string(whole) + " s";
    return "Cutting time about " + time + ", rapids and flips not counted";
}

std::vector<PictureLine> layOutPicture(const ProgramPicture& picture, int width, int height)
{
    std::vector<PictureLine> lines;
    const Bounds bounds = boundsOf(picture);
    if (!picture.reason.empty() || !(bounds.minX <= bounds.maxX) || width <= 2 * kMargin || height <= 2 * kMargin)
        return lines;
    const Placement place = placementFor(bounds, width, height);
    const VerifyMachine& m = picture.machine;
    if (m.hasTable) {
        const Point2 a = place({m.tableMinX, m.tableMinY}), b = place({m.tableMaxX, m.tableMaxY});
        for (const auto& [x1, y1, x2, y2] : {std::array{a.x, a.y, b.x, a.y}, std::array{b.x, a.y, b.x, b.y},
                                             std::array{b.x, b.y, a.x, b.y}, std::array{a.x, b.y, a.x, a.y}})
            lines.push_back({Stroke::Table, x1, y1, x2, y2});
    }
    for (const PathSegment& segment : picture.report.trace.segments)
        addSegment(segment, place, lines);
    if (picture.report.trace.parkKnown) {
        const Point2 p = place(picture.report.trace.park);
        lines.push_back({Stroke::Park, p.x - kParkMark, p.y - kParkMark, p.x + kParkMark, p.y + kParkMark});
        lines.push_back({Stroke::Park, p.x - kParkMark, p.y + kParkMark, p.x + kParkMark, p.y - kParkMark});
    }
    return lines;
}
