#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// What a program's setup header says of the holes it cuts, read from the program's own text:
// which page wrote it, the hole type names of each side, the material, a rail's slope and the
// bit. Names come back upper-cased, as every header reader gives them.
struct HeaderHole {
    int number = 0; // the hole's number on its side, from 1
    std::string name;
};

struct ProgramHeader {
    enum class Form { None, Post, Manual, Rail };
    Form form = Form::None;
    std::string bitName;
    std::string materialName;
    std::array<std::string, 2> holeNames;                // the Post and Rail forms
    std::array<std::vector<HeaderHole>, 2> manualHoles; // the Manual form, in number order
    double rise = 0;
    double run = 0;
};

// Reads the bracketed lines at the top of the program, up to its first line of G-code.
ProgramHeader readProgramHeader(std::string_view program);
