// The Rails page's pattern: the slope, the layout check that keeps Distance from Bottom up to
// date, and the field, offsetting, sides and selection handlers.
#include "pages/c_rails.h"

#include "gcode/hole_path.h"
#include "gcode/hole_routine.h"
#include "gcode/rail_layout.h"
#include "platform/messages.h"
#include "preview/handover.h"
#include "settings/numbers.h"

#include <algorithm>
#include <cmath>

using namespace rails;

namespace {

using K = NumberKind;

const SideControls& ids(int side) { return kSides[side == 1 ? 1 : 0]; }
const RailFields& railFields(int side) { return kRailFields[side == 1 ? 1 : 0]; }

constexpr NumberField kDistance{kSides[0].distance, kUnsigned, K::Length, "Must specify a distance to first hole.",
                                "Distance to First Hole must be a positive number."};
constexpr NumberField kHoles{kSides[0].holes, kUnsigned, K::Count, nullptr,
                             "Number of Holes to cut must be a positive number."};
constexpr NumberField kOffset{kSides[0].offsetAmount, kSigned, K::Length, nullptr, "Offset amount must be a number."};
constexpr const char* kTooShort = "Invalid Settings.\nMaterial Length not long enough for current settings";

float single(double value) { return static_cast<float>(value); }

} // namespace

CRails::CRails(Form& form, Messages& messages, FileDialogs& dialogs, Sheet& window)
    : form_(form), messages_(messages), dialogs_(dialogs), window_(window),
      sides_(form, messages, viewOf(railJob), kSides, kChoices)
{
}

void CRails::create()
{
    for (int s = 0; s < 2; ++s) {
        side(s).useOffsetting = 0;
        side(s).holeCount = kUnsetCount;
        sides_.showOffsetting(s);
    }
    railHoleFactor = 1;
    railHoleExtra = 0;
    sides_.oneSideMode();
    enableSide2Rows(false);
}

void CRails::enableSide2Rows(bool enabled)
{
    const RailFields& f = railFields(1);
    for (ControlId id : {f.bottom, f.bottomLabel, f.rise, f.riseLabel, f.run, f.runLabel})
        form_.setEnabled(id, enabled);
}

float CRails::holeLength(int index) const
{
    return patternCutLength(railJob.holeType[index == 1 ? 1 : 0]);
}

float CRails::spacingOf(int index) const
{
    return single(double(railJob.side[index == 1 ? 1 : 0].spacing) * railHoleFactor);
}

void CRails::takeSlope()
{
    const RailSlope slope = railSlope(railJob.rise, railJob.run, railJob.material.thickness);
    railHoleFactor = slope.factor;
    railHoleExtra = slope.extra;
}

// Rise or Run left: empty is level; the text is mirrored on side 2 while both sides are cut.
bool CRails::readRise(ControlId field, float& value, const char* message)
{
    const std::string text = form_.text(field);
    if (!text.empty() && !(IsNumberText(text, kUnsigned) && std::isfinite(leadingFloat(text)))) {
        messages_.show(message);
        form_.setFocus(field);
        return false;
    }
    value = text.empty() ? 0.0f : leadingFloat(text);
    return true;
}

void CRails::mirrorSlope()
{
    if (railJob.sides != 2)
        return;
    form_.setText(railFields(1).rise, form_.text(railFields(0).rise));
    form_.setText(railFields(1).run, form_.text(railFields(0).run));
}

void CRails::onRiseCommitted()
{
    if (!readRise(railFields(0).rise, railJob.rise, "Amount of the Rise must be a positive number."))
        return;
    mirrorSlope();
    takeSlope();
    spacingHandler();
}

void CRails::onRunCommitted()
{
    if (!readRise(railFields(0).run, railJob.run, "Amount of the Run must be a positive number."))
        return;
    mirrorSlope();
    takeSlope();
    spacingHandler();
}

// The largest count that fits on the side, from its Distance from Top and Spacing fields.
void CRails::measure(int index)
{
    const std::string top = form_.text(ids(index).distance), spacing = form_.text(ids(index).spacing);
    if (top.empty() || spacing.empty() || !isNumberFor(kDistance, top) || !IsNumberText(spacing, kSigned))
        return;
    side(index).distanceFromTop = leadingFloat(top);
    side(index).spacing = leadingFloat(spacing);
    const RailFit fit = largestCount(railJob.material.length, side(index).distanceFromTop, holeLength(index),
                                     spacingOf(index));
    if (fit.fits) {
        side(index).maxCount = fit.maxCount;
        side(index).leftover = fit.leftover;
    }
}

// The hole against the rail: side 1's width always, then the lengths of side 1 alone, or side 2's
// width and lengths while both sides are cut.
bool CRails::checkFit(int index)
{
    const float width = railJob.material.width, length = railJob.material.length;
    const auto refuse = [&](float have, float need, const char* longer, const char* same) {
        const char* message = have < need ? longer : have == need ? same : nullptr;
        if (message)
            messages_.show(message);
        return message != nullptr;
    };
    const bool both = railJob.sides == 2;
    if (index == 0 && refuse(width, railJob.holeType[0].width, "Hole is wider than material", "Hole is the same width as material"))
        return false;
    const int s = both ? 1 : 0;
    if (both && refuse(width, railJob.holeType[1].width, "Hole is wider than material", "Hole is the same width as material"))
        return false;
    return !refuse(length, holeLength(s), "Hole is longer than material", "Hole is the same length as material") &&
           !refuse(length, side(s).distanceFromTop, "Distance from top longer than material.",
                   "Distance from top same length as material.");
}

// The side's count and Distance from Bottom: as many holes as fit for an empty count, otherwise
// what the count leaves, refused when the rail is too short.
bool CRails::layOut(int index)
{
    RailSide& s = side(index);
    const float length = railJob.material.length, hole = holeLength(index), spacing = spacingOf(index);
    const ControlId bottomField = railFields(index).bottom;
    if (s.holeCount == 0 || isUnset(s.holeCount)) {
        const RailFill fill = fillRail(length, s.distanceFromTop, hole, spacing);
        if (!fill.ok) {
            messages_.show(kTooShort);
            return false;
        }
        s.distanceFromBottom = fill.bottom;
        s.holeCount = previousCount_[static_cast<size_t>(index)] = fill.count;
        showLength(form_, bottomField, s.distanceFromBottom);
        showCount(form_, ids(index).holes, s.holeCount);
        return true;
    }
    s.distanceFromBottom = bottomAfter(length, s.distanceFromTop, hole, spacing, s.holeCount);
    if (s.distanceFromBottom < 0) {
        s.holeCount = s.maxCount;
        s.distanceFromBottom = 0;
        showCount(form_, ids(index).holes, s.holeCount);
        messages_.show(kTooShort);
        return false;
    }
    if (makeEqual_) {
        if (railJob.sides != 2 || index == 1)
            makeEqual_ = false;
        s.distanceFromTop = s.distanceFromBottom = single((double(s.distanceFromTop) + s.distanceFromBottom) / 2);
        showLength(form_, ids(index).distance, s.distanceFromTop);
    }
    showLength(form_, bottomField, s.distanceFromBottom);
    return true;
}

bool CRails::checkRailLayout(int index)
{
    const bool both = railJob.sides == 2;
    const auto missing = [&](bool isMissing, const char* message, ControlId field) {
        if (isMissing) {
            messages_.show(message);
            form_.setFocus(field);
        }
        return isMissing;
    };
    if (missing(railJob.materialName.empty(), "Must select a material type.", MaterialList) ||
        missing(railJob.holeName[0].empty(), "Must select a hole type.", ids(0).holeList) ||
        missing(both && railJob.holeName[1].empty(), "Must select a hole type.", ids(1).holeList))
        return false;
    measure(index);
    for (int s = 0; s < (both ? 2 : 1); ++s) {
        const std::string count = form_.text(ids(s).holes);
        side(s).holeCount = count.empty() ? 0 : std::max(leadingInt(count), 0);
        if (side(s).holeCount < 1)
            previousCount_[static_cast<size_t>(s)] = 0;
        side(s).distanceFromBottom = 0;
        const std::string top = form_.text(ids(s).distance);
        if (missing(top.empty(), "Must specify a distance to first hole.", ids(s).distance))
            return false;
        if (isNumberFor(kDistance, top))
            side(s).distanceFromTop = leadingFloat(top);
        const std::string spacing = form_.text(ids(s).spacing);
        if (spacing.empty())
            side(s).spacing = 0;
        else if (IsNumberText(spacing, kSigned))
            side(s).spacing = leadingFloat(spacing);
    }
    if (!checkFit(0) || !layOut(0) || !both)
        return true;
    if (!checkFit(1))
        return false;
    const bool laid = layOut(1);
    makeEqual_ = false;
    return laid;
}

void CRails::addOrRemoveHoles(int index, int count)
{
    RailSide& s = side(index);
    int& previous = previousCount_[static_cast<size_t>(index)];
    const double pitch = double(holeLength(index)) + spacingOf(index);
    if (s.maxCount >= count) {
        previous = count;
        return;
    }
    // Each hole taken away gives back one pitch, and each added takes one.
    if (count < previous) {
        s.distanceFromBottom = single(s.distanceFromBottom + pitch * (previous - count));
        previous = count;
    }
    while (count > previous) {
        if (s.distanceFromBottom - spacingOf(index) < 0 || s.distanceFromBottom - pitch < 0) {
            messages_.show("Not Enough Material to Add Additional Hole");
            showCount(form_, ids(index).holes, previous);
            form_.setFocus(ids(index).holes);
            return;
        }
        s.distanceFromBottom = single(s.distanceFromBottom - pitch);
        ++previous;
    }
    showLength(form_, railFields(index).bottom, s.distanceFromBottom);
}

void CRails::onHolesCommitted(int index)
{
    if (leaving_)
        return;
    checkRailLayout(index);
    const std::string text = form_.text(ids(index).holes);
    if (text.empty())
        return;
    if (!isNumberFor(kHoles, text)) {
        messages_.show(kHoles.invalid);
        form_.setFocus(ids(index).holes);
        redraw();
        return;
    }
    side(index).holeCount = leadingInt(text);
    measure(index);
    addOrRemoveHoles(index, side(index).holeCount);
    redraw();
    if (railJob.sides == 2)
        checkRailLayout(1);
    spacingHandler();
}

void CRails::onDistanceCommitted(int)
{
    if (sides_.commitField(kDistance, &PatternSide::distanceFromTop))
        spacingHandler();
    redraw();
}

void CRails::onSpacingCommitted(int)
{
    spacingHandler();
}

void CRails::spacingHandler()
{
    const std::string text = form_.text(ids(0).spacing);
    if (text.empty()) {
        side(0).spacing = 0;
        return;
    }
    if (!IsNumberText(text, kSigned)) {
        messages_.show("Spacing Between Holes must be a number.");
        form_.setFocus(ids(0).spacing);
        return;
    }
    side(0).spacing = leadingFloat(text);
    if (railJob.sides == 2) {
        const std::string text2 = form_.text(ids(1).spacing);
        if (text2.empty()) {
            form_.setText(ids(1).spacing, text);
            side(1).spacing = side(0).spacing;
        } else if (!IsNumberText(text2, kSigned)) {
            messages_.show("Spacing between holes must be a positive number.");
            form_.setFocus(ids(1).spacing);
            return;
        } else {
            side(1).spacing = leadingFloat(text2);
        }
    }
    checkRailLayout(0);
    if (railJob.sides == 2)
        checkRailLayout(1);
    redraw();
}

void CRails::onUseOffsettingClicked(int index)
{
    sides_.useOffsetting(index);
    if (index == 0)
        form_.setFocus(ids(0).offsetAmount);
    redraw();
}

void CRails::onNoOffsettingClicked(int index)
{
    sides_.noOffsetting(index);
    if (index == 1) {
        form_.setVisible(ids(1).useOffsetting, railJob.sides == 2);
        if (railJob.sides == 2)
            form_.setFocus(CutBothSides);
    }
    redraw();
}

// An empty side 1 amount is 0 and an empty side 2 amount is side 1's, each without alternating.
void CRails::onOffsetAmountCommitted(int index)
{
    const std::string text = form_.text(ids(index).offsetAmount);
    if (text.empty()) {
        railJob.offsetAmount(index) = index == 0 ? 0.0f : railJob.offsetAmount(0);
        side(index).alternateOffset = 0;
        form_.setChecked(ids(index).alternate, false);
    } else if (isNumberFor(kOffset, text)) {
        railJob.offsetAmount(index) = leadingFloat(text);
    } else {
        messages_.show(kOffset.invalid);
        form_.setFocus(ids(index).offsetAmount);
        return;
    }
    redraw();
}

void CRails::onAlternateClicked(int)
{
    sides_.takeAlternateBoxes();
    redraw();
}

void CRails::onMakeEqualClicked()
{
    makeEqual_ = true;
    checkRailLayout(0);
    if (railJob.sides == 2)
        checkRailLayout(1);
    onDistanceCommitted(0);
}

void CRails::onCutOneSideClicked()
{
    sides_.oneSideMode();
    enableSide2Rows(false);
    onRunCommitted();
    onRiseCommitted();
    redraw();
}

void CRails::onCutBothSidesClicked()
{
    railJob.sides = 2;
    const int count2 = side(1).holeCount;
    showCount(form_, ids(1).holes, !isUnset(count2) && count2 >= 1 ? count2 : side(0).holeCount);
    if (form_.text(ids(1).holeList).empty() && railJob.holeName[1].empty()) {
        // Side 2 starts as a copy of side 1.
        railJob.holeType[1] = railJob.holeType[0];
        railJob.holeName[1] = railJob.holeName[0];
        RailSide& s2 = side(1);
        s2.distanceFromTop = side(0).distanceFromTop;
        s2.spacing = side(0).spacing;
        s2.useOffsetting = side(0).useOffsetting;
        s2.alternateOffset = side(0).alternateOffset;
        railJob.offsetAmount(1) = railJob.offsetAmount(0);
        s2.holeCount = 0;
        previousCount_[1] = previousCount_[0];
        showLength(form_, ids(1).distance, s2.distanceFromTop);
        showLength(form_, ids(1).spacing, s2.spacing);
        sides_.showOffsetting(1);
    }
    sides_.showSidesChoice();
    enableSide2Rows(true);
    onRunCommitted();
    onRiseCommitted();
    onSide2HoleFocusLost();
    redraw();
}

void CRails::onOverlayClicked()
{
    sides_.setDisplay(1);
    redraw();
}

void CRails::onApartClicked()
{
    sides_.setDisplay(0);
    redraw();
}

void CRails::onMaterialSelected()
{
    if (const MaterialRecord* material = libraryRecord(materialList, form_.selectedRecord(MaterialList))) {
        railJob.material = *material;
        railJob.materialName = material->name;
        takeMaterialFeeds(*material);
        form_.setText(MaterialList, material->name);
        takeSlope();
    }
    spacingHandler();
    redraw();
}

void CRails::onHoleSelected()
{
    sides_.takeSelectedHoles();
    spacingHandler();
    redraw();
}

void CRails::onSide2HoleFocusLost()
{
    sides_.takeSide2HoleText();
    onHolesCommitted(1);
    redraw();
}

// Without a material there is nothing to draw, and the preview is emptied.
void CRails::redraw()
{
    if (railJob.materialName.empty())
        ClearPreview(PageId::Rails);
    else
        sides_.redraw(PageId::Rails, Slope{railHoleFactor, railHoleExtra});
}
