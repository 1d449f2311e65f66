#pragma once

#include "gcode/output/program_output.h"

// The words and lines of the controller's dialect. Every program, job list and setup header is
// written through these.

// A coordinate of -9999 or less is left out of its line.
inline constexpr float kOmit = -9999.0f;

void writeText(ProgramOutput& out, std::string_view text);
// "G0 " / "G1 " with an "X%.3f " word for each coordinate that is not omitted; nothing at all when
// every coordinate is omitted.
void writeRapid(ProgramOutput& out, float x, float y, float z);
void writeFeed(ProgramOutput& out, float x, float y, float z);
// A clockwise arc; the line is written even when every value is omitted.
void writeArc(ProgramOutput& out, float x, float y, float i, float j);

// The heads are lettered axes when the first head character is a letter, otherwise numbered
// heads driven by M-codes.
bool headsAreLettered();
void writeHeadsHome(ProgramOutput& out);
void writeHeadsToClearance(ProgramOutput& out);
void writeHeadsToDepth(ProgramOutput& out, float depth);
enum class Spindle { On, Off };
void writeSpindleCommands(ProgramOutput& out, Spindle state);

float absValue(float value);
