#include "gcode/job_checks.h"

#include "gcode/manual_layout.h"
#include "gcode/output/primitives.h"
#include "gcode/pattern_layout.h"
#include "gcode/pattern_program.h"
#include "gcode/run_checks.h"
#include "platform/messages.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// A tool, a hole or a point may stand this far beyond a wall or an edge.
constexpr double kTolerance = 0.0005;

float single(double value) { return static_cast<float>(value); }
using D = double;

// How far a tool-centre point of a hole cut at the origin lies beyond the region the centre may
// take: the hole's outline, its corners rounded with the larger of the hole's and the bit's
// radius, shrunk by the bit's radius. Not a number when the point is not one.
D beyondHole(const PathPoint& p, D width, D length, D holeRadius, D bitRadius)
{
    const D corner = std::max(holeRadius, bitRadius);
    const D dx = std::max({corner - p.x, 0.0, p.x - (width - corner)});
    const D dy = std::max({corner - p.y, 0.0, p.y - (length - corner)});
    return std::hypot(dx, dy) - (corner - bitRadius);
}

bool fails(bool failed, const std::string& message, Messages& messages)
{
    if (failed)
        messages.show(message);
    return failed;
}

int sidesCut(int sides) { return sides == 2 ? 2 : 1; }
const char* sideName(int side) { return side == 0 ? "side one" : "side two"; }

// One hole where the program cuts it: on the face, and its reference corner at every post.
struct PlacedCut {
    int number;
    const HoleRecord* hole;
    float cutLength;
    bool manual;
    PatternHole onFace;
    std::vector<HoleCorner> atPosts;
};

bool withinMaterial(const PlacedCut& c, const MaterialRecord& material)
{
    const D half = D(c.hole->width) / 2, x = c.onFace.x, top = c.onFace.y;
    const D left = x - half, right = x + half, bottom = top - D(c.cutLength);
    const bool finite = std::isfinite(left) && std::isfinite(right) && std::isfinite(top) && std::isfinite(bottom) &&
                        std::isfinite(material.width) && std::isfinite(material.length);
    return finite && left >= -kTolerance && right <= D(material.width) + kTolerance && bottom >= -kTolerance &&
           top <= D(material.length) + kTolerance;
}

bool tableIsSet(const Settings& s) { return s.table.w > s.table.x && s.table.h > s.table.y; }

bool onTable(const Settings& s, D x, D y)
{
    return x >= D(s.table.x) - kTolerance && x <= D(s.table.w) + kTolerance && y >= D(s.table.y) - kTolerance &&
           y <= D(s.table.h) + kTolerance;
}

// Below this a word is left out of its line, so the machine would not move there.
bool inRange(D x, D y) { return std::isfinite(x) && std::isfinite(y) && x > D(kOmit) && y > D(kOmit); }

template <class Test>
bool everyPoint(const PlacedCut& c, const std::vector<PathPoint>& local, float alignment, Test test)
{
    for (const HoleCorner& corner : c.atPosts) {
        const float xs = single(D(corner.x) + alignment);
        for (const PathPoint& p : local) {
            if (!test(D(xs) + p.x, D(corner.y) + p.y))
                return false;
        }
    }
    return true;
}

// The checks of each hole in turn: on the material, on the table, within the range.
bool checkPlacedCuts(const std::vector<PlacedCut>& cuts, int side, const MaterialRecord& material, const Settings& s,
                     Messages& messages)
{
    const float alignment = alignmentFor(material.width, s.alignment);
    const ToolShape tool = toolShapeOf(s);
    const auto onTheTable = [&](D x, D y) { return onTable(s, x, y); };
    std::map<std::pair<const HoleRecord*, float>, std::vector<PathPoint>> paths;
    for (const PlacedCut& c : cuts) {
        const std::string hole = "Hole " + std::to_string(c.number) + " of " + sideName(side) + " lies outside the ";
        if (fails(!withinMaterial(c, material), hole + "material.", messages))
            return false;
        auto& local = paths[{c.hole, c.cutLength}];
        if (local.empty())
            local = pathPoints(holePath(HoleCut{*c.hole, c.cutLength, c.manual}, 0, 0, tool));
        if (fails(tableIsSet(s) && !everyPoint(c, local, alignment, onTheTable), hole + "machine table.", messages) ||
            fails(!everyPoint(c, local, alignment, inRange), hole + "machine's range.", messages))
            return false;
    }
    return true;
}

int postsOfRun(const Settings& s) { return std::clamp(s.cutatonce, 0, kFixturePositions); }

// The holes that can reach the material and the first one that cannot: later holes only move
// further away, so the checks cost what the material can hold, whatever the count.
int holesToCheck(const PatternInput& in)
{
    const D pitch = D(in.holeLength) + D(in.spacing);
    if (in.holeCount <= 1)
        return std::max(in.holeCount, 0);
    if (pitch == 0)
        return 1; // every hole where the first is
    const D room = pitch > 0 ? D(in.materialLength) - D(in.distanceFromTop) - D(in.holeLength) : D(in.distanceFromTop);
    const D fit = std::floor((room + kTolerance) / std::fabs(pitch)) + 1;
    if (!std::isfinite(fit))
        return std::min(in.holeCount, 2); // the first hole already lies off the material
    if (fit >= D(in.holeCount) - 2)
        return in.holeCount;
    // fit is below the count here, but can lie far below zero, out of an int's range.
    return (fit > 0 ? static_cast<int>(fit) : 0) + 2;
}

// Corners in cutting order into the pattern's order from the top end.
std::vector<HoleCorner> fromTop(std::vector<HoleCorner> corners, bool reversed)
{
    if (reversed)
        std::reverse(corners.begin(), corners.end());
    return corners;
}

template <class InputOf>
std::vector<PlacedCut> patternCuts(InputOf inputOf, const HoleRecord& hole, const MaterialRecord& material,
                                   const Settings& s)
{
    const auto input = [&](int pairIndex) {
        PatternInput in = inputOf(pairIndex);
        in.holeCount = holesToCheck(in);
        return in;
    };
    const PatternInput first = input(0);
    const bool topAtLowY = first.variant == 2 || first.variant == 4;
    std::vector<std::vector<HoleCorner>> posts;
    for (int pair = 0; pair < postsOfRun(s) / 2; ++pair) {
        PatternPosts cut = layoutPattern(input(pair), true);
        posts.push_back(fromTop(std::move(cut.first), topAtLowY));
        posts.push_back(fromTop(std::move(cut.second), !topAtLowY));
    }
    if (postsOfRun(s) % 2 == 1)
        posts.push_back(fromTop(layoutPattern(input(postsOfRun(s) / 2), false).first, topAtLowY));

    std::vector<PlacedCut> cuts;
    const std::vector<PatternHole> onFace = patternOnFace(first, material.width);
    for (size_t i = 0; i < onFace.size(); ++i) {
        PlacedCut c{static_cast<int>(i) + 1, &hole, first.holeLength, false, onFace[i], {}};
        for (const auto& post : posts)
            c.atPosts.push_back(post[i]);
        cuts.push_back(std::move(c));
    }
    return cuts;
}

template <class Job, class InputOf>
bool checkPatternPlacement(const Job& job, InputOf inputOf, const RunContext& run, Messages& messages)
{
    for (int side = 0; side < sidesCut(job.sides); ++side) {
        const auto sideInput = [&](int pairIndex) { return inputOf(job, side, pairIndex, run); };
        const HoleRecord& hole = job.holeType[static_cast<size_t>(side)];
        if (!checkPlacedCuts(patternCuts(sideInput, hole, job.material, run.settings), side, job.material, run.settings,
                             messages))
            return false;
    }
    return true;
}

// The slope stretches a hole type on the rail only: the Posts page's run is level.
template <class Job>
bool checkPatternHoleTypes(const Job& job, const RailSlope& slope, const Settings& settings,
                           const HoleSuffixes& suffixes, Messages& messages)
{
    for (int side = 0; side < sidesCut(job.sides); ++side) {
        const HoleRecord& hole = job.holeType[static_cast<size_t>(side)];
        if (!checkHoleCut(HoleCut{hole, patternCutLength(hole, slope), false}, settings,
                          side == 0 ? suffixes.side1 : suffixes.side2, messages))
            return false;
    }
    return true;
}

std::vector<PlacedCut> manualCuts(const ManualJob& job, int side, const Settings& s)
{
    const int variant = programVariant(s.start, s.direction);
    const FaceFrame face{variant, s.startpos.y, job.material.length, 0, job.material.width};
    std::map<int, PlacedCut> bySlot;
    for (const ManualHoleAt& at : layoutManualPost(job, side, variant, s.startpos.y, 0, false)) {
        const HoleRecord& hole = job.placedHoles[static_cast<size_t>(side)][static_cast<size_t>(at.slot)].hole;
        bySlot.emplace(at.slot, PlacedCut{at.slot + 1, &hole, hole.length, true,
                                          cornerOnFace(face, {at.x, at.y}, hole.width, hole.length), {}});
    }
    const int posts = postsOfRun(s);
    for (int post = 0; post < posts; ++post) {
        const float fixture = s.spos[static_cast<size_t>(post)];
        const bool second = post % 2 == 1;
        for (const ManualHoleAt& at : layoutManualPost(job, side, variant, s.startpos.y, fixture, second))
            bySlot.at(at.slot).atPosts.push_back({at.x, at.y});
    }
    std::vector<PlacedCut> cuts;
    for (auto& [slot, cut] : bySlot)
        cuts.push_back(std::move(cut));
    return cuts;
}

} // namespace

bool checkHoleCut(const HoleCut& cut, const Settings& settings, const std::string& suffix, Messages& messages)
{
    const HoleRecord& hole = cut.hole;
    if (!checkHoleGeometry(cut.length, hole.width, hole.radius, settings, suffix, messages))
        return false;
    if (hole.subprogram != 0)
        return true;
    const D bit = settings.bit;
    if (fails(bit > D(hole.width) || bit > D(cut.length), "Bit Diameter Error" + suffix, messages))
        return false;
    const D bitRadius = single(bit / 2);
    for (const PathPoint& p : pathPoints(holePath(cut, 0, 0, toolShapeOf(settings)))) {
        if (!(beyondHole(p, hole.width, cut.length, hole.radius, bitRadius) <= kTolerance)) {
            messages.show((p.stage == PathStage::Exit ? "Exit Arc Radius Error" : "Lead in Arc Radius Error") + suffix);
            return false;
        }
    }
    return true;
}

bool checkPostHoleTypes(const PostJob& job, const RunContext& run, const HoleSuffixes& suffixes, Messages& messages)
{
    return checkPatternHoleTypes(job, RailSlope{}, run.settings, suffixes, messages);
}

bool checkRailHoleTypes(const RailJob& job, const RunContext& run, const HoleSuffixes& suffixes, Messages& messages)
{
    return checkPatternHoleTypes(job, run.slope, run.settings, suffixes, messages);
}

bool checkManualHoleTypes(const ManualJob& job, const RunContext& run, Messages& messages)
{
    for (int side = 0; side < sidesCut(job.sides); ++side) {
        const auto& slots = job.placedHoles[static_cast<size_t>(side)];
        for (size_t slot = 0; slot < slots.size(); ++slot) {
            if (!slots[slot].filled())
                continue;
            const HoleRecord& hole = slots[slot].hole;
            const std::string suffix = ", " + std::string(sideName(side)) + ", hole " + std::to_string(slot + 1) + ".";
            if (!checkHoleCut(HoleCut{hole, hole.length, true}, run.settings, suffix, messages))
                return false;
        }
    }
    return true;
}

bool checkPostPlacement(const PostJob& job, const RunContext& run, Messages& messages)
{
    return checkPatternPlacement(job, postPatternInput, run, messages);
}

bool checkRailPlacement(const RailJob& job, const RunContext& run, Messages& messages)
{
    return checkPatternPlacement(job, railPatternInput, run, messages);
}

bool checkManualPlacement(const ManualJob& job, const RunContext& run, Messages& messages)
{
    for (int side = 0; side < sidesCut(job.sides); ++side) {
        if (!checkPlacedCuts(manualCuts(job, side, run.settings), side, job.material, run.settings, messages))
            return false;
    }
    return true;
}
