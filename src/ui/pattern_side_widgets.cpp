#include "ui/pattern_side_widgets.h"

#include "pages/pattern_sides.h"
#include "ui/page_builder.h"
#include "ui/qt_form.h"

using namespace pattern;

void buildPatternSide(PageBuilder& b, const SideControls& id, int side, const PatternSidePlace& place)
{
    const int left = place.left;
    const int top = place.top;
    const int extra = 16 * place.rowsBelow;
    b.groupBox(side == 0 ? "Hole Section Side 1:" : "Hole Section Side 2:", left, top, 166, 150 + extra);
    b.label("Select Hole Type:", left + 7, top + 12, 100, 8, id.holeListLabel);
    b.editableList(id.holeList, left + 7, top + 22, 152, 14);
    b.label("Distance from Top:", left + 7, top + 44, 78, 8, id.distanceLabel);
    b.lineEdit(id.distance, left + 90, top + 42, 60, 12);
    b.label("Spacing:", left + 7, top + 60, 78, 8, id.spacingLabel);
    b.lineEdit(id.spacing, left + 90, top + 58, 60, 12);
    b.label("Number of Holes:", left + 7, top + 76, 78, 8, id.holesLabel);
    b.lineEdit(id.holes, left + 90, top + 74, place.holesWidth, 12);
    if (place.buildRowsBelow)
        place.buildRowsBelow();
    // The two offsetting buttons share one place; only one is shown at a time, so side 2's two
    // share an Alt key. Side 1's keys are the captions' first letters; side 2's are letters that no
    // other control of the page and no menu takes.
    const bool first = side == 0;
    const int offsetting = top + 94 + extra;
    b.pushButton(id.useOffsetting, first ? "&Use Offsetting" : "Use Offsettin&g", left + 7, offsetting, 70, 14);
    b.pushButton(id.noOffsetting, first ? "&No Offsetting" : "No Offsettin&g", left + 7, offsetting, 70, 14);
    b.label("Offset Amount:", left + 7, offsetting + 22, 78, 8, id.offsetAmountLabel);
    b.lineEdit(id.offsetAmount, left + 90, offsetting + 20, 60, 12);
    b.checkBox(id.alternate, first ? "&Alternate Offset" : "Al&ternate Offset", left + 7, offsetting + 38, 90, 10);
}

void bindPatternSides(QtForm& form, const std::array<SideControls, 2>& ids, PatternSideEvents& e)
{
    form.onFocusLost(ids[1].holeList, [&e] { e.onSide2HoleFocusLost(); });
    for (int side = 0; side < 2; ++side) {
        const SideControls& id = ids[static_cast<size_t>(side)];
        form.onSelectionChanged(id.holeList, [&e] { e.onHoleSelected(); });
        form.onFocusLost(id.distance, [&e, side] { e.onDistanceCommitted(side); });
        form.onFocusLost(id.spacing, [&e, side] { e.onSpacingCommitted(side); });
        form.onFocusLost(id.holes, [&e, side] { e.onHolesCommitted(side); });
        form.onFocusLost(id.offsetAmount, [&e, side] { e.onOffsetAmountCommitted(side); });
        form.onClicked(id.useOffsetting, [&e, side] { e.onUseOffsettingClicked(side); });
        form.onClicked(id.noOffsetting, [&e, side] { e.onNoOffsettingClicked(side); });
        form.onClicked(id.alternate, [&e, side] { e.onAlternateClicked(side); });
    }
}
