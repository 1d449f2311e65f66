#pragma once

#include "verify/program_check.h"

#include <iosfwd>
#include <string>
#include <vector>

// What verify found in one program; a program that cannot be read has no report.
struct VerifiedProgram {
    std::string name;
    bool readable = false;
    double bit = 0;
    ProgramReport report;
};

// "mm:ss", the seconds rounded.
std::string minutesAndSeconds(double seconds);
// One line "PROGRAM:LINE: sentence" per problem and a summary line per program.
void printText(const std::vector<VerifiedProgram>& programs, std::ostream& out);
// The same as one JSON document.
void printJson(const std::vector<VerifiedProgram>& programs, std::ostream& out);
