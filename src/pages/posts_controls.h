#pragma once

#include "platform/form.h"

// The controls of the Posts page. Side 2's controls are side 1's id plus kSide2.
namespace posts {

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

} // namespace posts
