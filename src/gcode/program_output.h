#pragma once

#include <string>
#include <string_view>

class Messages;

// A program or job list being written: the bytes in memory, with the controller's CR LF line
// ends, until it is saved whole.
class ProgramOutput {
public:
    // Writes text; every "\n" in it becomes one CR LF line end.
    void text(std::string_view text);
    void endLine() { bytes_ += "\r\n"; }
    void character(char c) { bytes_ += c; }
    // A length as "%.3f".
    void length(float value);
    void count(int value);

    const std::string& bytes() const { return bytes_; }
    void reserve(size_t size) { bytes_.reserve(size); }

private:
    std::string bytes_;
};

// Saves the output over the file at path (through a temporary file). On any failure shows
// "Please check the path under the configuration tab" and returns false; an old file stays.
bool saveOutput(const ProgramOutput& output, const std::string& path, Messages& messages);
