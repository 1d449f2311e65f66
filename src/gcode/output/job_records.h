#pragma once

#include "settings/library_records.h"
#include "settings/settings.h"

#include <array>
#include <string>
#include <vector>

// The jobs the three cutting pages edit and hand to their program writers.

// The regular hole pattern of one side of a post or rail.
struct PatternSide {
    float distanceFromTop = kUnsetLength;
    float spacing = kUnsetLength;
    int holeCount = kUnsetCount;
    int useOffsetting = 0;
    // Side 2's amount; side 1's lives in the settings (see offsetAmount below).
    float offsetAmount = kUnsetLength;
    int alternateOffset = 0;
};

// The job of a page that lays out a regular pattern: its material, the hole type and pattern of
// each side, and the names as the page shows them and the setup header records them. Side 1's
// offset amount is a setting of its own (Side1Amount), side 2's lives in the job.
template <class Side, float Settings::*Side1Amount>
struct PatternJob {
    int sides = 1;
    MaterialRecord material;
    std::array<HoleRecord, 2> holeType;
    std::array<Side, 2> side;
    std::string materialName;
    std::array<std::string, 2> holeName;

    float& offsetAmount(int sideIndex) { return sideIndex == 0 ? gs.*Side1Amount : side[1].offsetAmount; }
    float offsetAmount(int sideIndex) const { return offsetAmount(sideIndex, gs); }
    // The amount with side 1's taken from the settings a program is composed with.
    float offsetAmount(int sideIndex, const Settings& settings) const
    {
        return sideIndex == 0 ? settings.*Side1Amount : side[1].offsetAmount;
    }
};

// The Posts page's job; side 1's offset amount is gs.autopostoffset.
struct PostJob : PatternJob<PatternSide, &Settings::autopostoffset> {};

// The Rails page keeps what is left below the holes with each side's pattern.
struct RailSide : PatternSide {
    float distanceFromBottom = kUnsetLength;
    float leftover = 0;
    int maxCount = 0;
};

// The Rails page's job; side 1's offset amount is gs.railoffset.
struct RailJob : PatternJob<RailSide, &Settings::railoffset> {
    float rise = 0;
    float run = 0;
};

inline constexpr int kManualSlots = 1000;

// One hole placed by hand: its hole type, its gap from the hole above (or from the top end) and
// its sideways offset. The slot is filled when the hole type has a name.
struct PlacedHole {
    HoleRecord hole;
    float spacing = kUnsetLength;
    float offset = 0;

    bool filled() const { return !hole.name.empty(); }
};

struct ManualJob {
    int sides = 1;
    MaterialRecord material;
    // 1000 slots per side.
    std::array<std::vector<PlacedHole>, 2> placedHoles{std::vector<PlacedHole>(kManualSlots),
                                                       std::vector<PlacedHole>(kManualSlots)};
    std::array<int, 2> offsetOn{0, 0};
    int side1HoleCount = 0;
};

extern PostJob postJob;
extern ManualJob manualJob;
extern RailJob railJob;

void resetJobs();
