#include "ui/pattern_side_widgets.h"

#include "pages/pattern_sides.h"
#include "ui/page_builder.h"
#include "ui/qt_form.h"

using namespace pattern;

void buildPatternSide(PageBuilder& b, int side, int left, int top, int rowsBelow)
{
    const auto id = [side](ControlId side1Control) { return onSide(side1Control, side); };
    const int extra = 16 * rowsBelow;
    b.groupBox(side == 0 ? "Hole Section Side 1:" : "Hole Section Side 2:", left, top, 166, 150 + extra);
    b.label("Select Hole Type:", left + 7, top + 12, 100, 8, id(HoleListLabel));
    b.editableList(id(HoleList), left + 7, top + 22, 152, 14);
    b.label("Distance from Top:", left + 7, top + 44, 78, 8, id(DistanceLabel));
    b.lineEdit(id(Distance), left + 90, top + 42, 60, 12);
    b.label("Spacing:", left + 7, top + 60, 78, 8, id(SpacingLabel));
    b.lineEdit(id(Spacing), left + 90, top + 58, 60, 12);
    b.label("Number of Holes:", left + 7, top + 76, 78, 8, id(HolesLabel));
    b.lineEdit(id(Holes), left + 90, top + 74, 60, 12);
    // The two offsetting buttons share one place; only one is shown at a time.
    const int offsetting = top + 94 + extra;
    b.pushButton(id(UseOffsetting), "Use Offsetting", left + 7, offsetting, 70, 14);
    b.pushButton(id(NoOffsetting), "No Offsetting", left + 7, offsetting, 70, 14);
    b.label("Offset Amount:", left + 7, offsetting + 22, 78, 8, id(OffsetAmountLabel));
    b.lineEdit(id(OffsetAmount), left + 90, offsetting + 20, 60, 12);
    b.checkBox(id(Alternate), "Alternate Offset", left + 7, offsetting + 38, 90, 10);
}

void bindPatternSides(QtForm& form, PatternSideEvents& e)
{
    form.onFocusLost(onSide(HoleList, 1), [&e] { e.onSide2HoleFocusLost(); });
    for (int side = 0; side < 2; ++side) {
        form.onSelectionChanged(onSide(HoleList, side), [&e] { e.onHoleSelected(); });
        form.onFocusLost(onSide(Distance, side), [&e, side] { e.onDistanceCommitted(side); });
        form.onFocusLost(onSide(Spacing, side), [&e, side] { e.onSpacingCommitted(side); });
        form.onFocusLost(onSide(Holes, side), [&e, side] { e.onHolesCommitted(side); });
        form.onFocusLost(onSide(OffsetAmount, side), [&e, side] { e.onOffsetAmountCommitted(side); });
        form.onClicked(onSide(UseOffsetting, side), [&e, side] { e.onUseOffsettingClicked(side); });
        form.onClicked(onSide(NoOffsetting, side), [&e, side] { e.onNoOffsettingClicked(side); });
        form.onClicked(onSide(Alternate, side), [&e, side] { e.onAlternateClicked(side); });
    }
}
