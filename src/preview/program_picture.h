#pragma once

#include "verify/program_check.h"
#include "verify/verify_machine.h"

#include <string>
#include <vector>

// What the program view shows: the tool path of the program Run would write now, in machine
// coordinates, or why there is none.
struct ProgramPicture {
    std::string reason; // empty when there is a path to show
    ProgramReport report;
    VerifyMachine machine;
};

// The picture of a composed program from its reading back, which found no fault.
ProgramPicture pictureOfProgram(ProgramReport report, const VerifyMachine& machine);
ProgramPicture pictureOfReason(const std::string& reason);

// "Cutting time about 12 min 30 s, rapids and flips not counted"
std::string cuttingTimeText(double seconds);

// The picture laid out in a pane of width x height pixels, y running down from the top: straight
// strokes (arcs as short chords) in the style they are drawn with.
enum class Stroke { Rapid, Side1Cut, Side2Cut, Table, Park };
struct PictureLine {
    Stroke stroke = Stroke::Rapid;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
std::vector<PictureLine> layOutPicture(const ProgramPicture& picture, int width, int height);
