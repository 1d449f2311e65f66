#include "setupfile/setup_writer.h"

#include "gcode/output/primitives.h"
#include "setupfile/screen_names.h"

namespace {

// Items are written as a letter directly followed by its value; an optional item that holds the
// unset marker is left out.
void length(ProgramOutput& out, std::string_view prefix, float value)
{
    out.lengthWord(prefix, value);
}

void count(ProgramOutput& out, std::string_view prefix, int value)
{
    out.countWord(prefix, value);
}

void quoted(ProgramOutput& out, std::string_view prefix, std::string_view value)
{
    out.text(prefix);
    out.text("\"");
    out.text(value);
    out.text("\"");
}

void optionalLength(ProgramOutput& out, std::string_view prefix, float value)
{
    if (!isUnset(value))
        length(out, prefix, value);
}

void optionalCount(ProgramOutput& out, std::string_view prefix, int value)
{
    if (!isUnset(value))
        count(out, prefix, value);
}

void nameLine(ProgramOutput& out, std::string_view key, std::string_view letter, std::string_view name)
{
    out.text(key);
    quoted(out, letter, name);
    out.endLine();
}

void opening(ProgramOutput& out, PageId page)
{
    out.text("[File Created by Korvanta Software]\n\n[screen=");
    out.text(screenName(page));
    out.endLine();
}

// "[config=" for the Post and Rail forms; the Post form has two blanks before its v item.
void configLine(ProgramOutput& out, std::string_view beforeHeads)
{
    length(out, "[config=c", gs.clearance);
    length(out, " d", gs.depth);
    count(out, beforeHeads, gs.heads);
    quoted(out, " a", gs.headchars);
    length(out, " x", gs.startposX());
    length(out, " y", gs.startpos.y);
    count(out, " z", gs.autozoom);
    out.endLine();
}

// The settings items of "[config1=". The Post and Manual forms write every item, the Rail form
// leaves out those that hold the unset marker and puts a blank before each.
enum class Items { All, SetOnly };

void config1Items(ProgramOutput& out, Items items)
{
    const bool all = items == Items::All;
    const auto c = [&](std::string_view prefix, int value) {
        if (all || !isUnset(value))
            count(out, prefix, value);
    };
    const auto l = [&](std::string_view prefix, float value) {
        if (all || !isUnset(value))
            length(out, prefix, value);
    };
    out.text("[config1=");
    c(all ? "n" : " n", gs.cutatonce);
    c(" f", effectiveCutFeed);
    c(" p", effectivePlungeFeed);
    l(" l", gs.leadin);
    l(" e", gs.exit);
    l(" x", gs.endpos.x);
    l(" y", gs.endpos.y);
    c(" h", gs.start);
    c(" s", gs.direction);
}

// The several-posts flag follows the number of posts cut at once when the header is written.
int repeatFlag()
{
    gs.repeat = gs.cutatonce >= 2 ? 1 : 0;
    return gs.repeat;
}

void config2Line(ProgramOutput& out, const int* sides, int display)
{
    quoted(out, "[config2=b", gs.bitname);
    if (sides)
        count(out, " s", *sides);
    count(out, " o", display);
    count(out, " c", gs.cutstyle);
    count(out, " r", repeatFlag());
    out.endLine();
}

// Side 2's pattern; the amount and the flags of a side come from the job's accessors.
template <class Job>
void configBackLine(ProgramOutput& out, const Job& job)
{
    const PatternSide& s = job.side[1];
    out.text("[configback=");
    optionalLength(out, " d", s.distanceFromTop);
    optionalLength(out, " s", s.spacing);
    optionalCount(out, " n", s.holeCount);
    optionalCount(out, " o", s.useOffsetting);
    optionalLength(out, " a", job.offsetAmount(1));
    optionalCount(out, " l", s.alternateOffset);
    out.endLine();
}

void manualHoleLines(ProgramOutput& out, const ManualJob& job)
{
    for (int side = 0; side < 2; ++side) {
        const auto& slots = job.placedHoles[side];
        for (size_t k = 0; k < slots.size(); ++k) {
            if (!slots[k].filled())
                continue;
            count(out, "[side", side);
            count(out, "hole", static_cast<int>(k + 1));
            quoted(out, "=h", slots[k].hole.name);
            length(out, " s", isUnset(slots[k].spacing) ? 0.0f : slots[k].spacing);
            length(out, " o", isUnset(slots[k].offset) ? 0.0f : slots[k].offset);
            out.endLine();
        }
    }
}

} // namespace

void writeFeedLines(ProgramOutput& out, float materialHeight)
{
    count(out, "F", effectiveCutFeed);
    out.text(" XY\n");
    if (!headsAreLettered())
        return;
    count(out, "F", effectivePlungeFeed);
    out.text(" ");
    out.text(gs.headchars);
    out.endLine();
    out.text("G92.1");
    for (int head = 1; head <= gs.heads && head <= static_cast<int>(gs.headchars.size()); ++head) {
        const char prefix[2] = {' ', gs.headchars[head - 1]};
        out.lengthWord(std::string_view(prefix, 2), materialHeight);
    }
    out.endLine();
}

void writePostSetup(ProgramOutput& out, const PostJob& job, int display)
{
    opening(out, PageId::Posts);
    nameLine(out, "[materialname=", "n", job.materialName);
    nameLine(out, "[side0holename=", "h", job.holeName[0]);
    configLine(out, "  v");
    nameLine(out, "[side1holename=", "h", job.holeName[1]);
    configBackLine(out, job);
    config1Items(out, Items::All);
    length(out, " o", gs.spare[0]);
    out.endLine();
    config2Line(out, nullptr, display);

    const PatternSide& s = job.side[0];
    out.text("[post=");
    optionalLength(out, " d", s.distanceFromTop);
    optionalLength(out, " s", s.spacing);
    optionalCount(out, " h", s.holeCount);
    count(out, " o", s.useOffsetting);
    optionalLength(out, " a", job.offsetAmount(0));
    count(out, " l", s.alternateOffset);
    optionalCount(out, " c", job.sides);
    out.endLine();
}

void writeManualSetup(ProgramOutput& out, const ManualJob& job, int display)
{
    opening(out, PageId::Manual);
    quoted(out, "[config=n", job.material.name);
    length(out, " c", gs.clearance);
    length(out, " d", gs.depth);
    count(out, " v", gs.heads);
    quoted(out, " a", gs.headchars);
    length(out, " x", gs.startposX());
    length(out, " y", gs.startpos.y);
    count(out, " z", gs.autozoom);
    out.endLine();
    config1Items(out, Items::All);
    count(out, " o", job.offsetOn[0]);
    count(out, " t", job.offsetOn[1]);
    out.endLine();
    config2Line(out, &job.sides, display);
    manualHoleLines(out, job);
    out.endLine();

    out.text("G90\n");
    writeHeadsHome(out);
    writeFeedLines(out, job.material.height);
}

void writeRailSetup(ProgramOutput& out, const RailJob& job, int display)
{
    opening(out, PageId::Rails);
    nameLine(out, "[materialname=", "n", job.materialName);
    nameLine(out, "[side0holename=", "h", job.holeName[0]);
    configLine(out, " v");
    config1Items(out, Items::SetOnly);
    optionalLength(out, " o", gs.spare[0]);
    out.endLine();
    config2Line(out, nullptr, display);
    nameLine(out, "[side1holename=", "h", job.holeName[1]);
    configBackLine(out, job);

    const RailSide& s = job.side[0];
    out.text("[post=");
    optionalLength(out, " t", s.distanceFromTop);
    optionalLength(out, " s", s.spacing);
    optionalCount(out, " h", s.holeCount);
    optionalLength(out, " b", s.distanceFromBottom);
    optionalCount(out, " o", s.useOffsetting);
    optionalLength(out, " a", job.offsetAmount(0));
    optionalCount(out, " l", s.alternateOffset);
    optionalLength(out, " d", job.run);
    optionalLength(out, " r", job.rise);
    optionalCount(out, " c", job.sides);
    out.endLine();
}
