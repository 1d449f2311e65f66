#include "gcode/output/primitives.h"


#include <algorithm>
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

// The character of head 1 to settings.heads; the settings check makes sure every head has one.
void forEachHead(const Settings& settings, const auto& write)
{
    for (int head = 1; head <= settings.heads && head <= static_cast<int>(settings.headchars.size()); ++head)
        write(settings.headchars[static_cast<size_t>(head - 1)]);
}

// Numbered heads: the M-code followed by " C<character>" for each head.
void numberedHeadsLine(ProgramOutput& out, const Settings& settings, std::string_view code)
{
    out.text(code);
    forEachHead(settings, [&](char c) { out.characterWord(" C", c); });
    out.endLine();
}

// Lettered heads: the code followed by " <character><value>" for each head.
void letteredHeadsLine(ProgramOutput& out, const Settings& settings, std::string_view code, float value)
{
    out.text(code);
    forEachHead(settings, [&](char c) {
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

bool headsAreLettered(const Settings& settings)
{
    if (settings.headchars.empty())
        return false;
    const char c = settings.headchars[0];
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void writeHeadsHome(ProgramOutput& out, const Settings& settings)
{
    if (headsAreLettered(settings))
        out.text("G53\n");
    else
        numberedHeadsLine(out, settings, "M12");
}

void writeHeadsToClearance(ProgramOutput& out, const Settings& settings)
{
    if (headsAreLettered(settings))
        letteredHeadsLine(out, settings, "G0", settings.clearance);
    else
        numberedHeadsLine(out, settings, "M12");
}

void writeHeadsToDepth(ProgramOutput& out, const Settings& settings, float depth)
{
    if (headsAreLettered(settings))
        letteredHeadsLine(out, settings, "G1", -depth);
    else
        numberedHeadsLine(out, settings, "M11");
}

void writeSpindleCommands(ProgramOutput& out, const Settings& settings, Spindle state)
{
    const auto command = [&](int head) -> const std::string& {
        return state == Spindle::On ? settings.headOn(head) : settings.headOff(head);
    };
    const int heads = std::min(settings.heads, kMaxHeads);
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
