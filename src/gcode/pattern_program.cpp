#include "gcode/pattern_program.h"

#include "gcode/hole_routine.h"
#include "gcode/output/primitives.h"
#include "gcode/program_run.h"
#include "setupfile/setup_writer.h"

namespace {

float single(double value) { return static_cast<float>(value); }

enum class PatternStyle { Post, Rail };

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

Style styleOf(PatternStyle kind, const Settings& settings)
{
    return Style{kind, programVariant(settings.start, settings.direction)};
}

template <class Job>
PatternInput patternInput(const Job& job, const Style& style, int side, int pairIndex, const RunContext& run)
{
    const Settings& s = run.settings;
    const PatternSide& pattern = job.side[static_cast<size_t>(side)];
    const HoleRecord& hole = job.holeType[static_cast<size_t>(side)];
    const double factor = style.rail() ? run.slope.factor : 1.0;
    const double extra = style.rail() ? run.slope.extra : 0.0;
    PatternInput in;
    in.variant = style.variant;
    in.startY = s.startpos.y;
    in.materialLength = job.material.length;
    in.distanceFromTop = pattern.distanceFromTop;
    in.spacing = single(double(pattern.spacing) * factor);
    in.holeLength = single(double(hole.length) * factor + extra);
    in.holeWidth = hole.width;
    in.side1HoleWidth = job.holeType[0].width;
    in.offset = job.offsetAmount(side, s);
    // The rail program takes an unset offset as 0 in variants 3 and 4.
    if (style.rail() && (style.variant == 3 || style.variant == 4) && isUnset(in.offset))
        in.offset = 0;
    in.holeCount = pattern.holeCount;
    in.useOffsetting = pattern.useOffsetting;
    in.alternateOffset = pattern.alternateOffset;
    in.firstPostX = s.spos[static_cast<size_t>(2 * pairIndex)];
    in.secondPostX = s.spos[static_cast<size_t>(std::min(2 * pairIndex + 1, kFixturePositions - 1))];
    return in;
}

// The holes of one post (count 1) or a pair of posts (count 2) on one side, for the pair of
// fixtures pairIndex.
template <class Job>
void placeHoles(ProgramOutput& out, HoleRoutine& holes, const Job& job, const Style& style, int count, int side,
                int pairIndex, const RunContext& run)
{
    holes.holeSlots = job.holeType;
    if (style.rail() && style.variant == 1)
        writeText(out, "[Top Normal\n");

    const PatternPosts posts = layoutPattern(patternInput(job, style, side, pairIndex, run), count == 2);
    const float width = job.material.width;
    // Variant 4 of the post program without alternate offset clears every hole of the first post.
    const bool clearEveryHole =
        !style.rail() && style.variant == 4 && job.side[static_cast<size_t>(side)].alternateOffset != 1;
    for (size_t k = 0; k < posts.first.size(); ++k)
        holes.cutHole(side, k == 0 || clearEveryHole ? 1 : 0, posts.first[k].x, posts.first[k].y, width);
    if (!style.rail() && style.variant == 3)
        writeText(out, "\n");
    if (count == 2) {
        writeText(out, style.nextMarker());
        for (size_t k = 0; k < posts.second.size(); ++k)
            holes.cutHole(side, k == 0 ? 1 : 0, posts.second[k].x, posts.second[k].y, width);
    }
    if (count == 2 || style.rail())
        writeText(out, style.nextMarker());
}

void writeToolLine(ProgramOutput& out, const Settings& settings)
{
    if (!settings.toolnumber.empty()) {
        writeText(out, settings.toolnumber);
        writeText(out, "\n");
    }
}

template <class Job>
void writeBody(ProgramOutput& out, const Job& job, const Style& style, const RunContext& run)
{
    HoleRoutine holes(out, run);
    ProgramRun program;
    program.sides = job.sides;
    program.flipMarker = style.flipMarker();
    program.endBlockEverySide = style.endBlockEverySide();
    program.startSide = [&](int side) {
        holes.startSideDepth(job.side[static_cast<size_t>(side)].holeCount);
        writeSpindleCommands(out, run.settings, Spindle::On);
        if (style.toolLineEverySide())
            writeToolLine(out, run.settings);
    };
    program.placePosts = [&](int count, int side, int pairIndex) {
        placeHoles(out, holes, job, style, count, side, pairIndex, run);
    };
    writeProgramRun(out, program, run.settings);
}

bool directionIsKnown(const Settings& settings)
{
    return settings.direction == 0 || settings.direction == 1;
}

} // namespace

void writePostProgramTo(ProgramOutput& out, const PostJob& job, const RunContext& run)
{
    if (!directionIsKnown(run.settings))
        return;
    const Style style = styleOf(PatternStyle::Post, run.settings);
    writePostSetup(out, job, run);
    writeText(out, "G90\n");
    writeFeedLines(out, job.material.height, run);
    writeHeadsHome(out, run.settings);
    if (style.toolLineOnce())
        writeToolLine(out, run.settings);
    writeBody(out, job, style, run);
}

void writeRailProgramTo(ProgramOutput& out, const RailJob& job, const RunContext& run)
{
    if (!directionIsKnown(run.settings))
        return;
    const Style style = styleOf(PatternStyle::Rail, run.settings);
    writeRailSetup(out, job, run);
    writeText(out, "G90\n");
    writeHeadsHome(out, run.settings);
    writeFeedLines(out, job.material.height, run);
    writeBody(out, job, style, run);
}

PatternInput postPatternInput(const PostJob& job, int side, int pairIndex, const RunContext& run)
{
    return patternInput(job, styleOf(PatternStyle::Post, run.settings), side, pairIndex, run);
}

PatternInput railPatternInput(const RailJob& job, int side, int pairIndex, const RunContext& run)
{
    return patternInput(job, styleOf(PatternStyle::Rail, run.settings), side, pairIndex, run);
}
