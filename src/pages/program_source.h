#pragma once

#include "gcode/output/program_output.h"

class Messages;

// A cutting page's program as Run would write it now, composed in memory and not written.
class ProgramSource {
public:
    virtual ~ProgramSource() = default;
    // False, with the reason told to reasons, when the page's job cannot be written as it stands.
    virtual bool composeProgram(ProgramOutput& out, Messages& reasons) = 0;
};
