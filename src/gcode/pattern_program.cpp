#include "gcode/pattern_program.h"

#include "gcode/checked_program.h"
#include "gcode/hole_routine.h"
#include "gcode/pattern_layout.h"
#include "gcode/output/primitives.h"
#include "gcode/program_run.h"
#include "setupfile/current_tap_file.h"
#include "setupfile/setup_writer.h"

#include <type_traits>

namespace {

float single(double value) { return static_cast<float>(value); }

struct Style {
    PatternStyle kind;
    int variant;

    bool rail() const { return kind == PatternStyle::Rail; }
    // Variants 1 and 4 of the post program repeat the tool line at every side start; 2 and 3
    // write it once; the rail program has none.
    bool toolLineOnce() const { return !rail() && (variant == 2 || variant == 3); }
    bool toolLineEverySide() const { return !rail() && (variant == 1 || variant == 4); }
    // Variant 3 of the rail program ends every side with the end block.
    bool endBlockEverySide() const { return rail() && variant == 3; }
    const char* flipMarker() const { return rail() && variant == 4 ? "G4 [Flip Rail]\n" : "G4 [Flip Post]\n"; }
    const char* nextMarker() const { return rail() ? "[Next Rail]\n" : "[Next Post]\n"; }
};

template <class Job>
PatternInput patternInput(const Job& job, const Style& style, int side, int pairIndex)
{
    const PatternSide& s = job.side[side];
    const HoleRecord& hole = job.holeType[side];
    const double factor = style.rail() ? railHoleFactor : 1.0;
    const double extra = style.rail() ? railHoleExtra : 0.0;
    PatternInput in;
    in.variant = style.variant;
    in.startY = gs.startpos.y;
    in.materialLength = job.material.length;
    in.distanceFromTop = s.distanceFromTop;
    in.spacing = single(double(s.spacing) * factor);
    in.holeLength = single(double(hole.length) * factor + extra);
    in.holeWidth = hole.width;
    in.side1HoleWidth = job.holeType[0].width;
    in.offset = job.offsetAmount(side);
    in.holeCount = s.holeCount;
    in.useOffsetting = s.useOffsetting;
    in.alternateOffset = s.alternateOffset;
    in.firstPostX = gs.spos[2 * pairIndex];
    in.secondPostX = gs.spos[std::min(2 * pairIndex + 1, kFixturePositions - 1)];
    return in;
}

template <class Job>
void placeHoles(ProgramOutput& out, Job& job, const Style& style, int count, int side, int pairIndex)
{
    holeSlots = job.holeType;
    if constexpr (!std::is_const_v<Job>) {
        // An unset rail offset becomes 0 in the job itself (side 1's is gs.railoffset).
        if (style.rail() && (style.variant == 3 || style.variant == 4) && isUnset(job.offsetAmount(side)))
            job.offsetAmount(side) = 0;
    }
    if (style.rail() && style.variant == 1)
        writeText(out, "[Top Normal\n");

    const PatternPosts posts = layoutPattern(patternInput(job, style, side, pairIndex), count == 2);
    const float width = job.material.width;
    // Variant 4 of the post program without alternate offset clears every hole of the first post.
    const bool clearEveryHole = !style.rail() && style.variant == 4 && job.side[side].alternateOffset != 1;
    for (size_t k = 0; k < posts.first.size(); ++k)
        cutHole(out, side, k == 0 || clearEveryHole ? 1 : 0, posts.first[k].x, posts.first[k].y, width);
    if (!style.rail() && style.variant == 3)
        writeText(out, "\n");
    if (count == 2) {
        writeText(out, style.nextMarker());
        for (size_t k = 0; k < posts.second.size(); ++k)
            cutHole(out, side, k == 0 ? 1 : 0, posts.second[k].x, posts.second[k].y, width);
    }
    if (count == 2 || style.rail())
        writeText(out, style.nextMarker());
}

void writeToolLine(ProgramOutput& out)
{
    if (!gs.toolnumber.empty()) {
        writeText(out, gs.toolnumber);
        writeText(out, "\n");
    }
}

template <class Job>
void writeBody(ProgramOutput& out, Job& job, const Style& style)
{
    ProgramRun run;
    run.sides = job.sides;
    run.flipMarker = style.flipMarker();
    run.endBlockEverySide = style.endBlockEverySide();
    run.startSide = [&](int side) {
        startSideDepth(job.side[side].holeCount);
        writeSpindleCommands(out, Spindle::On);
        if (style.toolLineEverySide())
            writeToolLine(out);
    };
    run.placePosts = [&](int count, int side, int pairIndex) { placeHoles(out, job, style, count, side, pairIndex); };
    writeProgramRun(out, run);
}

bool directionIsKnown()
{
    return gs.direction == 0 || gs.direction == 1;
}

Style styleOf(PatternStyle kind)
{
    return Style{kind, programVariant(gs.start, gs.direction)};
}

} // namespace

void writePostProgramTo(ProgramOutput& out, const PostJob& job, int display)
{
    if (!directionIsKnown())
        return;
    const Style style = styleOf(PatternStyle::Post);
    writePostSetup(out, job, display);
    writeText(out, "G90\n");
    writeFeedLines(out, job.material.height);
    writeHeadsHome(out);
    if (style.toolLineOnce())
        writeToolLine(out);
    writeBody(out, job, style);
}

void writeRailProgramTo(ProgramOutput& out, RailJob& job, int display)
{
    if (!directionIsKnown())
        return;
    const Style style = styleOf(PatternStyle::Rail);
    writeRailSetup(out, job, display);
    writeText(out, "G90\n");
    writeHeadsHome(out);
    writeFeedLines(out, job.material.height);
    writeBody(out, job, style);
}

bool writePostProgram(const PostJob& job, int display, Messages& messages)
{
    ProgramOutput out;
    writePostProgramTo(out, job, display);
    return saveCheckedProgram(out, messages);
}

bool writeRailProgram(RailJob& job, int display, Messages& messages)
{
    ProgramOutput out;
    writeRailProgramTo(out, job, display);
    return saveCheckedProgram(out, messages);
}

void placePostHoles(ProgramOutput& out, const PostJob& job, int count, int side, int pairIndex)
{
    placeHoles(out, job, styleOf(PatternStyle::Post), count, side, pairIndex);
}

void placeRailHoles(ProgramOutput& out, RailJob& job, int count, int side, int pairIndex)
{
    placeHoles(out, job, styleOf(PatternStyle::Rail), count, side, pairIndex);
}

PatternInput postPatternInput(const PostJob& job, int side, int pairIndex)
{
    return patternInput(job, styleOf(PatternStyle::Post), side, pairIndex);
}

PatternInput railPatternInput(const RailJob& job, int side, int pairIndex)
{
    const Style style = styleOf(PatternStyle::Rail);
    PatternInput in = patternInput(job, style, side, pairIndex);
    // The writer makes an unset offset 0 in variants 3 and 4 before it lays the holes out.
    if ((style.variant == 3 || style.variant == 4) && isUnset(in.offset))
        in.offset = 0;
    return in;
}
