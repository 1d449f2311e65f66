#pragma once

#include "pages/page_fields.h"
#include "pages/pattern_side_controls.h"
#include "settings/text_helpers.h"

#include <array>
#include "settings/text_helpers.h"

// The controls of the Posts page: its own, and the two pattern sides.
namespace posts {

using namespace pattern;

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

inline constexpr ChoiceControls kChoices{CutOneSide, CutBothSides, Overlay, Apart};
inline constexpr std::array<SideControls, 2> kSides{sideControls(0), sideControls(1)};

// The pattern's number fields of either side, in the order Run collects them. Spacing may be
// negative; leaving it words its refusal apart from Run.
inline constexpr NumberField kHolesField{Holes, kUnsigned, NumberKind::Count, "Must Specify Numer of Holes to Cut.",
                                         "Number of Holes to cut must be a positive number."};
inline constexpr NumberField kDistanceField{Distance, kUnsigned, NumberKind::Length,
                                            "Must Specify Distance to First Hole.",
                                            "Distance to First Hole must be a positive number."};
inline constexpr NumberField kSpacingField{Spacing, kSigned, NumberKind::Length, "Must Specify spacing between holes.",
                                           "Spacing between holes must be a positive number.",
                                           "Spacing between holes must be a legitimate number."};

} // namespace posts
