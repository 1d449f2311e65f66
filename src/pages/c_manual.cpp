// The Manual page's holes: adding, changing and removing them, their rows, the Offset toggles,
// the sides and display choices, and the drawing.
#include "pages/c_manual.h"

#include "gcode/manual_layout.h"
#include "gcode/post_pattern.h"
#include "pages/page_fields.h"
#include "platform/messages.h"
#include "preview/handover.h"
#include "settings/numbers.h"
#include "settings/text_helpers.h"

using namespace manual;

namespace {

constexpr NumberField kSpacing{Spacing, kSigned, NumberKind::Length, "Spacing for hole must be a number.",
                               "Spacing for hole must be a number."};
constexpr NumberField kOffset{Offset, kSigned, NumberKind::Length, nullptr, "Offset amount must be a number."};

// Side 2's controls that take part only while both sides are cut; the Offset field also needs
// its side's toggle on, Remove and Change a selected row.
constexpr ControlId kSide2Controls[] = {Rows, HoleList, Spacing, OffsetToggle, Add};

// Built by appending: the optimiser warns, wrongly, about a literal added to a temporary string.
std::string rowText(const PlacedHole& hole, int slot, bool offsetOn)
{
    std::string text = "#";
    text.append(std::to_string(slot + 1)).append(" : ").append(hole.hole.name);
    text.append(" : ").append(isUnset(hole.spacing) ? std::string("None") : fixed3(hole.spacing));
    text.append(" : ").append(offsetOn ? fixed3(hole.offset) : std::string("None"));
    return text;
}

} // namespace

CManual::CManual(Form& form, Messages& messages, FileDialogs& dialogs, Sheet& window)
    : form_(form), messages_(messages),
      flow_(*this, form, messages, dialogs, window, FlowControls{CurrentTapFile, TotalPosts}, "ManualPost.tap")
{
}

int& CManual::count(int side)
{
    return side == 0 ? manualJob.side1HoleCount : side2Count_;
}

void CManual::create()
{
    manualJob.sides = 1;
    for (int side = 0; side < 2; ++side)
        showOffsetToggle(side);
    showSidesChoice();
    rebuildLists();
}

// One row per filled slot, each row keeping its slot; nothing is selected afterwards.
void CManual::rebuildLists()
{
    for (int side = 0; side < 2; ++side) {
        const ControlId rows = onSide(Rows, side);
        form_.clearItems(rows);
        const auto& slots = manualJob.placedHoles[static_cast<size_t>(side)];
        for (size_t slot = 0; slot < slots.size(); ++slot) {
            if (slots[slot].filled())
                form_.insertItem(rows, form_.itemCount(rows), rowText(slots[slot], static_cast<int>(slot),
                                                                       manualJob.offsetOn[static_cast<size_t>(side)] == 1),
                                 static_cast<int>(slot));
        }
        form_.selectRow(rows, -1);
        onRowSelectionCancelled(side);
    }
}

void CManual::fillHoleLists()
{
    refillLists(LibraryKind::Holes, form_, {HoleList, onSide(HoleList, 1)});
    for (int side = 0; side < 2; ++side) {
        form_.insertItem(onSide(HoleList, side), 0, "(None)", -1);
        form_.selectRow(onSide(HoleList, side), 0);
    }
}

void CManual::emptySides()
{
    manualJob.placedHoles = {std::vector<PlacedHole>(kManualSlots), std::vector<PlacedHole>(kManualSlots)};
    count(0) = count(1) = 0;
    fillHoleLists();
    for (int side = 0; side < 2; ++side) {
        form_.setText(onSide(Spacing, side), "");
        form_.setText(onSide(Offset, side), "");
    }
    rebuildLists();
}

void CManual::onMaterialSelected()
{
    if (const MaterialRecord* material = libraryRecord(materialList, form_.selectedRecord(MaterialList))) {
        manualJob.material = *material;
        flow_.takeMaterialFeeds(*material);
    }
    redraw();
}

int CManual::selectedSlot(int side) const
{
    const int row = selectedRow_[static_cast<size_t>(side)];
    return row < 0 || row >= form_.itemCount(onSide(Rows, side)) ? -1 : form_.itemRecord(onSide(Rows, side), row);
}

void CManual::onRowSelected(int side)
{
    selectedRow_[static_cast<size_t>(side)] = form_.selectedRow(onSide(Rows, side));
    const int slot = selectedSlot(side);
    if (slot < 0)
        return onRowSelectionCancelled(side);
    form_.setEnabled(onSide(Remove, side), true);
    form_.setEnabled(onSide(Change, side), true);
    const PlacedHole& hole = manualJob.placedHoles[static_cast<size_t>(side)][static_cast<size_t>(slot)];
    showLength(form_, onSide(Spacing, side), hole.spacing);
    form_.setText(onSide(Offset, side), fixed3(hole.offset));
    form_.selectByPrefix(onSide(HoleList, side), hole.hole.name);
}

void CManual::onRowSelectionCancelled(int side)
{
    selectedRow_[static_cast<size_t>(side)] = -1;
    form_.setEnabled(onSide(Remove, side), false);
    form_.setEnabled(onSide(Change, side), false);
}

// The side's Spacing, Offset and Hole Type as a placed hole; false after the first refusal. A
// hole needs a hole type: an empty slot among the filled ones would leave the rows, the drawing
// and the program counting holes apart.
bool CManual::readPlacedHole(int side, PlacedHole& hole)
{
    std::string spacing;
    std::string offset;
    if (!checkNumberField(form_, messages_, kSpacing, FieldCheck::Collect, spacing, onSide(Spacing, side)) ||
        !checkNumberField(form_, messages_, kOffset, FieldCheck::Collect, offset, onSide(Offset, side)))
        return false;
    const HoleRecord* type = libraryRecord(holeList, resolveListRecord(form_, onSide(HoleList, side)));
    if (!type) {
        messages_.show("Please select a hole type.");
        form_.setFocus(onSide(HoleList, side));
        return false;
    }
    assignNumber(kSpacing, spacing, hole.spacing);
    if (offset.empty())
        hole.offset = 0;
    else
        assignNumber(kOffset, offset, hole.offset);
    hole.hole = *type;
    return true;
}

void CManual::onAddClicked(int side)
{
    if (side == 1 && manualJob.sides != 2)
        return; // side 2's fields take no part in a one-side job
    if (manualJob.material.name.empty())
        return messages_.show("Please select a material.");
    if (count(side) >= kManualSlots)
        return messages_.show("Too many holes.");
    PlacedHole hole;
    if (!readPlacedHole(side, hole))
        return;
    manualJob.placedHoles[static_cast<size_t>(side)][static_cast<size_t>(count(side))] = hole;
    ++count(side);
    form_.selectByPrefix(onSide(HoleList, side), hole.hole.name);
    rebuildLists();
    redraw();
    // Holes are added one after another: the next spacing is typed over this one's.
    form_.setFocus(onSide(Spacing, side));
    form_.selectAllText(onSide(Spacing, side));
}

void CManual::onChangeClicked(int side)
{
    const int slot = selectedSlot(side);
    if (slot < 0)
        return;
    // The hole's own values, so that fields still showing them keep them exactly.
    PlacedHole hole = manualJob.placedHoles[static_cast<size_t>(side)][static_cast<size_t>(slot)];
    if (!readPlacedHole(side, hole))
        return;
    manualJob.placedHoles[static_cast<size_t>(side)][static_cast<size_t>(slot)] = hole;
    rebuildLists();
    redraw();
}

void CManual::onRemoveClicked(int side)
{
    const int slot = selectedSlot(side);
    if (count(side) == 0 || slot < 0)
        return;
    auto& slots = manualJob.placedHoles[static_cast<size_t>(side)];
    slots.erase(slots.begin() + slot);
    slots.emplace_back();
    --count(side);
    rebuildLists();
    redraw();
    form_.selectRow(onSide(HoleList, side), 0);
    form_.setText(onSide(Spacing, side), "");
    form_.setText(onSide(Offset, side), "");
    form_.setFocus(onSide(HoleList, side));
}

void CManual::showOffsetToggle(int side)
{
    const bool on = manualJob.offsetOn[static_cast<size_t>(side)] == 1;
    form_.setCaption(onSide(OffsetToggle, side), on ? "No Offset" : "Offset");
    form_.setEnabled(onSide(Offset, side), on && (side == 0 || manualJob.sides == 2));
    if (!on)
        form_.setText(onSide(Offset, side), "");
}

void CManual::onOffsetToggled(int side)
{
    int& on = manualJob.offsetOn[static_cast<size_t>(side)];
    on = on == 1 ? 0 : 1;
    showOffsetToggle(side);
    // Switched on, the side's Offset field is next to be typed in.
    const ControlId next = onSide(on == 1 ? Offset : HoleList, side);
    form_.setFocus(next);
    if (on == 1)
        form_.selectAllText(next);
    rebuildLists();
    redraw();
}

void CManual::showSidesChoice()
{
    const bool both = manualJob.sides == 2;
    form_.setChecked(CutOneSide, !both);
    form_.setChecked(CutBothSides, both);
    form_.setChecked(Overlay, display_ == 1);
    form_.setChecked(Apart, display_ == 0);
    for (ControlId id : kSide2Controls)
        form_.setEnabled(onSide(id, 1), both);
    const bool rowChosen = both && selectedSlot(1) >= 0;
    form_.setEnabled(onSide(Remove, 1), rowChosen);
    form_.setEnabled(onSide(Change, 1), rowChosen);
    form_.setEnabled(Overlay, both);
    form_.setEnabled(Apart, both);
    showOffsetToggle(1);
}

void CManual::onCutOneSideClicked()
{
    manualJob.sides = 1;
    showSidesChoice();
    redraw();
}

void CManual::onCutBothSidesClicked()
{
    manualJob.sides = 2;
    showSidesChoice();
    redraw();
}

void CManual::onOverlayClicked()
{
    display_ = 1;
    redraw();
}

void CManual::onApartClicked()
{
    display_ = 0;
    redraw();
}

void CManual::drawHoles(int side, int pen)
{
    const bool overlay = display_ == 1;
    const float xOrigin = sideXOrigin(side, overlay, manualJob.material.width);
    for (const ManualHoleOnFace& h : manualHolesOnFace(manualJob, side, xOrigin, sideDirection(side, overlay))) {
        const HoleRecord& hole = manualJob.placedHoles[static_cast<size_t>(side)][static_cast<size_t>(h.slot)].hole;
        DrawHoleOutline(PageId::Manual, pen, hole.width, hole.length, h.x, h.y);
    }
}

void CManual::redraw()
{
    const MaterialRecord& post = manualJob.material;
    if (post.name.empty()) {
        emptySides();
        ClearPreview(PageId::Manual);
        return;
    }
    ClearPreview(PageId::Manual);
    const bool both = manualJob.sides == 2;
    if (both)
        DrawMaterialOutline(PageId::Manual, 1, sideXOrigin(1, display_ == 1, post.width), post.length, post.width, 2);
    DrawMaterialOutline(PageId::Manual, 0, 0, post.length, post.width, manualJob.sides);
    drawHoles(0, 0);
    if (both)
        drawHoles(1, 1);
    FitPreview(PageId::Manual);
}
