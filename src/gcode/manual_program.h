#pragma once

#include "gcode/output/job_records.h"
#include "gcode/output/program_output.h"
#include "gcode/output/run_context.h"

// The program of the Manual page's job: its holes placed one by one, with the shape of a post
// program. Composed from the job and the run alone.
void writeManualProgramTo(ProgramOutput& out, const ManualJob& job, const RunContext& run);
