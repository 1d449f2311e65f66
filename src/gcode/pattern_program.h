#pragma once

#include "gcode/output/job_records.h"
#include "gcode/output/program_output.h"
#include "gcode/output/run_context.h"
#include "gcode/pattern_layout.h"

// The post and rail programs: the setup header, the preamble, the posts (or rails) of the run in
// pairs along the fixtures, a flip between the sides, and the end block. They differ in a few
// lines; the rail program stretches lengths along the run's slope. Composed from the job and the
// run alone: nothing else is read and nothing is changed.
void writePostProgramTo(ProgramOutput& out, const PostJob& job, const RunContext& run);
void writeRailProgramTo(ProgramOutput& out, const RailJob& job, const RunContext& run);

// What layoutPattern is given for one side of the posts (or rails) at fixture pair pairIndex, as
// the writers place them.
PatternInput postPatternInput(const PostJob& job, int side, int pairIndex, const RunContext& run);
PatternInput railPatternInput(const RailJob& job, int side, int pairIndex, const RunContext& run);
