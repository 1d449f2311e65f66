#pragma once

#include "platform/form.h"

// The controls of the Manual page. Side 2's controls are side 1's id plus kSide2.
namespace manual {

inline constexpr ControlId kSide2 = 100;

inline constexpr ControlId MaterialList = 1;
inline constexpr ControlId CurrentTapFile = 2;
inline constexpr ControlId Save = 3;
inline constexpr ControlId Load = 4;
inline constexpr ControlId CutOneSide = 5;
inline constexpr ControlId CutBothSides = 6;
inline constexpr ControlId TotalPosts = 7;
inline constexpr ControlId Overlay = 8;
inline constexpr ControlId Apart = 9;
inline constexpr ControlId Run = 10;
inline constexpr ControlId Clear = 11;

// Side 1; side 2 adds kSide2.
inline constexpr ControlId OffsetToggle = 20; // "Offset" / "No Offset"
inline constexpr ControlId HoleList = 21;     // "Hole Type:", "(None)" on top
inline constexpr ControlId HoleListLabel = 22;
inline constexpr ControlId Spacing = 23;
inline constexpr ControlId SpacingLabel = 24;
inline constexpr ControlId Offset = 25;
inline constexpr ControlId OffsetLabel = 26;
inline constexpr ControlId Add = 27;
inline constexpr ControlId Remove = 28;
inline constexpr ControlId Change = 29;
inline constexpr ControlId Rows = 30; // the list box of the side's holes

constexpr ControlId onSide(ControlId side1Control, int side)
{
    return side1Control + (side == 1 ? kSide2 : 0);
}

} // namespace manual
