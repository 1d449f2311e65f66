#include "verify/program_check.h"

#include "verify/arc_geometry.h"
#include "verify/cut_outline.h"
#include "verify/program_simulation.h"

#include <algorithm>
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
};

// The tool stays in the hole when its centre stays in the region the outline encloses: the hole
// is that region grown by the bit's radius, and the tool a disc of that radius, so the radius
// drops out for the convex outlines a hole is cut round.
CutVerdict judgeCut(const std::vector<PathSegment>& segments, size_t first, size_t end)
{
    const std::optional<CutOutline> outline = CutOutline::find(segments, first, end);
    if (!outline)
        return {CutVerdict::NoOutline};
    for (size_t i = first; i < end; ++i) {
        if (outline->holds(i))
            continue;
        double worst = 0;
        for (const Point2& p : samplePoints(segments[i]))
            worst = std::max(worst, outline->beyond(p));
        if (worst > kTolerance)
            return {CutVerdict::Leaves, i - first, worst};
    }
    return {};
}

// A job cuts the same few holes again and again at other places, so each shape is judged once:
// its moves relative to where it starts, to a millionth.
class CutJudge {
public:
    CutVerdict judge(const std::vector<PathSegment>& segments, size_t first, size_t end)
    {
        key_.clear();
        const Point2 origin = segments[first].from;
        const auto put = [&](Point2 p) {
            key_.push_back(std::llround((p.x - origin.x) * 1e6));
            key_.push_back(std::llround((p.y - origin.y) * 1e6));
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

void checkCut(const Cut& cut, ProgramTrace& trace, CutJudge& judge)
{
    if (cut.subprogram || cut.firstSegment >= cut.endSegment)
        return; // nothing to check but the point where the heads went down
    const CutVerdict verdict = judge.judge(trace.segments, cut.firstSegment, cut.endSegment);
    if (verdict.kind == CutVerdict::NoOutline)
        trace.problems.push_back({cut.firstLine, "The cut goes round no closed outline, so the hole it cuts cannot be told."});
    else if (verdict.kind == CutVerdict::Leaves)
        trace.problems.push_back({trace.segments[cut.firstSegment + verdict.segment].line,
                                  "The tool leaves the hole by " + lengthText(verdict.beyond) + "."});
}

bool onTable(Point2 p, const VerifyMachine& m)
{
    return p.x >= m.tableMinX - kTolerance && p.x <= m.tableMaxX + kTolerance && p.y >= m.tableMinY - kTolerance &&
           p.y <= m.tableMaxY + kTolerance;
}

void checkTable(ProgramTrace& trace, const VerifyMachine& machine)
{
    if (!machine.hasTable)
        return;
    for (const PathSegment& segment : trace.segments) {
        for (const Point2& p : extremePoints(segment)) {
            if (!onTable(p, machine)) {
                trace.problems.push_back({segment.line, "The path leaves the machine table at X" + lengthText(p.x) +
                                                            " Y" + lengthText(p.y) + "."});
                break;
            }
        }
    }
}

} // namespace

ProgramReport verifyProgram(std::string_view program, const VerifyMachine& machine)
{
    ProgramReport report;
    report.trace = simulateProgram(program, machine);
    ProgramTrace& trace = report.trace;
    CutJudge judge;
    for (const Cut& cut : trace.cuts)
        checkCut(cut, trace, judge);
    checkTable(trace, machine);
    std::stable_sort(trace.problems.begin(), trace.problems.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    report.holes = static_cast<int>(trace.cuts.size());
    report.cuttingSeconds = (trace.feedMinutes + trace.plungeMinutes) * 60;
    return report;
}
