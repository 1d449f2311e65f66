#include "verify/program_check.h"

#include "verify/arc_geometry.h"
#include "verify/cut_outline.h"
#include "verify/program_simulation.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <unordered_map>

namespace {

constexpr double kTolerance = 0.0005;

// What the check of one cut found: nothing, no closed outline, or the first segment (counted from
// the cut's first) where the tool leaves the hole, and by how much.
struct CutVerdict {
    enum Kind { Clean, NoOutline, Leaves } kind = Clean;
    size_t segment = 0;
    double beyond = 0;
    LoopSize loop;
};

// The tool stays in the hole when its centre stays in the region the outline encloses: the hole
// is that region grown by the bit's radius, and the tool a disc of that radius, so the radius
// drops out for the convex outlines a hole is cut round.
CutVerdict judgeCut(const std::vector<PathSegment>& segments, size_t first, size_t end)
{
    const std::optional<CutOutline> outline = CutOutline::find(segments, first, end);
    if (!outline)
        return {CutVerdict::NoOutline, 0, 0, {}};
    const LoopSize loop{true, outline->width(), outline->length(), outline->cornerRadius()};
    for (size_t i = first; i < end; ++i) {
        if (outline->holds(i))
            continue;
        double worst = 0;
        for (const Point2& p : samplePoints(segments[i]))
            worst = std::max(worst, outline->beyond(p));
        if (worst > kTolerance)
            return {CutVerdict::Leaves, i - first, worst, loop};
    }
    return {CutVerdict::Clean, 0, 0, loop};
}

// A job cuts the same few holes again and again at other places, so each shape is judged once:
// its moves relative to where it starts, to a millionth.
class CutJudge {
public:
    // Rounded half away from zero; NaN and the far beyond are kept apart from every near value.
    static long long millionths(double value)
    {
        const double scaled = value * 1e6;
        if (!(std::fabs(scaled) < 9e18))
            return scaled > 0 ? LLONG_MAX : LLONG_MIN;
        return static_cast<long long>(scaled + (scaled < 0 ? -0.5 : 0.5));
    }

    CutVerdict judge(const std::vector<PathSegment>& segments, size_t first, size_t end)
    {
        key_.clear();
        const Point2 origin = segments[first].from;
        const auto put = [&](Point2 p) {
            key_.push_back(millionths(p.x - origin.x));
            key_.push_back(millionths(p.y - origin.y));
        };
        for (size_t i = first; i < end; ++i) {
            key_.push_back(static_cast<long long>(segments[i].motion));
            put(segments[i].to);
            if (segments[i].motion == Motion::Arc)
                put(segments[i].centre);
        }
        const auto known = verdicts_.find(key_);
        if (known != verdicts_.end())
            return known->second;
        return verdicts_[key_] = judgeCut(segments, first, end);
    }

private:
    struct KeyHash {
        size_t operator()(const std::vector<long long>& key) const
        {
            size_t hash = 1469598103934665603ull;
            for (long long v : key)
                hash = (hash ^ static_cast<size_t>(v)) * 1099511628211ull;
            return hash;
        }
    };
    std::vector<long long> key_;
    std::unordered_map<std::vector<long long>, CutVerdict, KeyHash> verdicts_;
};

LoopSize checkCut(const Cut& cut, ProgramTrace& trace, CutJudge& judge)
{
    if (cut.subprogram || cut.firstSegment >= cut.endSegment)
        return {}; // nothing to check but the point where the heads went down
    const CutVerdict verdict = judge.judge(trace.segments, cut.firstSegment, cut.endSegment);
    if (verdict.kind == CutVerdict::NoOutline)
        trace.problems.push_back({cut.firstLine, "The cut goes round no closed outline, so the hole it cuts cannot be told."});
    else if (verdict.kind == CutVerdict::Leaves)
        trace.problems.push_back({trace.segments[cut.firstSegment + verdict.segment].line,
                                  "The tool leaves the hole by " + lengthText(verdict.beyond) + "."});
    return verdict.loop;
}

bool onTable(Point2 p, const VerifyMachine& m)
{
    return p.x >= m.tableMinX - kTolerance && p.x <= m.tableMaxX + kTolerance && p.y >= m.tableMinY - kTolerance &&
           p.y <= m.tableMaxY + kTolerance;
}

void offTable(ProgramTrace& trace, int line, Point2 p)
{
    trace.problems.push_back({line, "The path leaves the machine table at X" + lengthText(p.x) + " Y" + lengthText(p.y) + "."});
}

// The table is where posts are cut: every point where a head is down and every plunge position
// must lie on it. Moves with every head raised go where the settings send them (a park position
// beside the table, say).
void checkTable(ProgramTrace& trace, const VerifyMachine& machine)
{
    if (!machine.hasTable)
        return;
    for (const Cut& cut : trace.cuts) {
        if (cut.atKnown && !onTable(cut.at, machine))
            offTable(trace, cut.firstLine, cut.at);
    }
    for (const PathSegment& segment : trace.segments) {
        if (!segment.headsDown)
            continue;
        for (const Point2& p : extremePoints(segment)) {
            if (!onTable(p, machine)) {
                offTable(trace, segment.line, p);
                break;
            }
        }
    }
}

} // namespace

ProgramReport verifyProgram(std::string_view program, const VerifyMachine& machine, const ShopLibrary& library)
{
    ProgramReport report;
    report.trace = simulateProgram(program, machine);
    ProgramTrace& trace = report.trace;
    CutJudge judge;
    std::vector<LoopSize> loops;
    loops.reserve(trace.cuts.size());
    for (const Cut& cut : trace.cuts)
        loops.push_back(checkCut(cut, trace, judge));
    HoleSizeCheck sizes = checkHoleSizes(readProgramHeader(program), library, machine.bitDiameter, trace.cuts, loops);
    trace.problems.insert(trace.problems.end(), sizes.problems.begin(), sizes.problems.end());
    report.note = std::move(sizes.note);
    checkTable(trace, machine);
    std::stable_sort(trace.problems.begin(), trace.problems.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    report.holes = static_cast<int>(trace.cuts.size());
    report.cuttingSeconds = (trace.feedMinutes + trace.plungeMinutes) * 60;
    return report;
}
