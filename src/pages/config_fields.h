#pragma once

#include "pages/config_controls.h"
#include "pages/page_fields.h"
#include "settings/text_helpers.h"

// The number fields of the Configurations page. The first message is said when a library Save
// finds the field empty, the second when its text is not a number in its mode.
namespace config {

using K = NumberKind;

inline constexpr NumberField kMaterialLength{MaterialLength, kUnsigned, K::Length, "Material length can not be blank.",
                                             "Material length must be a positive number."};
inline constexpr NumberField kMaterialWidth{MaterialWidth, kUnsigned, K::Length, "Material width can not be blank.",
                                            "Material width must be a positive number."};
inline constexpr NumberField kMaterialThickness{MaterialThickness, kUnsigned, K::Length, nullptr,
                                                "Material thickness must be a positive number."};
inline constexpr NumberField kMaterialHeight{MaterialHeight, kUnsigned, K::Length, "Material height can not be blank.",
                                             "Material height must be a positive number."};
inline constexpr NumberField kCutRate{CutRate, kUnsigned, K::Count, nullptr, "Cutting Feed Rate Must be a Positive Number"};
inline constexpr NumberField kPlungeRate{PlungeRate, kUnsigned, K::Count, nullptr,
                                         "Plunge Feed Rate Must be a Positive Number"};

inline constexpr NumberField kHoleLength{HoleLength, kUnsigned, K::Length, "Hole length can not be blank.",
                                         "Hole length must be a positive number."};
inline constexpr NumberField kHoleWidth{HoleWidth, kUnsigned, K::Length, "Hole width can not be blank.",
                                        "Hole width must be a positive number."};
inline constexpr NumberField kHoleRadius{HoleRadius, kUnsigned, K::Length, "Hole radius can not be blank.",
                                         "Hole radius must be a positive number."};

inline constexpr NumberField kBitDiameter{BitDiameter, kUnsigned, K::Length, "Bit Diameter can not be blank.",
                                          "Bit Diameter must be a positive number."};

inline constexpr NumberField kTimesToLoop{TimesToLoop, kDigitsOnly, K::Count, nullptr,
                                         "Times to Loop must be a whole number from 1 to 12."};
inline constexpr NumberField kFixtureY{FixtureY, kUnsigned, K::Length, nullptr,
                                       "Fixture position Y must be a positive number."};
// X k is Position + k; the message names no position, as the focus shows which.
inline constexpr NumberField kPositionX{Position, kSigned, K::Length, nullptr, "Fixture positions must be numbers."};
inline constexpr NumberField kEndX{EndX, kSigned, K::Length, nullptr, "Ending position X must be a number."};
inline constexpr NumberField kEndY{EndY, kSigned, K::Length, nullptr, "Ending position Y must be a number."};

inline constexpr NumberField kDepth{Depth, kSigned, K::Length, nullptr, "Depth to cut at must be a number."};
inline constexpr NumberField kMaximum{Maximum, kSigned, K::Length, nullptr,
                                      "Maximum Depth must be a positive number equal to or greater than Minimum Depth."};
inline constexpr NumberField kHeads{Heads, kDigitsOnly, K::Count, nullptr,
                                    "Number of Heads must be a whole number from 1 to 4."};
inline constexpr NumberField kLeadIn{LeadIn, kUnsigned, K::Length, nullptr, "Lead in radius must be a positive number."};
inline constexpr NumberField kExit{Exit, kUnsigned, K::Length, nullptr, "Exit radius must be a positive number."};
inline constexpr NumberField kClearance{Clearance, kUnsigned, K::Length, nullptr,
                                        "Clearance height must be a positive number."};
inline constexpr NumberField kDefaultCutRate{DefaultCutRate, kDigitsOnly, K::Count,
                                             "Default Cut Rate must be a whole number of 1 or more.",
                                             "Default Cut Rate must be a whole number of 1 or more."};
inline constexpr NumberField kDefaultPlungeRate{DefaultPlungeRate, kDigitsOnly, K::Count,
                                                "Default Plunge Rate must be a whole number of 1 or more.",
                                                "Default Plunge Rate must be a whole number of 1 or more."};

inline constexpr NumberField kTableLowX{TableLowX, kUnsigned, K::Length, nullptr, "Table Low X must be a positive number."};
inline constexpr NumberField kTableLowY{TableLowY, kUnsigned, K::Length, nullptr, "Table Low Y must be a positive number."};
inline constexpr NumberField kTableHighX{TableHighX, kUnsigned, K::Length, nullptr,
                                         "Table High X must be a positive number."};
inline constexpr NumberField kTableHighY{TableHighY, kUnsigned, K::Length, nullptr,
                                         "Table High Y must be a positive number."};
inline constexpr NumberField kTableBorder{TableBorder, kUnsigned, K::Length, nullptr,
                                          "Table Border must be a positive number."};

} // namespace config
