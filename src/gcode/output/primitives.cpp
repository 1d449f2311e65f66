#include "gcode/output/primitives.h"

#include "settings/settings.h"

#include <cmath>

namespace {

// "X%-.3f " and its kin: every coordinate word is followed by a blank.
void word(ProgramOutput& out, char letter, float value)
{
    if (value > kOmit) {
        const char prefix[1] = {letter};
        out.lengthWord(std::string_view(prefix, 1), value, " ");
    }
}

void motion(ProgramOutput& out, std::string_view code, float x, float y, float z)
{
    if (!(x > kOmit || y > kOmit || z > kOmit))
        return;
    out.text(code);
    word(out, 'X', x);
    word(out, 'Y', y);
    word(out, 'Z', z);
    out.endLine();
}

// The character of head 1 to gs.heads; the settings check makes sure every head has one.
void forEachHead(const auto& write)
{
    for (int head = 1; head <= gs.heads && head <= static_cast<int>(gs.headchars.size()); ++head)
        write(gs.headchars[head - 1]);
}

// Numbered heads: the M-code followed by " C<character>" for each head.
void numberedHeadsLine(ProgramOutput& out, std::string_view code)
{
    out.text(code);
    forEachHead([&](char c) { out.characterWord(" C", c); });
    out.endLine();
}

// Lettered heads: the code followed by " <character><value>" for each head.
void letteredHeadsLine(ProgramOutput& out, std::string_view code, float value)
{
    out.text(code);
    forEachHead([&](char c) {
        const char prefix[2] = {' ', c};
        out.lengthWord(std::string_view(prefix, 2), value);
    });
    out.endLine();
}

} // namespace

void writeText(ProgramOutput& out, std::string_view text)
{
    out.text(text);
}

void writeRapid(ProgramOutput& out, float x, float y, float z)
{
    motion(out, "G0 ", x, y, z);
}

void writeFeed(ProgramOutput& out, float x, float y, float z)
{
    motion(out, "G1 ", x, y, z);
}

void writeArc(ProgramOutput& out, float x, float y, float i, float j)
{
    out.text("G2 ");
    word(out, 'X', x);
    word(out, 'Y', y);
    word(out, 'I', i);
    word(out, 'J', j);
    out.endLine();
}

bool headsAreLettered()
{
    if (gs.headchars.empty())
        return false;
    const char c = gs.headchars[0];
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void writeHeadsHome(ProgramOutput& out)
{
    if (headsAreLettered())
        out.text("G53\n");
    else
        numberedHeadsLine(out, "M12");
}

void writeHeadsToClearance(ProgramOutput& out)
{
    if (headsAreLettered())
        letteredHeadsLine(out, "G0", gs.clearance);
    else
        numberedHeadsLine(out, "M12");
}

void writeHeadsToDepth(ProgramOutput& out, float depth)
{
    if (headsAreLettered())
        letteredHeadsLine(out, "G1", -depth);
    else
        numberedHeadsLine(out, "M11");
}

void writeSpindleCommands(ProgramOutput& out, Spindle state)
{
    const auto command = [state](int head) -> const std::string& {
        return state == Spindle::On ? gs.headOn(head) : gs.headOff(head);
    };
    const int heads = std::min(gs.heads, kMaxHeads);
    bool allSame = true;
    for (int head = 1; head <= heads && allSame; ++head)
        allSame = command(head) == command(1);
    if (allSame) {
        out.text(command(1));
        out.endLine();
        return;
    }
    for (int head = 1; head <= heads; ++head) {
        out.text(command(head));
        out.endLine();
    }
}

float absValue(float value)
{
    return std::fabs(value);
}
