#include "pages/pattern_sides.h"

#include "gcode/post_pattern.h"
#include "preview/handover.h"
#include "settings/numbers.h"
#include "settings/text_helpers.h"
#include "setupfile/load_state.h"

using namespace pattern;

namespace {

constexpr NumberField kOffsetAmount{OffsetAmount, kSigned, NumberKind::Length, nullptr, "Offset amount must be a number."};

size_t index(int side) { return side == 1 ? 1 : 0; }

} // namespace

PatternSides::PatternSides(Form& form, Messages& messages, PatternJobView job, std::array<SideControls, 2> controls,
                           ChoiceControls choices)
    : form_(form), messages_(messages), job_(job), controls_(controls), choices_(choices)
{
}

ControlId PatternSides::idOf(ControlId SideControls::*control, int side) const
{
    return controls_[index(side)].*control;
}

// A rule names side 1's field; the same field of the other side is found by its place.
ControlId PatternSides::fieldOf(const NumberField& rule, int side) const
{
    for (auto control : kEverySideControl) {
        if (controls_[0].*control == rule.id)
            return idOf(control, side);
    }
    return rule.id;
}

template <class Value>
bool PatternSides::commitField(const NumberField& rule, Value PatternSide::*value)
{
    std::string text;
    if (form_.text(rule.id).empty() || !checkNumberField(form_, messages_, rule, FieldCheck::Leave, text))
        return false;
    assignNumber(rule, text, sideAt(0).*value);
    if (!bothSides())
        return true;
    const ControlId field2 = fieldOf(rule, 1);
    if (form_.text(field2).empty()) {
        form_.setText(field2, text);
    } else if (!checkNumberField(form_, messages_, rule, FieldCheck::Leave, text, field2)) {
        return false;
    }
    assignNumber(rule, text, sideAt(1).*value);
    return true;
}

template <class Value>
bool PatternSides::collectField(const NumberField& rule, Value PatternSide::*value)
{
    std::string text;
    for (int side = 0; side < (bothSides() ? 2 : 1); ++side) {
        if (!checkNumberField(form_, messages_, rule, FieldCheck::Collect, text, fieldOf(rule, side)))
            return false;
        assignNumber(rule, text, sideAt(side).*value);
    }
    return true;
}

template bool PatternSides::commitField<float>(const NumberField&, float PatternSide::*);
template bool PatternSides::commitField<int>(const NumberField&, int PatternSide::*);
template bool PatternSides::collectField<float>(const NumberField&, float PatternSide::*);
template bool PatternSides::collectField<int>(const NumberField&, int PatternSide::*);

// Side 1 without a text or an amount takes 0, side 2 without a text takes side 1's amount.
bool PatternSides::takeOffsetAmount(int side)
{
    const ControlId field = idOf(&SideControls::offsetAmount, side);
    float& amount = amountAt(side);
    const bool empty = form_.text(field).empty() || (side == 0 && isUnset(amount));
    if (empty) {
        amount = side == 0 ? 0 : amountAt(0);
        form_.setText(field, fixed3(amount));
        return true;
    }
    std::string text;
    if (!checkNumberField(form_, messages_, kOffsetAmount, FieldCheck::Leave, text, field))
        return false;
    assignNumber(kOffsetAmount, text, amount);
    return true;
}

bool PatternSides::commitOffsetAmount()
{
    if (!takeOffsetAmount(0))
        return false;
    return !(bothSides() && sideAt(1).useOffsetting == 1) || takeOffsetAmount(1);
}

bool PatternSides::collectOffsets()
{
    for (int side = 0; side < 2; ++side) {
        const PatternSide& s = sideAt(side);
        if (s.useOffsetting != 1 || (side == 1 && !bothSides()))
            continue;
        if (!takeOffsetAmount(side))
            return false;
        sideAt(side).alternateOffset = form_.checked(idOf(&SideControls::alternate, side)) ? 1 : 0;
    }
    return true;
}

bool PatternSides::takeListRecord(int side)
{
    const HoleRecord* hole = libraryRecord(holeList, form_.selectedRecord(idOf(&SideControls::holeList, side)));
    if (!hole)
        return false;
    job_.holeType[index(side)] = *hole;
    job_.holeName[index(side)] = hole->name;
    return true;
}

void PatternSides::takeSelectedHoles()
{
    takeListRecord(0);
    if (!bothSides())
        return;
    takeListRecord(1);
    if (job_.holeName[1].empty()) {
        form_.selectByPrefix(idOf(&SideControls::holeList, 1), job_.holeName[0]);
        job_.holeType[1] = job_.holeType[0];
        job_.holeName[1] = job_.holeName[0];
    }
}

void PatternSides::takeSide2HoleText()
{
    job_.holeName[1] = form_.text(idOf(&SideControls::holeList, 1)).substr(0, kNameLimit);
}

void PatternSides::takeAlternateBoxes()
{
    sideAt(0).alternateOffset = form_.checked(idOf(&SideControls::alternate, 0)) ? 1 : 0;
    if (bothSides())
        sideAt(1).alternateOffset = form_.checked(idOf(&SideControls::alternate, 1)) ? 1 : 0;
}

void PatternSides::useOffsetting(int side)
{
    PatternSide& s = sideAt(side);
    s.alternateOffset = 1;
    float& amount = amountAt(side);
    if (isUnset(amount))
        amount = side == 1 && !isUnset(amountAt(0)) ? amountAt(0) : 0;
    s.useOffsetting = 1;
    showOffsetting(side);
    // The button that was pressed is hidden: the amount takes the focus, ready to be typed over.
    const ControlId field = idOf(&SideControls::offsetAmount, side);
    form_.setFocus(field);
    form_.selectAllText(field);
}

void PatternSides::noOffsetting(int side)
{
    PatternSide& s = sideAt(side);
    s.useOffsetting = 0;
    s.alternateOffset = 0;
    showOffsetting(side);
}

// "Use Offsetting" while it is off; "No Offsetting", the amount and the Alternate Offset box
// while it is on.
void PatternSides::showOffsetting(int side)
{
    const PatternSide& s = sideAt(side);
    const bool on = s.useOffsetting == 1;
    form_.setVisible(idOf(&SideControls::useOffsetting, side), !on);
    for (auto control : {&SideControls::noOffsetting, &SideControls::offsetAmountLabel, &SideControls::offsetAmount,
                         &SideControls::alternate})
        form_.setVisible(idOf(control, side), on);
    if (on)
        showLength(form_, idOf(&SideControls::offsetAmount, side), amountAt(side));
    else
        form_.setText(idOf(&SideControls::offsetAmount, side), "");
    form_.setChecked(idOf(&SideControls::alternate, side), on && s.alternateOffset == 1);
}

void PatternSides::setSide2Enabled(bool enabled)
{
    for (auto control : kEverySideControl)
        form_.setEnabled(idOf(control, 1), enabled);
    form_.setVisible(choices_.overlay, enabled);
    form_.setVisible(choices_.apart, enabled);
}

void PatternSides::oneSideMode()
{
    job_.sides = 1;
    showSidesChoice();
}

void PatternSides::cutBothSides()
{
    job_.sides = 2;
    const ControlId list2 = idOf(&SideControls::holeList, 1);
    if (job_.holeName[1].empty() && form_.text(list2).empty()) {
        job_.holeType[1] = job_.holeType[0];
        job_.holeName[1] = job_.holeName[0];
    }
    PatternSide& side1 = sideAt(0);
    PatternSide& side2 = sideAt(1);
    if (form_.text(idOf(&SideControls::distance, 1)).empty()) {
        side2.distanceFromTop = side1.distanceFromTop;
        showLength(form_, idOf(&SideControls::distance, 1), side2.distanceFromTop);
    }
    if (form_.text(idOf(&SideControls::spacing, 1)).empty()) {
        side2.spacing = side1.spacing;
        showLength(form_, idOf(&SideControls::spacing, 1), side2.spacing);
    }
    if (form_.text(idOf(&SideControls::holes, 1)).empty()) {
        form_.setText(idOf(&SideControls::holes, 1), form_.text(idOf(&SideControls::holes, 0)));
        side2.holeCount = side1.holeCount;
    }
    showSidesChoice();
}

void PatternSides::showSidesChoice()
{
    const bool both = bothSides();
    form_.setChecked(choices_.cutOneSide, !both);
    form_.setChecked(choices_.cutBothSides, both);
    form_.setChecked(choices_.overlay, display_ == 1);
    form_.setChecked(choices_.apart, display_ == 0);
    setSide2Enabled(both);
    if (!both || job_.holeName[1].empty())
        return;
    const ControlId list2 = idOf(&SideControls::holeList, 1);
    form_.setText(list2, job_.holeName[1]);
    const int row = form_.selectByPrefix(list2, job_.holeName[1]);
    if (row >= 0 && job_.holeType[1].name.empty()) {
        if (const HoleRecord* hole = libraryRecord(holeList, form_.itemRecord(list2, row)))
            job_.holeType[1] = *hole;
    }
}

void PatternSides::showPattern()
{
    for (int side = 0; side < 2; ++side) {
        const PatternSide& s = sideAt(side);
        showLength(form_, idOf(&SideControls::distance, side), s.distanceFromTop);
        showLength(form_, idOf(&SideControls::spacing, side), s.spacing);
        showCount(form_, idOf(&SideControls::holes, side), s.holeCount);
        showOffsetting(side);
    }
    showSidesChoice();
}

void PatternSides::selectHoleNames()
{
    for (int side = 0; side < 2; ++side) {
        const ControlId list = idOf(&SideControls::holeList, side);
        const std::string& name = job_.holeName[index(side)];
        form_.setText(list, name);
        if (!name.empty())
            form_.selectByPrefix(list, name);
    }
}

void PatternSides::clearPattern()
{
    form_.setText(idOf(&SideControls::holeList, 0), "");
    form_.setText(idOf(&SideControls::holeList, 1), "");
    job_.holeType = {};
    job_.holeName = {};
    for (int side = 0; side < 2; ++side) {
        PatternSide& s = sideAt(side);
        s.distanceFromTop = s.spacing = kUnsetLength;
        s.holeCount = kUnsetCount;
        amountAt(side) = kUnsetLength;
        for (auto control : {&SideControls::holes, &SideControls::distance, &SideControls::spacing})
            form_.setText(idOf(control, side), "");
        s.useOffsetting = 0;
        s.alternateOffset = 0;
        showOffsetting(side);
    }
}

void PatternSides::storeTypedPattern(const NumberField& distance, const NumberField& spacing)
{
    for (int side = 0; side < (bothSides() ? 2 : 1); ++side) {
        const auto typed = [&](const NumberField& rule, float held) {
            const std::string text = form_.text(fieldOf(rule, side));
            return text.empty() ? kUnsetLength : lengthFieldValue(text, rule.mode, held);
        };
        sideAt(side).distanceFromTop = typed(distance, sideAt(side).distanceFromTop);
        sideAt(side).spacing = typed(spacing, sideAt(side).spacing);
    }
}

void PatternSides::redraw(PageId page, RailSlope slope) const
{
    ClearPreview(page);
    if (bothSides())
        drawSide(page, 1, 1, slope);
    drawSide(page, 0, 0, slope);
}

void PatternSides::drawSide(PageId page, int side, int pen, RailSlope slope) const
{
    const bool overlay = display_ == 1;
    const MaterialRecord& material = job_.material;
    const HoleRecord& hole = job_.holeType[index(side)];
    const PatternSide& s = sideAt(side);
    PostPatternSide layout;
    layout.postLength = material.length;
    layout.postWidth = material.width;
    layout.holeWidth = hole.width;
    layout.holeLength = hole.length * slope.factor + slope.extra;
    layout.distance = s.distanceFromTop;
    layout.spacing = isUnset(s.spacing) ? s.spacing : s.spacing * slope.factor;
    layout.holes = s.holeCount;
    layout.offsetting = s.useOffsetting;
    layout.offsetAmount = amountAt(side);
    layout.alternate = s.alternateOffset;
    layout.xOrigin = sideXOrigin(side, overlay, material.width);
    layout.direction = sideDirection(side, overlay);
    DrawMaterialOutline(page, pen, layout.xOrigin, material.length, material.width, job_.sides);
    for (const PatternHole& h : postPatternHoles(layout))
        DrawHoleOutline(page, pen, hole.width, layout.holeLength, h.x, h.y);
}
