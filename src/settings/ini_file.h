#pragma once

#include <string>

class Messages;

inline constexpr const char* kIniFileName = "korvanta.ini";

std::string iniFilePath();

// Reads korvanta.ini from homeDir into gs. False, without a message, when the file cannot be
// opened; false after "Error reading korvanta.ini file" when a line has an unknown key or a
// number too large for a float (the file is first copied to korvanta.ini.bak so that the rewrite
// at exit loses nothing).
bool ReadIniFile(Messages& messages);

// Writes gs to korvanta.ini, replacing the old file only when the whole new one was written;
// otherwise says so with the file and the reason on a second line.
bool WriteIniFile(Messages& messages);
