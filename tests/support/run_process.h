#pragma once

#include <string>
#include <vector>

// Runs program with arguments, without a shell, in folder, its standard output and standard error
// written to the files named, and returns its exit status (-1 when it could not run). Each
// argument reaches the program as it is, spaces and names outside ASCII included.
int runProgram(const std::string& program, const std::vector<std::string>& arguments, const std::string& folder,
               const std::string& outputFile, const std::string& errorFile);

// Arguments written as one line of words separated by single spaces, none of them quoted.
std::vector<std::string> words(const std::string& line);

// The line end of what a program prints to its standard output or error: Windows' text-mode
// streams write each "\n" as "\r\n".
#ifdef _WIN32
inline constexpr const char* kPrintedLineEnd = "\r\n";
#else
inline constexpr const char* kPrintedLineEnd = "\n";
#endif

// What a program printed, read back with "\n" line ends.
std::string printedText(const std::string& bytes);
