#pragma once

#include "gcode/output/job_records.h"
#include "gcode/output/program_output.h"
#include "gcode/pattern_layout.h"

class Messages;

// The post and rail programs: the setup header, the preamble, the posts (or rails) of the run in
// pairs along the fixtures, a flip between the sides, and the end block. They differ in a few
// lines; the rail program stretches lengths along a slope.
enum class PatternStyle { Post, Rail };

// Writes the program to the current tap file. False, after "Please check the path under the
// configuration tab", when it cannot be written. display is the page's display choice.
bool writePostProgram(const PostJob& job, int display, Messages& messages);
bool writeRailProgram(RailJob& job, int display, Messages& messages);

// The program text itself.
void writePostProgramTo(ProgramOutput& out, const PostJob& job, int display);
void writeRailProgramTo(ProgramOutput& out, RailJob& job, int display);

// The holes of one post (count 1) or a pair of posts (count 2) on one side, for the pair of
// fixtures pairIndex.
void placePostHoles(ProgramOutput& out, const PostJob& job, int count, int side, int pairIndex);
void placeRailHoles(ProgramOutput& out, RailJob& job, int count, int side, int pairIndex);

// What layoutPattern is given for one side of the posts (or rails) at fixture pair pairIndex, as
// the writers place them.
PatternInput postPatternInput(const PostJob& job, int side, int pairIndex);
PatternInput railPatternInput(const RailJob& job, int side, int pairIndex);
