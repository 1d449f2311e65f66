#pragma once

#include <string>
#include <vector>

// A program as the controller would run it: the tool-centre path of the gantry, the cuts, and
// what is wrong with it, each problem at its line (counted from 1).

struct Point2 {
    double x = 0;
    double y = 0;
};

enum class Motion : unsigned char { Rapid, Feed, Arc };

// A program holds a segment for nearly every line: its members are laid out to take 64 bytes.
struct PathSegment {
    Point2 from;
    Point2 to;
    Point2 centre; // arcs only; every arc runs clockwise
    double feed = 0; // units per minute; 0 for rapids and for feeds never set
    int line = 0;
    Motion motion = Motion::Rapid;
    bool headsDown = false;  // some head is in the material
    unsigned char side = 0;  // 0 before the program's first pause, 1 after it
};

// From the line that puts the heads down to the line that brings them all up again.
struct Cut {
    int firstLine = 0;
    int lastLine = 0;
    size_t firstSegment = 0; // the cut's moves are segments [firstSegment, endSegment)
    size_t endSegment = 0;
    bool subprogram = false; // a called program cuts the hole
    Point2 at;               // where the heads went down
    bool atKnown = false;
    int side = 0;            // 0 before the program's first pause, 1 after it
};

struct Problem {
    int line = 0;
    std::string text;
};

struct ProgramTrace {
    std::vector<PathSegment> segments;
    std::vector<Cut> cuts;
    std::vector<Problem> problems;
    double feedMinutes = 0;   // feed moves at their feed rates
    double plungeMinutes = 0; // head moves into the material at the plunge rate
    Point2 park;              // where the gantry stands at the end
    bool parkKnown = false;
};
