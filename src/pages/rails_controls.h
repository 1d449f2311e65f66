#pragma once

#include "pages/page_fields.h"
#include "pages/pattern_side_controls.h"
#include "settings/text_helpers.h"

#include <array>

// The controls of the Rails page, by the ids its dialog has always used.
namespace rails {

using pattern::SideControls;

inline constexpr ControlId MaterialList = 1064;
inline constexpr ControlId CurrentTapFile = 1096;
inline constexpr ControlId Save = 1091;
inline constexpr ControlId Load = 1094;
inline constexpr ControlId CutOneSide = 1073;
inline constexpr ControlId CutBothSides = 1074;
inline constexpr ControlId TotalPosts = 1079;
inline constexpr ControlId MakeEqual = 1203;
inline constexpr ControlId Overlay = 1161;
inline constexpr ControlId Apart = 1162;
inline constexpr ControlId Run = 1076;
inline constexpr ControlId Clear = 1075;

// The fields each side has beyond the pattern's: Distance from Bottom (shown, never typed), the
// slope, typed on side 1 and mirrored on side 2, and the note beside a count the page chose.
struct RailFields {
    ControlId bottom, bottomLabel, rise, riseLabel, run, runLabel, holesNote;
};

inline constexpr std::array<SideControls, 2> kSides{{
    {1065, 1082, 1066, 1083, 1077, 1084, 1068, 1085, 1069, 1070, 1081, 1071, 1072},
    {1127, 1130, 1128, 1131, 1129, 1132, 1118, 1133, 1120, 1121, 1124, 1122, 1123},
}};
inline constexpr std::array<RailFields, 2> kRailFields{{
    {1067, 1086, 1100, 1087, 1099, 1088, 1137},
    {1119, 1134, 1126, 1135, 1125, 1136, 1138},
}};
inline constexpr pattern::ChoiceControls kChoices{CutOneSide, CutBothSides, Overlay, Apart};

} // namespace rails
