#pragma once

#include <array>
#include <string>
#include <vector>

// What the reader needs to know of the machine a program is meant for.
struct VerifyMachine {
    int heads = 1;
    std::string headChars = "Z"; // one character per head, head 1 first
    std::vector<std::string> spindleCommands; // every on and off command of every head
    std::string toolLine;
    double bitDiameter = 0;
    bool hasTable = false;
    double tableMinX = 0, tableMinY = 0, tableMaxX = 0, tableMaxY = 0;

    // Lettered heads are axes of their own; otherwise the heads are numbered and driven by M-codes.
    bool lettered() const;
    // The head whose character is c (letter case ignored), or -1.
    int headOf(char c) const;
    // Whether a spindle command or the tool line begins with G, as a move does.
    bool spindleOrToolBeginsWithG() const;
    // The same machine with its commands trimmed and each spindle command listed once, ready to
    // read a program with.
    VerifyMachine withPlainCommands() const;

private:
    // headOf for every character, once a machine is made ready to read with.
    std::array<signed char, 256> headIndex_{};
    bool indexed_ = false;
    bool commandBeginsWithG_ = false;
};

// The machine the settings describe, with the bit of the settings.
struct Settings;
VerifyMachine machineFromSettings(const Settings& settings);
// The hole types and materials as the pages have them now.
struct ShopLibrary;
ShopLibrary libraryFromLists();
