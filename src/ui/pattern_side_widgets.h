#pragma once

#include "pages/pattern_side_controls.h"

#include <array>
#include <functional>

class PageBuilder;
class PatternSideEvents;
class QtForm;

// The widgets of one side of a hole pattern under the page's ids for that side, as the Posts and
// Rails pages show them: the hole list, Distance from Top, Spacing, Number of Holes, the
// offsetting buttons, the amount and the Alternate Offset box, in a group box whose left edge is
// at left (dialog units). The rows from the hole list to Number of Holes start at top; rowsBelow
// more rows of 16 units are left free under Number of Holes for the page's own fields of the side,
// which buildRowsBelow makes, so that Tab reaches them before the offsetting buttons.
struct PatternSidePlace {
    int left = 7;
    int top = 40;
    int rowsBelow = 0;
    // The width of Number of Holes, which may leave room for a note beside it.
    int holesWidth = 60;
    std::function<void()> buildRowsBelow = nullptr;
};
void buildPatternSide(PageBuilder& builder, const pattern::SideControls& ids, int side, const PatternSidePlace& place);

// Forwards what both sides' widgets report to the page.
void bindPatternSides(QtForm& form, const std::array<pattern::SideControls, 2>& ids, PatternSideEvents& events);
