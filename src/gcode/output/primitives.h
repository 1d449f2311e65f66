#pragma once

#include "gcode/output/program_output.h"
#include "settings/settings.h"

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
// heads driven by M-codes. The head lines name heads 1 to settings.heads.
bool headsAreLettered(const Settings& settings);
void writeHeadsHome(ProgramOutput& out, const Settings& settings);
void writeHeadsToClearance(ProgramOutput& out, const Settings& settings);
void writeHeadsToDepth(ProgramOutput& out, const Settings& settings, float depth);
enum class Spindle { On, Off };
void writeSpindleCommands(ProgramOutput& out, const Settings& settings, Spindle state);

float absValue(float value);
