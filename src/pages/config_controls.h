#pragma once

#include "platform/form.h"

// The controls of the Configurations page.
namespace config {

// Post Material Section.
inline constexpr ControlId MaterialName = 1;
inline constexpr ControlId MaterialLength = 2;
inline constexpr ControlId MaterialWidth = 3;
inline constexpr ControlId MaterialHeight = 4;
inline constexpr ControlId MaterialThickness = 5;
inline constexpr ControlId CutRate = 6;
inline constexpr ControlId PlungeRate = 7;
inline constexpr ControlId MaterialSave = 8;
inline constexpr ControlId MaterialDelete = 9;

// Hole Configuration Section.
inline constexpr ControlId HoleName = 11;
inline constexpr ControlId HoleLength = 12;
inline constexpr ControlId HoleWidth = 13;
inline constexpr ControlId HoleRadius = 14;
inline constexpr ControlId Subprogram = 15;
inline constexpr ControlId HoleSave = 16;
inline constexpr ControlId HoleDelete = 17;

// Bit Type.
inline constexpr ControlId BitName = 21;
inline constexpr ControlId BitDiameter = 22;
inline constexpr ControlId BitSave = 23;
inline constexpr ControlId BitDelete = 24;

// Positions. X k (k from 1 to 12) is Position + k, its label PositionLabel + k.
inline constexpr ControlId TimesToLoop = 31;
inline constexpr ControlId FixtureY = 32;
inline constexpr ControlId EndX = 33;
inline constexpr ControlId EndY = 34;
inline constexpr ControlId HomesTop = 35;
inline constexpr ControlId HomesBottom = 36;
inline constexpr ControlId StyleNormal = 37;
inline constexpr ControlId StyleInverted = 38;
inline constexpr ControlId Position = 40;
inline constexpr ControlId PositionLabel = 60;
constexpr ControlId positionX(int k) { return Position + k; }
constexpr ControlId positionLabel(int k) { return PositionLabel + k; }

// Spindle Operation Commands: row k (1 to 4) of the heads.
inline constexpr ControlId SpindleOn = 80;
inline constexpr ControlId SpindleOff = 90;
inline constexpr ControlId SpindleOnLabel = 100;
inline constexpr ControlId SpindleOffLabel = 110;
constexpr ControlId spindleOn(int k) { return SpindleOn + k; }
constexpr ControlId spindleOff(int k) { return SpindleOff + k; }
constexpr ControlId spindleOnLabel(int k) { return SpindleOnLabel + k; }
constexpr ControlId spindleOffLabel(int k) { return SpindleOffLabel + k; }

// Vertical Axis Information.
inline constexpr ControlId DepthFixed = 121;
inline constexpr ControlId DepthVariable = 122;
inline constexpr ControlId DepthLabel = 123;
inline constexpr ControlId Depth = 124;
inline constexpr ControlId MaximumLabel = 125;
inline constexpr ControlId Maximum = 126;
inline constexpr ControlId Heads = 127;
inline constexpr ControlId AxisCharacters = 128;
inline constexpr ControlId LeadIn = 129;
inline constexpr ControlId Exit = 130;
inline constexpr ControlId Clearance = 131;

// Feed Rates: the machine's own, for a material whose rates are 0.
inline constexpr ControlId DefaultCutRate = 132;
inline constexpr ControlId DefaultPlungeRate = 133;

// Post Alignment.
inline constexpr ControlId AlignLeft = 141;
inline constexpr ControlId AlignCenter = 142;
inline constexpr ControlId AlignRight = 143;

// Table Size.
inline constexpr ControlId TableLowX = 151;
inline constexpr ControlId TableLowY = 152;
inline constexpr ControlId TableHighX = 153;
inline constexpr ControlId TableHighY = 154;
inline constexpr ControlId TableBorder = 155;
inline constexpr ControlId Autozoom = 156;

// File Paths.
inline constexpr ControlId GcodePath = 161;
inline constexpr ControlId JobPath = 162;
inline constexpr ControlId ControllerPath = 163;

// Action on Run.
inline constexpr ControlId RunMinimize = 171;
inline constexpr ControlId RunClose = 172;

// The line that greets a new shop above the page.
inline constexpr ControlId NewShopNote = 181;

} // namespace config
