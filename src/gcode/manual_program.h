#pragma once

#include "gcode/output/job_records.h"
#include "gcode/output/program_output.h"

class Messages;

// The program of the Manual page's job: its holes placed one by one, with the shape of a post
// program. Written to the current tap file; false, after the path message, when it cannot be.
bool writeManualProgram(const ManualJob& job, int display, Messages& messages);
void writeManualProgramTo(ProgramOutput& out, const ManualJob& job, int display);

// The holes of one post (count 1) or a pair of posts (count 2) on one side.
void placeManualHoles(ProgramOutput& out, const ManualJob& job, int count, int side, int pairIndex);
