#pragma once

#include "verify/tool_path.h"
#include "verify/verify_machine.h"

#include <string_view>

// Runs the program as the controller would: the gantry, the heads (up at clearance or home, down
// in the material) and the feed rates. The problems found on the way are the lines it cannot read,
// rapids while a head is down, cuts while a head is up, moves from an unknown position, head words
// that name the gantry's axes, and a program that ends in the material.
ProgramTrace simulateProgram(std::string_view program, const VerifyMachine& machine);
