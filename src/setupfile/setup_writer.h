#pragma once

#include "gcode/output/job_records.h"
#include "gcode/output/program_output.h"
#include "gcode/output/run_context.h"

// The setup header that opens every program and records its job, so that Load can read it back:
// the run's settings, its feed rates and its display choice (1 overlay sides, 0 sides apart).
void writePostSetup(ProgramOutput& out, const PostJob& job, const RunContext& run);
// The Manual form ends with an empty line and the program's preamble.
void writeManualSetup(ProgramOutput& out, const ManualJob& job, const RunContext& run);
void writeRailSetup(ProgramOutput& out, const RailJob& job, const RunContext& run);

// The preamble lines after "G90": the feed lines and, for lettered heads, the plunge feed and the
// heads' height set to the material's height.
void writeFeedLines(ProgramOutput& out, float materialHeight, const RunContext& run);
