#pragma once

#include "gcode/output/program_output.h"
#include "settings/settings.h"

#include <functional>

// The shape every program shares after its preamble: each side (side 2 only when both are cut)
// cuts the posts of the run in pairs along the fixtures, the last one alone when their number is
// odd; a flip pause follows side 1 when both sides are cut; the end block parks the heads and
// the gantry.
struct ProgramRun {
    int sides = 1;
    const char* flipMarker = "G4 [Flip Post]\n";
    bool endBlockEverySide = false;
    // Called at the start of each side, before its posts.
    std::function<void(int side)> startSide;
    // Writes one post (count 1) or a pair of posts (count 2) of a side at fixture pair pairIndex.
    std::function<void(int count, int side, int pairIndex)> placePosts;
};

void writeProgramRun(ProgramOutput& out, const ProgramRun& run, const Settings& settings);
// Spindles off, heads home, gantry to the end position.
void writeEndBlock(ProgramOutput& out, const Settings& settings);
