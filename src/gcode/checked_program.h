#pragma once

#include "gcode/output/program_output.h"
#include "settings/settings.h"
#include "verify/program_check.h"

#include <string>

class Messages;

// Reads the composed program back as the controller would, on the machine the settings describe
// with the libraries as the pages have them, and saves it over the file at path only when it
// passes every check; otherwise shows "The program failed its check at line %d: %s" and writes
// nothing.
bool saveCheckedProgram(const ProgramOutput& out, const std::string& path, const Settings& settings,
                        Messages& messages);
// The same check without writing: true when the program passes, else false after the message.
// The reading back is left in report, for a view to draw.
bool programPassesItsCheck(const ProgramOutput& out, const Settings& settings, Messages& messages,
                           ProgramReport& report);
