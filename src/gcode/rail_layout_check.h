#pragma once

#include "gcode/rail_layout.h"
#include "settings/settings.h"

#include <array>
#include <string>

// The arithmetic of laying out a rail as the operator fills in its fields: the fields' texts and
// the values they gave, in; the layout of each side, the texts the fields show and the first
// message, out. It reads no process-wide state, so every rule can be tried with plain values.

// One side of the rail: what its fields show and what they gave.
struct RailEntrySide {
    // The side's hole type: chosen (it has a name), its length along the rail and its width.
    bool holeChosen = false;
    float holeLength = 0;
    float holeWidth = 0;

    std::string distanceText, spacingText, holesText, bottomText, offsetText;

    float distanceFromTop = kUnsetLength;
    float spacing = kUnsetLength;
    int holeCount = kUnsetCount;
    float distanceFromBottom = kUnsetLength;
    float offsetAmount = kUnsetLength;
    bool alternate = false;
    // The count the distance from the bottom was last laid out for.
    int previousCount = 0;
    // As many as fit, and what they leave.
    int maxCount = 0;
    float leftover = 0;
    // The page filled in or changed the count itself, and says so beside it.
    bool countByPage = false;
};

struct RailEntry {
    bool materialChosen = false;
    float materialLength = 0;
    float materialWidth = 0;
    float thickness = 0;
    int sides = 1;
    // Typed on side 1 and shown on side 2 too.
    std::string riseText, runText;
    float rise = 0;
    float run = 0;
    std::array<RailEntrySide, 2> side;
};

// What happened on the page.
enum class RailChange {
    // The material, a hole type or the sides changed: the layout is checked again.
    Refresh,
    // A field of a side was left.
    Distance,
    Spacing,
    Holes,
    OffsetAmount,
    Rise,
    Run,
    MakeEqual,
};

// The field a message is about, where the focus goes with it.
enum class RailField { None, Material, HoleType, Distance, Spacing, Holes, OffsetAmount, Rise, Run };

struct RailLayoutResult {
    RailEntry entry;
    RailSlope slope;
    // The first refusal, or null.
    const char* message = nullptr;
    RailField field = RailField::None;
    int fieldSide = 0;
};

// One change on the Rails page (side is 0 or 1 for a field of a side). A refused field keeps its
// value; a side that is laid out shows its count and the distance left below its last hole.
RailLayoutResult checkRailLayout(const RailEntry& before, RailChange change, int side = 0);

// What the page says beside a count it filled in or changed itself.
inline constexpr const char* kCountByPageNote = "as many as fit";
