#include "pages/c_automatic.h"

#include "pages/page_fields.h"
#include "pages/post_pattern.h"
#include "platform/messages.h"
#include "preview/handover.h"
#include "settings/numbers.h"
#include "settings/text_helpers.h"
#include "setupfile/current_tap_file.h"

using namespace posts;

namespace {

// Side 2's controls that take part only while both sides are cut.
constexpr ControlId kSide2Controls[] = {HoleList, HoleListLabel, Distance, DistanceLabel, Spacing,
                                        SpacingLabel, Holes, HolesLabel, UseOffsetting, NoOffsetting,
                                        OffsetAmountLabel, OffsetAmount, Alternate};

void storeDistance(PatternSide& s, const std::string& text) { s.distanceFromTop = leadingFloat(text); }
void storeSpacing(PatternSide& s, const std::string& text) { s.spacing = leadingFloat(text); }
void storeHoles(PatternSide& s, const std::string& text) { s.holeCount = leadingInt(text); }

} // namespace

CAutomatic::CAutomatic(Form& form, Messages& messages, FileDialogs& dialogs, Sheet& window)
    : form_(form), messages_(messages), dialogs_(dialogs), window_(window)
{
}

void CAutomatic::create()
{
    postJob.sides = 1;
    for (int side = 0; side < 2; ++side)
        setOffsettingControls(side);
    showSidesChoice();
    oneSideMode();
}

void CAutomatic::onMaterialSelected()
{
    if (const MaterialRecord* material = libraryRecord(materialList, form_.selectedRecord(MaterialList))) {
        postJob.material = *material;
        postJob.materialName = material->name;
        takeMaterialFeeds(*material);
    }
    redraw();
}

bool CAutomatic::takeListRecord(ControlId list, int side)
{
    const HoleRecord* hole = libraryRecord(holeList, form_.selectedRecord(list));
    if (!hole)
        return false;
    postJob.holeType[side] = *hole;
    postJob.holeName[side] = hole->name;
    return true;
}

void CAutomatic::onHoleSelected()
{
    takeListRecord(HoleList, 0);
    if (postJob.sides == 2) {
        takeListRecord(onSide(HoleList, 1), 1);
        if (postJob.holeName[1].empty()) {
            form_.selectByPrefix(onSide(HoleList, 1), postJob.holeName[0]);
            postJob.holeType[1] = postJob.holeType[0];
            postJob.holeName[1] = postJob.holeName[0];
        }
    }
    redraw();
}

void CAutomatic::onSide2HoleFocusLost()
{
    postJob.holeName[1] = form_.text(onSide(HoleList, 1)).substr(0, kNameLimit);
    redraw();
}

bool CAutomatic::acceptNumber(ControlId field, int mode, const char* message)
{
    if (IsNumberText(form_.text(field), mode))
        return true;
    messages_.show(message);
    form_.setFocus(field);
    return false;
}

// Side 1's text first; while both sides are cut, side 2's, an empty one taking side 1's.
void CAutomatic::commitPatternField(ControlId field, int mode, const char* message, Store store)
{
    const std::string text = form_.text(field);
    if (text.empty())
        return;
    if (!acceptNumber(field, mode, message))
        return;
    store(postJob.side[0], text);
    if (postJob.sides == 2) {
        const ControlId field2 = onSide(field, 1);
        if (form_.text(field2).empty()) {
            form_.setText(field2, text);
            store(postJob.side[1], text);
        } else if (acceptNumber(field2, mode, message)) {
            store(postJob.side[1], form_.text(field2));
        } else {
            return;
        }
    }
    redraw();
}

void CAutomatic::onDistanceCommitted()
{
    commitPatternField(Distance, kUnsigned, "Distance to First Hole must be a positive number.", storeDistance);
}

void CAutomatic::onSpacingCommitted()
{
    commitPatternField(Spacing, kSigned, "Spacing between holes must be a legitimate number.", storeSpacing);
}

void CAutomatic::onHolesCommitted()
{
    commitPatternField(Holes, kUnsigned, "Number of Holes to cut must be a positive number.", storeHoles);
}

void CAutomatic::onOffsetAmountCommitted()
{
    const char* message = "Offset amount must be a number.";
    const std::string text = form_.text(OffsetAmount);
    if (text.empty() || isUnset(postJob.offsetAmount(0))) {
        postJob.offsetAmount(0) = 0;
        form_.setText(OffsetAmount, "0.000");
    } else if (acceptNumber(OffsetAmount, kSigned, message)) {
        postJob.offsetAmount(0) = leadingFloat(text);
    } else {
        return;
    }
    if (postJob.sides == 2 && postJob.side[1].useOffsetting == 1) {
        const ControlId field2 = onSide(OffsetAmount, 1);
        if (form_.text(field2).empty()) {
            postJob.offsetAmount(1) = postJob.offsetAmount(0);
            form_.setText(field2, fixed3(postJob.offsetAmount(1)));
        } else if (acceptNumber(field2, kSigned, message)) {
            postJob.offsetAmount(1) = leadingFloat(form_.text(field2));
        } else {
            return;
        }
    }
    redraw();
}

void CAutomatic::onUseOffsettingClicked(int side)
{
    postJob.side[side].alternateOffset = 1;
    float& amount = postJob.offsetAmount(side);
    if (isUnset(amount))
        amount = side == 1 && !isUnset(postJob.offsetAmount(0)) ? postJob.offsetAmount(0) : 0;
    postJob.side[side].useOffsetting = 1;
    setOffsettingControls(side);
    redraw();
}

void CAutomatic::onNoOffsettingClicked(int side)
{
    postJob.side[side].useOffsetting = 0;
    postJob.side[side].alternateOffset = 0;
    setOffsettingControls(side);
    redraw();
}

// Shows a side's offsetting state: "Use Offsetting" while it is off; "No Offsetting", the amount
// and the Alternate Offset box while it is on.
void CAutomatic::setOffsettingControls(int side)
{
    const bool on = postJob.side[side].useOffsetting == 1;
    form_.setVisible(onSide(UseOffsetting, side), !on);
    for (ControlId id : {NoOffsetting, OffsetAmountLabel, OffsetAmount, Alternate})
        form_.setVisible(onSide(id, side), on);
    if (on)
        showLength(form_, onSide(OffsetAmount, side), postJob.offsetAmount(side));
    else
        form_.setText(onSide(OffsetAmount, side), "");
    form_.setChecked(onSide(Alternate, side), on && postJob.side[side].alternateOffset == 1);
}

void CAutomatic::onAlternateClicked()
{
    postJob.side[0].alternateOffset = form_.checked(Alternate) ? 1 : 0;
    if (postJob.sides == 2)
        postJob.side[1].alternateOffset = form_.checked(onSide(Alternate, 1)) ? 1 : 0;
    redraw();
}

void CAutomatic::onCutOneSideClicked()
{
    oneSideMode();
    redraw();
}

void CAutomatic::onCutBothSidesClicked()
{
    bothSidesMode();
    redraw();
}

void CAutomatic::onOverlayClicked()
{
    display_ = 1;
    redraw();
}

void CAutomatic::onApartClicked()
{
    display_ = 0;
    redraw();
}

void CAutomatic::showSidesChoice()
{
    form_.setChecked(CutOneSide, postJob.sides != 2);
    form_.setChecked(CutBothSides, postJob.sides == 2);
    form_.setChecked(Overlay, display_ == 1);
    form_.setChecked(Apart, display_ == 0);
}

void CAutomatic::oneSideMode()
{
    postJob.sides = 1;
    sharedSides = 1;
    for (ControlId id : kSide2Controls)
        form_.setEnabled(onSide(id, 1), false);
    form_.setVisible(Overlay, false);
    form_.setVisible(Apart, false);
}

void CAutomatic::bothSidesMode()
{
    postJob.sides = 2;
    sharedSides = 2;
    for (ControlId id : kSide2Controls)
        form_.setEnabled(onSide(id, 1), true);
    form_.setVisible(Overlay, true);
    form_.setVisible(Apart, true);

    const ControlId list2 = onSide(HoleList, 1);
    if (!postJob.holeName[1].empty()) {
        form_.setText(list2, postJob.holeName[1]);
    } else if (form_.text(list2).empty()) {
        postJob.holeType[1] = postJob.holeType[0];
        postJob.holeName[1] = postJob.holeName[0];
        form_.setText(list2, postJob.holeName[1]);
    }
    const int row = postJob.holeName[1].empty() ? -1 : form_.selectByPrefix(list2, postJob.holeName[1]);
    if (row >= 0 && postJob.holeType[1].name.empty()) {
        if (const HoleRecord* hole = libraryRecord(holeList, form_.itemRecord(list2, row)))
            postJob.holeType[1] = *hole;
    }

    PatternSide& side2 = postJob.side[1];
    if (form_.text(onSide(Distance, 1)).empty()) {
        side2.distanceFromTop = postJob.side[0].distanceFromTop;
        showLength(form_, onSide(Distance, 1), side2.distanceFromTop);
    }
    if (form_.text(onSide(Spacing, 1)).empty()) {
        side2.spacing = postJob.side[0].spacing;
        showLength(form_, onSide(Spacing, 1), side2.spacing);
    }
    if (form_.text(onSide(Holes, 1)).empty()) {
        form_.setText(onSide(Holes, 1), form_.text(Holes));
        side2.holeCount = postJob.side[0].holeCount;
    }
}

void CAutomatic::redraw()
{
    ClearPreview(PageId::Posts);
    if (postJob.sides == 2)
        drawSide(1, 1);
    drawSide(0, 0);
}

void CAutomatic::drawSide(int side, int pen)
{
    const bool overlay = display_ == 1;
    const MaterialRecord& post = postJob.material;
    const HoleRecord& hole = postJob.holeType[side];
    const PatternSide& s = postJob.side[side];
    PostPatternSide pattern;
    pattern.postLength = post.length;
    pattern.postWidth = post.width;
    pattern.holeWidth = hole.width;
    pattern.holeLength = hole.length;
    pattern.distance = s.distanceFromTop;
    pattern.spacing = s.spacing;
    pattern.holes = s.holeCount;
    pattern.offsetting = s.useOffsetting;
    pattern.offsetAmount = postJob.offsetAmount(side);
    pattern.alternate = s.alternateOffset;
    pattern.xOrigin = sideXOrigin(side, overlay, post.width);
    pattern.direction = sideDirection(side, overlay);
    DrawMaterialOutline(PageId::Posts, pen, pattern.xOrigin, post.length, post.width, postJob.sides);
    for (const PatternHole& h : postPatternHoles(pattern))
        DrawHoleOutline(PageId::Posts, pen, hole.width, hole.length, h.x, h.y);
}
