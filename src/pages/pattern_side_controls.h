#pragma once

#include "platform/form.h"

// The controls of one side of a hole pattern. A page names them in SideControls; the ids here
// are the Posts page's: side 2's are side 1's id plus kSide2, and its other controls use ids below
// HoleList.
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

// The controls of one side of a pattern on a page.
struct SideControls {
    ControlId holeList, holeListLabel, distance, distanceLabel, spacing, spacingLabel, holes, holesLabel,
        useOffsetting, noOffsetting, offsetAmountLabel, offsetAmount, alternate;
};

// Every control of a side, in the order of SideControls.
inline constexpr ControlId SideControls::*kEverySideControl[] = {
    &SideControls::holeList, &SideControls::holeListLabel, &SideControls::distance, &SideControls::distanceLabel,
    &SideControls::spacing, &SideControls::spacingLabel, &SideControls::holes, &SideControls::holesLabel,
    &SideControls::useOffsetting, &SideControls::noOffsetting, &SideControls::offsetAmountLabel,
    &SideControls::offsetAmount, &SideControls::alternate};

// The ids above for a side: side 2's are side 1's plus kSide2.
constexpr SideControls sideControls(int side)
{
    return {onSide(HoleList, side), onSide(HoleListLabel, side), onSide(Distance, side), onSide(DistanceLabel, side),
            onSide(Spacing, side), onSide(SpacingLabel, side), onSide(Holes, side), onSide(HolesLabel, side),
            onSide(UseOffsetting, side), onSide(NoOffsetting, side), onSide(OffsetAmountLabel, side),
            onSide(OffsetAmount, side), onSide(Alternate, side)};
}

// The page's sides and display choices.
struct ChoiceControls {
    ControlId cutOneSide;
    ControlId cutBothSides;
    ControlId overlay;
    ControlId apart;
};

} // namespace pattern
