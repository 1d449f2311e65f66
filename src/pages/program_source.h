#pragma once

#include "gcode/output/job_records.h"
#include "gcode/output/program_output.h"
#include "verify/program_check.h"

class Messages;

// A cutting page's program as Run would write it now, composed in memory and not written.
class ProgramSource {
public:
    virtual ~ProgramSource() = default;
    // False, with the reason told to reasons, when the page's job cannot be written as it stands.
    // A composed program has been read back as Run reads it; report holds that reading.
    virtual bool composeProgram(ProgramOutput& out, Messages& reasons, ProgramReport& report) = 0;
    bool composeProgram(ProgramOutput& out, Messages& reasons)
    {
        ProgramReport unused;
        return composeProgram(out, reasons, unused);
    }
};

// A pattern job has its material and the hole type of every side it cuts; otherwise tells which is
// missing, in Run's words.
bool patternJobIsChosen(const MaterialRecord& material, const std::array<HoleRecord, 2>& holeTypes, int sides,
                        Messages& reasons);
