#include "support/gcode_fixture.h"

#include "settings/library_files.h"
#include "settings/settings.h"

#include <algorithm>

void useExampleMachine()
{
    gs.heads = 1;
    gs.headchars = "Z";
    gs.head1on = gs.head2on = gs.head3on = gs.head4on = "m3";
    gs.head1off = gs.head2off = gs.head3off = gs.head4off = "m5";
    gs.toolnumber.clear();
    gs.cutfeed = 120;
    gs.plungefeed = 30;
    gs.alignment = 2;
    gs.spos = {10, 22, 34, 46, 58, 70, 82, 94, 106, 118, 130, 142};
    gs.startpos.y = 40;
    gs.endpos = {0, 0};
    gs.bit = 0.5f;
    gs.bitname = "1/2";
    gs.leadin = 0.25f;
    gs.exit = 0.125f;
    gs.clearance = 0.5f;
    gs.depth = 0.75f;
    gs.maxdepth = 0;
    gs.cutstyle = 0;
    gs.cutatonce = 1;
    gs.start = 1;
    gs.direction = 1;
    gs.spare[0] = kUnsetLength;
    gs.path = homeDir;
    gs.autopath = homeDir;
}

RunContext shopRun(int display, RailSlope slope)
{
    RunContext run;
    run.settings = gs;
    run.slope = slope;
    run.feeds = {gs.cutfeed, gs.plungefeed};
    run.display = display;
    run.programFolder = gs.path;
    return run;
}

void useTwoHeadMachine()
{
    useExampleMachine();
    gs.heads = 2;
    gs.headchars = "ZW";
    gs.toolnumber = "T1";
}

void useVariant(int variant)
{
    gs.start = variant <= 2 ? 1 : 0;
    gs.direction = variant % 2 == 1 ? 1 : 0;
}

HoleRecord exampleHole()
{
    return HoleRecord{"RAIL 4X1.5", 4, 1.5f, 0.5f, 0};
}

PostJob examplePostJob()
{
    PostJob job;
    job.sides = 1;
    job.material = MaterialRecord{"VINYL 5X5", 48, 5, 0, 3.5f, 0, 0};
    job.materialName = job.material.name;
    job.holeType = {exampleHole(), exampleHole()};
    job.holeName = {exampleHole().name, ""};
    job.side[0].distanceFromTop = 6;
    job.side[0].spacing = 2;
    job.side[0].holeCount = 1;
    gs.autopostoffset = kUnsetLength;
    return job;
}

std::vector<std::string> linesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> bodyLines(const std::string& program)
{
    std::vector<std::string> lines = linesOf(program);
    auto g90 = std::find(lines.begin(), lines.end(), "G90");
    return std::vector<std::string>(g90, lines.end());
}
