#pragma once

#include "gcode/output/job_records.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Hears of each program file a page wrote or read a setup header from, by its full path (the
// window's list of recent programs); nothing listens by default.
using TapFileListener = std::function<void(const std::string& path)>;
void setTapFileListener(TapFileListener listener);
void tapFileUsed(const std::string& path);

// The file a Load on one page found to be another page's: that page takes it when it is shown.
extern std::optional<std::string> pendingLoad;

// What the last setup header read left for the page that takes it.
struct HoldingFields {
    struct Pattern {
        float distanceFromTop = kUnsetLength;
        float spacing = kUnsetLength;
        int holeCount = kUnsetCount;
        int useOffsetting = kUnsetCount;
        float offsetAmount = kUnsetLength;
        int alternateOffset = kUnsetCount;
    };
    struct ManualHole {
        std::string name;
        float spacing = kUnsetLength;
        float offset = kUnsetLength;
    };

    std::string materialName;
    std::string side1HoleName;
    std::array<Pattern, 2> side;
    float distanceFromBottom = kUnsetLength;
    float rise = kUnsetLength;
    float run = kUnsetLength;
    // Hole number n (from 1) of a side is slot n - 1.
    std::array<std::vector<ManualHole>, 2> manualHoles{std::vector<ManualHole>(kManualSlots),
                                                       std::vector<ManualHole>(kManualSlots)};
    std::array<int, 2> manualOffsetOn{0, 0};
};
extern HoldingFields holding;

void resetSetupState();
