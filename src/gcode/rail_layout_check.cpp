#include "gcode/rail_layout_check.h"

#include "settings/numbers.h"
#include "settings/text_helpers.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr const char* kTooShort = "Invalid Settings.\nMaterial Length not long enough for current settings";

float single(double value) { return static_cast<float>(value); }

// A distance worked out again that moves by less than this has not moved: a tenth of the
// thousandth it is shown to.
constexpr double kUnchanged = 0.0001;

// A length field's text read in its mode, keeping the value it held while it still shows it;
// nothing for a text that is no length or too large for a float.
std::optional<float> lengthOf(const std::string& text, int mode, float held)
{
    const std::optional<double> value = readLengthText(text, mode);
    if (!value || !std::isfinite(single(*value)))
        return std::nullopt;
    return lengthFieldValue(text, mode, held);
}

bool isCountText(const std::string& text)
{
    return IsNumberText(text, kUnsigned) && std::isfinite(leadingFloat(text));
}

class RailLayout {
public:
    explicit RailLayout(const RailEntry& entry) { result_.entry = entry; }
    RailLayoutResult run(RailChange change, int side);

private:
    RailEntry& entry() { return result_.entry; }
    RailEntrySide& side(int s) { return result_.entry.side[s == 1 ? 1 : 0]; }
    bool both() const { return result_.entry.sides == 2; }
    bool refuse(const char* message, RailField field = RailField::None, int side = 0);
    bool takeLength(std::string& text, int mode, float& value);
    bool takeSlope(std::string& text, float& value, const char* message, RailField field);
    bool takeDistances();
    void takeOffset(int s);
    void spacingHandler();
    void holesHandler(int s);
    bool check();
    bool fits(int s);
    bool layOut(int s);
    void makeEqual(int s);
    void show(int s);
    bool addHoles(int s);
    float holeLength(int s);
    float spacingOf(int s);

    RailLayoutResult result_;
    bool makeEqual_ = false;
    // The side whose count the operator raised, by holes added one pitch at a time.
    int raisedSide_ = -1;
};

RailLayoutResult RailLayout::run(RailChange change, int s)
{
    switch (change) {
    case RailChange::Rise:
        if (takeSlope(entry().riseText, entry().rise, "Amount of the Rise must be a positive number.", RailField::Rise))
            spacingHandler();
        break;
    case RailChange::Run:
        if (takeSlope(entry().runText, entry().run, "Amount of the Run must be a positive number.", RailField::Run))
            spacingHandler();
        break;
    case RailChange::Distance:
        if (takeDistances())
            spacingHandler();
        break;
    case RailChange::Refresh:
    case RailChange::Spacing: spacingHandler(); break;
    case RailChange::Holes: holesHandler(s); break;
    case RailChange::OffsetAmount: takeOffset(s); break;
    case RailChange::MakeEqual:
        makeEqual_ = true;
        check();
        break;
    }
    result_.slope = railSlope(entry().rise, entry().run, entry().thickness);
    return result_;
}

bool RailLayout::refuse(const char* message, RailField field, int s)
{
    result_.message = message;
    result_.field = field;
    result_.fieldSide = s;
    return false;
}

// A length typed as a fraction is shown as its value, as every length is.
bool RailLayout::takeLength(std::string& text, int mode, float& value)
{
    const std::optional<float> read = lengthOf(text, mode, value);
    if (!read)
        return false;
    value = *read;
    if (!IsNumberText(text, mode))
        text = fixed3(value);
    return true;
}

// Rise or Run left: empty is level.
bool RailLayout::takeSlope(std::string& text, float& value, const char* message, RailField field)
{
    if (text.empty()) {
        value = 0;
        return true;
    }
    return takeLength(text, kUnsigned, value) || refuse(message, field);
}

// Nothing happens while side 1's distance is empty; side 2's, empty, takes side 1's.
bool RailLayout::takeDistances()
{
    constexpr const char* kRefused = "Distance to First Hole must be a positive number.";
    RailEntrySide& s1 = side(0);
    if (s1.distanceText.empty())
        return false;
    if (!takeLength(s1.distanceText, kUnsigned, s1.distanceFromTop))
        return refuse(kRefused, RailField::Distance, 0);
    if (!both())
        return true;
    RailEntrySide& s2 = side(1);
    if (s2.distanceText.empty()) {
        s2.distanceText = s1.distanceText;
        s2.distanceFromTop = s1.distanceFromTop;
        return true;
    }
    return takeLength(s2.distanceText, kUnsigned, s2.distanceFromTop) || refuse(kRefused, RailField::Distance, 1);
}

// An empty side 1 amount is 0 and an empty side 2 amount is side 1's, each without alternating.
void RailLayout::takeOffset(int s)
{
    RailEntrySide& rs = side(s);
    if (rs.offsetText.empty()) {
        rs.offsetAmount = s == 0 ? 0.0f : side(0).offsetAmount;
        rs.alternate = false;
    } else if (!takeLength(rs.offsetText, kSigned, rs.offsetAmount)) {
        refuse("Offset amount must be a number.", RailField::OffsetAmount, s);
    }
}

// The layout is checked once a spacing is typed; until then there is nothing to leave below.
void RailLayout::spacingHandler()
{
    RailEntrySide& s1 = side(0);
    if (s1.spacingText.empty()) {
        s1.spacing = 0;
        for (RailEntrySide& rs : entry().side) {
            rs.bottomText.clear();
            rs.distanceFromBottom = kUnsetLength;
        }
        return;
    }
    if (!takeLength(s1.spacingText, kSigned, s1.spacing)) {
        refuse("Spacing Between Holes must be a number.", RailField::Spacing, 0);
        return;
    }
    if (both()) {
        RailEntrySide& s2 = side(1);
        if (s2.spacingText.empty()) {
            s2.spacingText = s1.spacingText;
            s2.spacing = s1.spacing;
        } else if (!takeLength(s2.spacingText, kSigned, s2.spacing)) {
            refuse("Spacing between holes must be a positive number.", RailField::Spacing, 1);
            return;
        }
    }
    check();
}

// A count the operator types replaces the page's; one raised above the count laid out gets its
// holes a pitch at a time while they fit.
void RailLayout::holesHandler(int s)
{
    RailEntrySide& rs = side(s);
    const std::string& text = rs.holesText;
    if (!text.empty() && !isCountText(text)) {
        refuse("Number of Holes to cut must be a positive number.", RailField::Holes, s);
        return;
    }
    const int typed = text.empty() ? 0 : leadingInt(text);
    if (rs.countByPage && text != std::to_string(rs.holeCount))
        rs.countByPage = false;
    if (typed >= 1 && rs.previousCount >= 1 && typed > rs.previousCount)
        raisedSide_ = s;
    check();
}

bool RailLayout::check()
{
    const int sideCount = both() ? 2 : 1;
    if (!entry().materialChosen)
        return refuse("Must select a material type.", RailField::Material);
    for (int s = 0; s < sideCount; ++s) {
        if (!side(s).holeChosen)
            return refuse("Must select a hole type.", RailField::HoleType, s);
    }
    for (int s = 0; s < sideCount; ++s) {
        RailEntrySide& rs = side(s);
        rs.holeCount = isCountText(rs.holesText) ? std::max(leadingInt(rs.holesText), 0) : 0;
        if (rs.holeCount < 1)
            rs.previousCount = 0;
    }
    for (int s = 0; s < sideCount; ++s) {
        RailEntrySide& rs = side(s);
        if (rs.distanceText.empty())
            return refuse("Must specify a distance to first hole.", RailField::Distance, s);
        takeLength(rs.distanceText, kUnsigned, rs.distanceFromTop);
    }
    for (int s = 0; s < sideCount; ++s) {
        RailEntrySide& rs = side(s);
        if (rs.spacingText.empty())
            rs.spacing = 0;
        else
            takeLength(rs.spacingText, kSigned, rs.spacing);
    }
    for (int s = 0; s < sideCount; ++s) {
        if (!fits(s))
            return false;
    }
    for (int s = 0; s < sideCount; ++s) {
        if (!layOut(s))
            return false;
    }
    return true;
}

float RailLayout::holeLength(int s)
{
    const RailSlope slope = railSlope(entry().rise, entry().run, entry().thickness);
    return single(double(side(s).holeLength) * slope.factor + slope.extra);
}

float RailLayout::spacingOf(int s)
{
    return single(double(side(s).spacing) * railSlope(entry().rise, entry().run, entry().thickness).factor);
}

// The side's hole across the rail, its stretched length and its first hole's distance along it.
bool RailLayout::fits(int s)
{
    const auto refused = [this](float have, float need, const char* longer, const char* same) {
        const char* message = have < need ? longer : have == need ? same : nullptr;
        return message && !refuse(message);
    };
    const float width = entry().materialWidth;
    const float length = entry().materialLength;
    return !refused(width, side(s).holeWidth, "Hole is wider than material", "Hole is the same width as material") &&
           !refused(length, holeLength(s), "Hole is longer than material", "Hole is the same length as material") &&
           !refused(length, side(s).distanceFromTop, "Distance from top longer than material.",
                    "Distance from top same length as material.");
}

// An empty count is as many as fit; a count is laid out as it is unless the rail is too short,
// when as many as fit take its place.
bool RailLayout::layOut(int s)
{
    RailEntrySide& rs = side(s);
    const float length = entry().materialLength;
    const float hole = holeLength(s);
    const float spacing = spacingOf(s);
    const RailFit fit = largestCount(length, rs.distanceFromTop, hole, spacing);
    rs.maxCount = fit.fits ? fit.maxCount : 0;
    rs.leftover = fit.leftover;
    if (rs.holeCount == 0) {
        // The fit check has left room below the first hole's top.
        const RailFill fill = fillRail(length, rs.distanceFromTop, hole, spacing);
        rs.distanceFromBottom = fill.bottom;
        rs.holeCount = rs.previousCount = fill.count;
        rs.countByPage = true;
    } else {
        // Worked out again from the same fields it may differ in its last bit, and where top and
        // bottom were made equal halfway between two thousandths it would then show apart.
        const float bottom = bottomAfter(length, rs.distanceFromTop, hole, spacing, rs.holeCount);
        if (!(std::fabs(double(bottom) - rs.distanceFromBottom) < kUnchanged))
            rs.distanceFromBottom = bottom;
        if (rs.distanceFromBottom < 0) {
            if (raisedSide_ == s && bottomAfter(length, rs.distanceFromTop, hole, spacing, rs.previousCount) >= 0)
                return addHoles(s);
            rs.holeCount = rs.previousCount = rs.maxCount;
            rs.distanceFromBottom =
                rs.maxCount >= 1 ? bottomAfter(length, rs.distanceFromTop, hole, spacing, rs.maxCount) : 0.0f;
            rs.countByPage = true;
            show(s);
            return refuse(kTooShort);
        }
        rs.previousCount = rs.holeCount;
        // The page's count says "as many as fit" only while it still is.
        if (rs.holeCount != rs.maxCount)
            rs.countByPage = false;
    }
    if (makeEqual_)
        makeEqual(s);
    show(s);
    return true;
}

// Top and bottom half of what they add up to, the same value, so that they show the same.
void RailLayout::makeEqual(int s)
{
    RailEntrySide& rs = side(s);
    rs.distanceFromTop = rs.distanceFromBottom = single((double(rs.distanceFromTop) + rs.distanceFromBottom) / 2);
    rs.distanceText = fixed3(rs.distanceFromTop);
}

void RailLayout::show(int s)
{
    RailEntrySide& rs = side(s);
    rs.holesText = std::to_string(rs.holeCount);
    rs.bottomText = fixed3(rs.distanceFromBottom);
}

// From the count laid out before, one pitch for each hole added while the rail has room for the
// hole and its spacing; the count stops at the last that fits. False with the message.
bool RailLayout::addHoles(int s)
{
    RailEntrySide& rs = side(s);
    const double hole = holeLength(s);
    const double spacing = spacingOf(s);
    const double pitch = hole + spacing;
    const double start = bottomAfter(entry().materialLength, rs.distanceFromTop, single(hole), single(spacing),
                                     rs.previousCount);
    // Counted at once rather than pitch by pitch, which a tiny pitch would make endless.
    const double room = start - std::max(spacing, pitch);
    double added = pitch > 0 && room >= 0 ? std::floor(room / pitch) + 1 : 0;
    added = std::min(added, double(rs.holeCount - rs.previousCount - 1));
    rs.holeCount = rs.previousCount = rs.previousCount + static_cast<int>(added);
    rs.distanceFromBottom = single(start - added * pitch);
    rs.countByPage = true;
    show(s);
    return refuse("Not Enough Material to Add Additional Hole", RailField::Holes, s);
}

} // namespace

RailLayoutResult checkRailLayout(const RailEntry& before, RailChange change, int side)
{
    return RailLayout(before).run(change, side);
}
