#pragma once

#include <string>

inline constexpr const char* kVersion = "3.0.13";

// The values a run starts from before the settings file is read; workingDir becomes homeDir.
void setStartValues(const std::string& workingDir);
