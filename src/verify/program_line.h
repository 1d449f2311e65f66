#pragma once

#include "verify/verify_machine.h"

#include <array>
#include <string>
#include <string_view>

// One line of a program, read as the controller reads it.
enum class Statement {
    Empty,
    Comment,      // a bracketed line
    Absolute,     // G90
    GantryFeedRate, // F120 XY
    HeadFeedRate, // F30 followed by the head characters
    HeadOffset,   // G92.1 with a value for heads, no motion
    HeadsHome,    // G53
    GantryRapid,  // G0 with X and Y words
    GantryFeed,   // G1 with X and Y words
    Arc,          // G2 with X, Y, I and J words
    HeadRapid,    // G0 with head words
    HeadFeed,     // G1 with head words
    HeadsDown,    // M11 with C words
    HeadsUp,      // M12 with C words
    Pause,        // G4
    Subprogram,   // M98 and the called program
    Spindle,      // one of the machine's spindle commands
    Tool,         // a T word
    Unknown,
};

struct Word {
    char address = 0; // X, Y, I or J; for head words the head's character as written
    int head = -1;    // the head a head word moves
    double value = 0;
};

// At most one word for each axis a line may name; a line with more is not one of the dialect.
inline constexpr size_t kMostWords = 8;

struct LineWords {
    std::array<Word, kMostWords> items;
    size_t count = 0;
    const Word* begin() const { return items.data(); }
    const Word* end() const { return items.data() + count; }
    bool empty() const { return count == 0; }
    void push_back(const Word& word) { items[count++] = word; }
};

struct ProgramLine {
    Statement statement = Statement::Unknown;
    LineWords words;
    double feed = 0;
    std::string why;     // for an unknown line, what is wrong with it
    std::string warning; // a line that is read but should not be written so
};

// The machine's commands must be plain (VerifyMachine::withPlainCommands).
ProgramLine readProgramLine(std::string_view text, const VerifyMachine& machine);
// The same line read without the shortcut that readProgramLine takes for plain moves; the two
// always agree.
ProgramLine readProgramLineGenerally(std::string_view text, const VerifyMachine& machine);
