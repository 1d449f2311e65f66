#pragma once

#include <string>
#include <string_view>

class Messages;

// A program or job list being written: the bytes in memory, with the controller's CR LF line
// ends, until it is saved whole. Output is composed of words: a literal text, or a prefix
// followed by one value. The word operations are virtual so that another sink (such as a
// plain stdio stream for comparison) can take the same program.
class ProgramOutput {
public:
    virtual ~ProgramOutput() = default;

    // Writes text; every "\n" in it becomes one CR LF line end.
    virtual void text(std::string_view text);
    virtual void endLine();
    // prefix, the length as "%.3f", suffix.
    virtual void lengthWord(std::string_view prefix, float value, std::string_view suffix = {});
    // prefix, the count as "%d".
    virtual void countWord(std::string_view prefix, int value);
    // prefix, then one character.
    virtual void characterWord(std::string_view prefix, char c);

    const std::string& bytes() const { return bytes_; }
    void reserve(size_t size) { bytes_.reserve(size); }

private:
    std::string bytes_;
};

inline constexpr const char* kCheckPathMessage = "Please check the path under the configuration tab";

// Saves the output over the file at path (through a temporary file). On any failure shows
// "Please check the path under the configuration tab" with the file and the system's reason on a
// second line, and returns false; an old file stays.
bool saveOutput(const ProgramOutput& output, const std::string& path, Messages& messages);
