// The Rails page's pattern: its fields handed to the layout check, which keeps Distance from
// Bottom up to date, and the offsetting, sides and selection handlers.
#include "pages/c_rails.h"

#include "platform/messages.h"
#include "preview/handover.h"

#include <string>

using namespace rails;

namespace {

const SideControls& ids(int side) { return kSides[side == 1 ? 1 : 0]; }
const RailFields& railFields(int side) { return kRailFields[side == 1 ? 1 : 0]; }

} // namespace

CRails::CRails(Form& form, Messages& messages, FileDialogs& dialogs, Sheet& window)
    : form_(form), messages_(messages), sides_(form, messages, viewOf(railJob), kSides, kChoices),
      flow_(*this, form, messages, dialogs, window, FlowControls{CurrentTapFile, TotalPosts}, "Rail.tap")
{
}

void CRails::create()
{
    for (int s = 0; s < 2; ++s) {
        side(s).useOffsetting = 0;
        side(s).holeCount = kUnsetCount;
        sides_.showOffsetting(s);
    }
    slope_ = {};
    sides_.oneSideMode();
    enableSide2Rows(false);
}

void CRails::enableSide2Rows(bool enabled)
{
    const RailFields& f = railFields(1);
    for (ControlId id : {f.bottom, f.bottomLabel, f.rise, f.riseLabel, f.run, f.runLabel, f.holesNote})
        form_.setEnabled(id, enabled);
}

void CRails::takeSlope()
{
    slope_ = railSlope(railJob.rise, railJob.run, railJob.material.thickness);
}

// The fields as they stand and what the page holds, for the layout to work on.
RailEntry CRails::entry() const
{
    RailEntry e;
    e.materialChosen = !railJob.materialName.empty();
    e.materialLength = railJob.material.length;
    e.materialWidth = railJob.material.width;
    e.thickness = railJob.material.thickness;
    e.sides = railJob.sides;
    e.riseText = form_.text(railFields(0).rise);
    e.runText = form_.text(railFields(0).run);
    e.rise = railJob.rise;
    e.run = railJob.run;
    for (int s = 0; s < 2; ++s) {
        const auto index = static_cast<size_t>(s);
        const RailSide& rs = railJob.side[index];
        RailEntrySide& es = e.side[index];
        es.holeChosen = !railJob.holeName[index].empty();
        es.holeLength = railJob.holeType[index].length;
        es.holeWidth = railJob.holeType[index].width;
        es.distanceText = form_.text(ids(s).distance);
        es.spacingText = form_.text(ids(s).spacing);
        es.holesText = form_.text(ids(s).holes);
        es.bottomText = form_.text(railFields(s).bottom);
        es.offsetText = form_.text(ids(s).offsetAmount);
        es.distanceFromTop = rs.distanceFromTop;
        es.spacing = rs.spacing;
        es.holeCount = rs.holeCount;
        es.distanceFromBottom = rs.distanceFromBottom;
        es.offsetAmount = railJob.offsetAmount(s);
        es.alternate = rs.alternateOffset == 1;
        es.previousCount = previousCount_[index];
        es.maxCount = rs.maxCount;
        es.leftover = rs.leftover;
        es.countByPage = countByPage_[index];
    }
    return e;
}

void CRails::setChangedText(ControlId id, const std::string& text)
{
    if (form_.text(id) != text)
        form_.setText(id, text);
}

// The layout's values into the job, its texts into the fields that show something else, and its
// message with the focus on the field it is about.
void CRails::show(const RailLayoutResult& result)
{
    const RailEntry& e = result.entry;
    railJob.rise = e.rise;
    railJob.run = e.run;
    setChangedText(railFields(0).rise, e.riseText);
    setChangedText(railFields(0).run, e.runText);
    if (railJob.sides == 2) {
        setChangedText(railFields(1).rise, e.riseText);
        setChangedText(railFields(1).run, e.runText);
    }
    slope_ = result.slope;
    for (int s = 0; s < 2; ++s) {
        const auto index = static_cast<size_t>(s);
        const RailEntrySide& es = e.side[index];
        RailSide& rs = railJob.side[index];
        rs.distanceFromTop = es.distanceFromTop;
        rs.spacing = es.spacing;
        rs.holeCount = es.holeCount;
        rs.distanceFromBottom = es.distanceFromBottom;
        rs.maxCount = es.maxCount;
        rs.leftover = es.leftover;
        railJob.offsetAmount(s) = es.offsetAmount;
        if (rs.alternateOffset == 1 && !es.alternate)
            form_.setChecked(ids(s).alternate, false);
        rs.alternateOffset = es.alternate ? 1 : 0;
        previousCount_[index] = es.previousCount;
        countByPage_[index] = es.countByPage;
        setChangedText(ids(s).distance, es.distanceText);
        setChangedText(ids(s).spacing, es.spacingText);
        setChangedText(ids(s).holes, es.holesText);
        setChangedText(railFields(s).bottom, es.bottomText);
        setChangedText(ids(s).offsetAmount, es.offsetText);
    }
    showCountNotes();
    if (result.message)
        refuse(result);
}

void CRails::refuse(const RailLayoutResult& result)
{
    messages_.show(result.message);
    const SideControls& side = ids(result.fieldSide);
    ControlId field = -1;
    switch (result.field) {
    case RailField::None: return;
    case RailField::Material: field = MaterialList; break;
    case RailField::HoleType: field = side.holeList; break;
    case RailField::Distance: field = side.distance; break;
    case RailField::Spacing: field = side.spacing; break;
    case RailField::Holes: field = side.holes; break;
    case RailField::OffsetAmount: field = side.offsetAmount; break;
    case RailField::Rise: field = railFields(0).rise; break;
    case RailField::Run: field = railFields(0).run; break;
    }
    form_.setFocus(field);
    form_.selectAllText(field);
}

// Beside a count the page filled in or changed itself, while the field still shows it.
void CRails::showCountNotes()
{
    for (int s = 0; s < 2; ++s) {
        const bool byPage = countByPage_[static_cast<size_t>(s)] &&
                            form_.text(ids(s).holes) == std::to_string(side(s).holeCount);
        setChangedText(railFields(s).holesNote, byPage ? kCountByPageNote : "");
    }
}

void CRails::forgetPageCounts()
{
    countByPage_ = {false, false};
    showCountNotes();
}

void CRails::change(RailChange what, int index)
{
    show(checkRailLayout(entry(), what, index));
}

void CRails::onRiseCommitted()
{
    change(RailChange::Rise);
    redraw();
}

void CRails::onRunCommitted()
{
    change(RailChange::Run);
    redraw();
}

void CRails::onHolesCommitted(int index)
{
    // The field's loss of focus as the page is left is no edit of the count.
    if (leaving_)
        return;
    change(RailChange::Holes, index);
    redraw();
}

void CRails::onDistanceCommitted(int index)
{
    change(RailChange::Distance, index);
    redraw();
}

void CRails::onSpacingCommitted(int index)
{
    change(RailChange::Spacing, index);
    redraw();
}

void CRails::onUseOffsettingClicked(int index)
{
    sides_.useOffsetting(index);
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

void CRails::onOffsetAmountCommitted(int index)
{
    change(RailChange::OffsetAmount, index);
    redraw();
}

void CRails::onAlternateClicked(int)
{
    sides_.takeAlternateBoxes();
    redraw();
}

void CRails::onMakeEqualClicked()
{
    change(RailChange::MakeEqual);
    redraw();
}

void CRails::onLeaving(bool underway)
{
    leaving_ = underway;
}

void CRails::onCutOneSideClicked()
{
    sides_.oneSideMode();
    enableSide2Rows(false);
    change(RailChange::Refresh);
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
        countByPage_[1] = countByPage_[0];
        showLength(form_, ids(1).distance, s2.distanceFromTop);
        showLength(form_, ids(1).spacing, s2.spacing);
        sides_.showOffsetting(1);
    }
    sides_.showSidesChoice();
    enableSide2Rows(true);
    sides_.takeSide2HoleText();
    change(RailChange::Refresh);
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
        flow_.takeMaterialFeeds(*material);
        form_.setText(MaterialList, material->name);
        takeSlope();
    }
    change(RailChange::Refresh);
    redraw();
}

void CRails::onHoleSelected()
{
    sides_.takeSelectedHoles();
    change(RailChange::Refresh);
    redraw();
}

void CRails::onSide2HoleFocusLost()
{
    sides_.takeSide2HoleText();
    change(RailChange::Refresh);
    redraw();
}

// Without a material there is nothing to draw, and the preview is emptied.
void CRails::redraw()
{
    if (railJob.materialName.empty())
        ClearPreview(PageId::Rails);
    else
        sides_.redraw(PageId::Rails, slope_);
}
