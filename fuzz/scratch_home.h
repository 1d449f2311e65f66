#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The readers open files by name, so each input is written into one folder that the process
// makes at first use and removes at its end.
const std::string& scratchHome();
std::string writeScratchFile(const std::string& name, std::string_view bytes);
std::string readScratchFile(const std::string& name);

// Every process-wide record as a fresh start of the program in the scratch folder has it.
void freshProcess();

inline std::string_view asText(const uint8_t* data, size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// Aborts with the broken promise when the condition does not hold.
void fuzzCheck(bool condition, const char* promise);
