#pragma once

#include <string>

// Runs a command line through the shell and returns its exit status (-1 when it could not run).
int runCommand(const std::string& commandLine);
// The command line quoting of one argument.
std::string quoted(const std::string& argument);
