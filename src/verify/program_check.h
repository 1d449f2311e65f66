#pragma once

#include "verify/hole_sizes.h"
#include "verify/tool_path.h"
#include "verify/verify_machine.h"

#include <string_view>

// A program read back and checked: every problem at its line, in line order.
struct ProgramReport {
    ProgramTrace trace;
    int holes = 0;             // one for every time the heads go down
    double cuttingSeconds = 0; // feeds and plunges; rapids and pauses are not counted
    std::string note;          // why the holes' sizes were not checked, when they were not
    const std::vector<Problem>& problems() const { return trace.problems; }
};

// Reads the program and checks, besides what the simulation finds, that every arc is round, that
// every cut stays in the hole its outline describes and is the size of the hole type its header
// names in the library, and that every point where a head is down lies on the table.
ProgramReport verifyProgram(std::string_view program, const VerifyMachine& machine, const ShopLibrary& library = {});
