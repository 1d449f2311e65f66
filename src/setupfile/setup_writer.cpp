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
void configLine(ProgramOutput& out, const Settings& s, std::string_view beforeHeads)
{
    length(out, "[config=c", s.clearance);
    length(out, " d", s.depth);
    count(out, beforeHeads, s.heads);
    quoted(out, " a", s.headchars);
    length(out, " x", s.startposX());
    length(out, " y", s.startpos.y);
    count(out, " z", s.autozoom);
    out.endLine();
}

// The settings items of "[config1=". The Post and Manual forms write every item, the Rail form
// leaves out those that hold the unset marker and puts a blank before each.
enum class Items { All, SetOnly };

void config1Items(ProgramOutput& out, const RunContext& run, Items items)
{
    const Settings& s = run.settings;
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
    c(all ? "n" : " n", s.cutatonce);
    c(" f", run.feeds.cut);
    c(" p", run.feeds.plunge);
    l(" l", s.leadin);
    l(" e", s.exit);
    l(" x", s.endpos.x);
    l(" y", s.endpos.y);
    c(" h", s.start);
    c(" s", s.direction);
}

// The several-posts flag follows the number of posts cut at once.
int repeatFlag(const Settings& s)
{
    return s.cutatonce >= 2 ? 1 : 0;
}

void config2Line(ProgramOutput& out, const RunContext& run, const int* sides)
{
    quoted(out, "[config2=b", run.settings.bitname);
    if (sides)
        count(out, " s", *sides);
    count(out, " o", run.display);
    count(out, " c", run.settings.cutstyle);
    count(out, " r", repeatFlag(run.settings));
    out.endLine();
}

// Side 2's pattern; the amount and the flags of a side come from the job's accessors.
template <class Job>
void configBackLine(ProgramOutput& out, const Job& job, const Settings& settings)
{
    const PatternSide& side = job.side[1];
    out.text("[configback=");
    optionalLength(out, " d", side.distanceFromTop);
    optionalLength(out, " s", side.spacing);
    optionalCount(out, " n", side.holeCount);
    optionalCount(out, " o", side.useOffsetting);
    optionalLength(out, " a", job.offsetAmount(1, settings));
    optionalCount(out, " l", side.alternateOffset);
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

void writeFeedLines(ProgramOutput& out, float materialHeight, const RunContext& run)
{
    const Settings& s = run.settings;
    count(out, "F", run.feeds.cut);
    out.text(" XY\n");
    if (!headsAreLettered(s))
        return;
    count(out, "F", run.feeds.plunge);
    out.text(" ");
    out.text(s.headchars);
    out.endLine();
    out.text("G92.1");
    for (int head = 1; head <= s.heads && head <= static_cast<int>(s.headchars.size()); ++head) {
        const char prefix[2] = {' ', s.headchars[static_cast<size_t>(head - 1)]};
        out.lengthWord(std::string_view(prefix, 2), materialHeight);
    }
    out.endLine();
}

void writePostSetup(ProgramOutput& out, const PostJob& job, const RunContext& run)
{
    const Settings& s = run.settings;
    opening(out, PageId::Posts);
    nameLine(out, "[materialname=", "n", job.materialName);
    nameLine(out, "[side0holename=", "h", job.holeName[0]);
    configLine(out, s, "  v");
    nameLine(out, "[side1holename=", "h", job.holeName[1]);
    configBackLine(out, job, s);
    config1Items(out, run, Items::All);
    length(out, " o", s.spare[0]);
    out.endLine();
    config2Line(out, run, nullptr);

    const PatternSide& side = job.side[0];
    out.text("[post=");
    optionalLength(out, " d", side.distanceFromTop);
    optionalLength(out, " s", side.spacing);
    optionalCount(out, " h", side.holeCount);
    count(out, " o", side.useOffsetting);
    optionalLength(out, " a", job.offsetAmount(0, s));
    count(out, " l", side.alternateOffset);
    optionalCount(out, " c", job.sides);
    out.endLine();
}

void writeManualSetup(ProgramOutput& out, const ManualJob& job, const RunContext& run)
{
    const Settings& s = run.settings;
    opening(out, PageId::Manual);
    quoted(out, "[config=n", job.material.name);
    length(out, " c", s.clearance);
    length(out, " d", s.depth);
    count(out, " v", s.heads);
    quoted(out, " a", s.headchars);
    length(out, " x", s.startposX());
    length(out, " y", s.startpos.y);
    count(out, " z", s.autozoom);
    out.endLine();
    config1Items(out, run, Items::All);
    count(out, " o", job.offsetOn[0]);
    count(out, " t", job.offsetOn[1]);
    out.endLine();
    config2Line(out, run, &job.sides);
    manualHoleLines(out, job);
    out.endLine();

    out.text("G90\n");
    writeHeadsHome(out, s);
    writeFeedLines(out, job.material.height, run);
}

void writeRailSetup(ProgramOutput& out, const RailJob& job, const RunContext& run)
{
    const Settings& s = run.settings;
    opening(out, PageId::Rails);
    nameLine(out, "[materialname=", "n", job.materialName);
    nameLine(out, "[side0holename=", "h", job.holeName[0]);
    configLine(out, s, " v");
    config1Items(out, run, Items::SetOnly);
    optionalLength(out, " o", s.spare[0]);
    out.endLine();
    config2Line(out, run, nullptr);
    nameLine(out, "[side1holename=", "h", job.holeName[1]);
    configBackLine(out, job, s);

    const RailSide& side = job.side[0];
    out.text("[post=");
    optionalLength(out, " t", side.distanceFromTop);
    optionalLength(out, " s", side.spacing);
    optionalCount(out, " h", side.holeCount);
    optionalLength(out, " b", side.distanceFromBottom);
    optionalCount(out, " o", side.useOffsetting);
    optionalLength(out, " a", job.offsetAmount(0, s));
    optionalCount(out, " l", side.alternateOffset);
    optionalLength(out, " d", job.run);
    optionalLength(out, " r", job.rise);
    optionalCount(out, " c", job.sides);
    out.endLine();
}
