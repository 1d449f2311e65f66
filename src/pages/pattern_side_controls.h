#pragma once

#include "platform/form.h"

// The controls of one side of a hole pattern, the same on the Posts and Rails pages. Side 2's
// controls are side 1's id plus kSide2; a page's other controls use ids below HoleList.
namespace pattern {

inline constexpr ControlId kSide2 = 100;

// Side 1; side 2 adds kSide2.
inline constexpr ControlId HoleList = 20;
inline constexpr ControlId HoleListLabel = 21;
inline constexpr ControlId Distance = 22;
inline constexpr ControlId DistanceLabel = 23;
inline constexpr ControlId Spacing = 24;
inline constexpr ControlId SpacingLabel = 25;
inline constexpr ControlId Holes = 26;
inline constexpr ControlId HolesLabel = 27;
inline constexpr ControlId UseOffsetting = 28;
inline constexpr ControlId NoOffsetting = 29;
inline constexpr ControlId OffsetAmountLabel = 30;
inline constexpr ControlId OffsetAmount = 31;
inline constexpr ControlId Alternate = 32;

// The id of a side's control: side is 0 (side 1) or 1 (side 2).
constexpr ControlId onSide(ControlId side1Control, int side)
{
    return side1Control + (side == 1 ? kSide2 : 0);
}

// The page's sides and display choices.
struct ChoiceControls {
    ControlId cutOneSide;
    ControlId cutBothSides;
    ControlId overlay;
    ControlId apart;
};

} // namespace pattern
