#include "verify/hole_sizes.h"

#include "platform/text_compare.h"
#include "settings/text_helpers.h"
#include "verify/arc_geometry.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Beyond this a hole is not the size of its hole type; a little more is allowed for the three
// decimals the coordinates are written with.
constexpr double kSizeTolerance = 0.001 + 1e-5;

using Form = ProgramHeader::Form;

const char* sideName(int side) { return side == 0 ? "one" : "two"; }

std::string trimmed(std::string text)
{
    TrimSpaces(text);
    return text;
}

// The library entry of a name as Load finds it: the entry of that name, else the first in the
// list's order whose name begins with it (letter case aside).
template <class Record>
const Record* findRecord(const std::vector<Record>& library, const std::string& loaded)
{
    const std::string name = trimmed(loaded);
    if (name.empty())
        return nullptr;
    const Record* found = nullptr;
    for (const Record& record : library) {
        const std::string listed = trimmed(record.name);
        if (compareNoCase(listed, name) == 0)
            return &record;
        if (startsWithNoCase(listed, name) && (!found || compareNoCase(listed, trimmed(found->name)) < 0))
            found = &record;
    }
    return found;
}

// A hole type as the program should cut it.
struct Expected {
    const HoleRecord* type = nullptr;
    double length = 0;
};

struct Matcher {
    const ShopLibrary& library;
    double bit;
    HoleSizeCheck result;

    bool fail(std::string why)
    {
        if (result.note.empty())
            result.note = "Hole sizes were not checked: " + std::move(why);
        return false;
    }

    std::optional<Expected> holeType(const std::string& name, double stretch, double extra, const char* side)
    {
        const HoleRecord* type = findRecord(library.holes, name);
        if (!type) {
            fail(trimmed(name).empty() ? std::string("the header names no hole type for side ") + side + "."
                                       : "the hole library has no hole type " + trimmed(name) + ".");
            return std::nullopt;
        }
        return Expected{type, double(type->length) * stretch + extra};
    }

    // A hole as cut and as its hole type has it: width, length, corner radius.
    struct Size {
        double width, length, corner;
    };
    Size cutSize(const LoopSize& loop) const
    {
        const double r = bit / 2;
        return {loop.width + bit, loop.length + bit, loop.corner > 0 ? loop.corner + r : r};
    }
    Size typeSize(const Expected& e) const { return {e.type->width, e.length, std::max(double(e.type->radius), bit / 2)}; }

    // How far the hole is from its hole type's size, all three measures together.
    double distance(const Expected& e, const LoopSize& loop) const
    {
        const Size cut = cutSize(loop), type = typeSize(e);
        return std::fabs(cut.width - type.width) + std::fabs(cut.length - type.length) + std::fabs(cut.corner - type.corner);
    }

    // The difference, as the operator reads it, or empty when the hole is its hole type's size.
    std::string difference(const Expected& e, const LoopSize& loop) const
    {
        const Size cut = cutSize(loop), type = typeSize(e);
        const bool cornersDiffer = std::fabs(cut.corner - type.corner) > kSizeTolerance;
        if (std::fabs(cut.width - type.width) <= kSizeTolerance && std::fabs(cut.length - type.length) <= kSizeTolerance &&
            !cornersDiffer)
            return {};
        const auto text = [&](const Size& size) {
            return lengthText(size.width) + " x " + lengthText(size.length) +
                   (cornersDiffer ? " with corners of " + lengthText(size.corner) : "");
        };
        return "is cut " + text(cut) + "; its hole type " + trimmed(e.type->name) + " is " + text(type) + ".";
    }

    // Whether the hole is measured: a called program cuts a subprogram hole, so only its plunge
    // point is the reader's to check.
    static bool measured(const Expected& e, const Cut& cut, const LoopSize& loop)
    {
        return e.type->subprogram == 0 && !cut.subprogram && loop.known;
    }

    void judge(int number, int side, const Expected& e, const Cut& cut, const LoopSize& loop)
    {
        if (!measured(e, cut, loop))
            return;
        const std::string wrong = difference(e, loop);
        if (!wrong.empty())
            result.problems.push_back(
                {cut.firstLine, "Hole " + std::to_string(number) + " of side " + sideName(side) + " " + wrong});
    }
};

// A rail on a slope stretches every hole along it by a factor and an extra length.
bool railStretch(const ProgramHeader& header, Matcher& m, double& factor, double& extra)
{
    factor = 1, extra = 0;
    if (header.form != Form::Rail || !(header.rise > 0 && header.run > 0))
        return true;
    const MaterialRecord* material = findRecord(m.library.materials, header.materialName);
    if (!material)
        return m.fail("the material library has no material " + trimmed(header.materialName) +
                      ", whose thickness stretches the rail's holes.");
    factor = std::hypot(header.run, header.rise) / header.run;
    extra = header.rise / header.run * material->thickness;
    return true;
}

void checkPattern(const ProgramHeader& header, Matcher& m, const std::vector<Cut>& cuts, const std::vector<LoopSize>& loops)
{
    double factor = 1, extra = 0;
    if (!railStretch(header, m, factor, extra))
        return;
    std::optional<Expected> types[2];
    int numbers[2] = {0, 0};
    for (size_t i = 0; i < cuts.size(); ++i) {
        const int side = cuts[i].side == 1 ? 1 : 0;
        if (!types[side] && !(types[side] = m.holeType(header.holeNames[side], factor, extra, sideName(side))))
            return;
        m.judge(++numbers[side], side, *types[side], cuts[i], loops[i]);
    }
}

// The Manual form: every post of a side cuts the side's listed holes, in their order or in the
// reverse order; the order nearer to the holes' sizes is the one they are measured in.
void checkManualSide(const ProgramHeader& header, Matcher& m, int side, const std::vector<size_t>& cutsOfSide,
                     const std::vector<Cut>& cuts, const std::vector<LoopSize>& loops)
{
    const std::vector<HeaderHole>& listed = header.manualHoles[static_cast<size_t>(side)];
    if (cutsOfSide.empty())
        return;
    std::vector<Expected> types;
    for (const HeaderHole& hole : listed) {
        const std::optional<Expected> type = m.holeType(hole.name, 1, 0, sideName(side));
        if (!type)
            return;
        types.push_back(*type);
    }
    const size_t n = types.size();
    if (n == 0 || cutsOfSide.size() % n != 0) {
        m.fail("side " + std::string(sideName(side)) + " cuts " + std::to_string(cutsOfSide.size()) +
               " holes, not a whole number of posts of the " + std::to_string(n) + " its header lists.");
        return;
    }
    for (size_t post = 0; post < cutsOfSide.size(); post += n) {
        const auto slot = [&](size_t k, bool reversed) { return reversed ? n - 1 - k : k; };
        const auto wrong = [&](bool reversed) {
            double off = 0;
            for (size_t k = 0; k < n; ++k) {
                const size_t i = cutsOfSide[post + k];
                const Expected& e = types[slot(k, reversed)];
                off += Matcher::measured(e, cuts[i], loops[i]) ? m.distance(e, loops[i]) : 0;
            }
            return off;
        };
        const bool reversed = wrong(true) < wrong(false);
        for (size_t k = 0; k < n; ++k) {
            const size_t i = cutsOfSide[post + k];
            m.judge(listed[slot(k, reversed)].number, side, types[slot(k, reversed)], cuts[i], loops[i]);
        }
    }
}

} // namespace

HoleSizeCheck checkHoleSizes(const ProgramHeader& header, const ShopLibrary& library, double bit,
                             const std::vector<Cut>& cuts, const std::vector<LoopSize>& loops)
{
    Matcher m{library, bit, {}};
    if (header.form == Form::None) {
        m.fail("the program has no setup header that names its hole types.");
    } else if (!library.read) {
        m.fail("the hole library cannot be read.");
    } else if (header.form == Form::Manual) {
        std::vector<size_t> cutsOfSide[2];
        for (size_t i = 0; i < cuts.size(); ++i)
            cutsOfSide[cuts[i].side == 1 ? 1 : 0].push_back(i);
        for (int side = 0; side < 2 && m.result.note.empty(); ++side)
            checkManualSide(header, m, side, cutsOfSide[side], cuts, loops);
    } else {
        checkPattern(header, m, cuts, loops);
    }
    return std::move(m.result);
}
