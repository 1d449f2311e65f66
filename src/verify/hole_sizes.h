#pragma once

#include "settings/library_records.h"
#include "verify/program_header.h"
#include "verify/tool_path.h"

#include <string>
#include <vector>

// The shop's hole types and materials, against which a program's holes are measured.
struct ShopLibrary {
    bool read = false; // false: the libraries could not be read, so no hole is measured
    std::vector<HoleRecord> holes;
    std::vector<MaterialRecord> materials;
};

// The loop a cut's tool centre goes round: its extent and the radius of its corner arcs.
struct LoopSize {
    bool known = false;
    double width = 0;
    double length = 0;
    double corner = 0;
};

// Compares every hole the program cuts, its loop grown by the bit's radius, with the hole type
// its header names for it: width, length (stretched along a sloped rail) and corner radius (the
// larger of the hole type's and the bit's). Subprogram holes are left to their own program.
// When the holes cannot be matched with hole types of the library, note says why, once.
struct HoleSizeCheck {
    std::vector<Problem> problems;
    std::string note;
};
HoleSizeCheck checkHoleSizes(const ProgramHeader& header, const ShopLibrary& library, double bit,
                             const std::vector<Cut>& cuts, const std::vector<LoopSize>& loops);
