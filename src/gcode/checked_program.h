#pragma once

#include "gcode/output/program_output.h"

class Messages;

// Reads the composed program back as the controller would and saves it over the current tap file
// only when it passes every check; otherwise shows "The program failed its check at line %d: %s"
// and writes nothing.
bool saveCheckedProgram(const ProgramOutput& out, Messages& messages);
