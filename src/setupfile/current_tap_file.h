#pragma once

#include "gcode/output/job_records.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class Messages;
class ProgramOutput;

// The current tap file is the folder gs.path with this file name.
extern std::string filename;
// "<gs.path><separator><filename>": the file that Run and Save write and Load reads.
std::string currentTapFilePath();
// Writes a finished program to the current tap file; a written one is told to the listener.
bool saveToCurrentTapFile(const ProgramOutput& out, Messages& messages);

// Hears of the current tap file's full path each time a program is written to it or a setup
// header is read from it (the window's list of recent programs); nothing listens by default.
using TapFileListener = std::function<void(const std::string& path)>;
void setTapFileListener(TapFileListener listener);
void tapFileUsed();

// Values shared by the cutting pages: the sides choice (1 one side, 2 both sides), the display
// choice (1 overlay, 0 apart), and the flag a Load sets when it found another page's file.
extern int sharedSides;
extern int sharedOverlay;
extern bool loadPending;

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
