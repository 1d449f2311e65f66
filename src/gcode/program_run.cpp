#include "gcode/program_run.h"

#include "gcode/output/primitives.h"

#include <algorithm>

void writeEndBlock(ProgramOutput& out, const Settings& settings)
{
    writeSpindleCommands(out, settings, Spindle::Off);
    writeHeadsHome(out, settings);
    writeRapid(out, settings.endpos.x, settings.endpos.y, kOmit);
}

void writeProgramRun(ProgramOutput& out, const ProgramRun& run, const Settings& settings)
{
    // There are twelve fixture positions; the settings check refuses more posts than that.
    const int posts = std::min(settings.cutatonce, kFixturePositions);
    const int sides = run.sides == 2 ? 2 : 1;
    for (int side = 0; side < sides; ++side) {
        run.startSide(side);
        for (int pair = 0; pair < posts / 2; ++pair)
            run.placePosts(2, side, pair);
        if (posts % 2 == 1)
            run.placePosts(1, side, posts / 2);
        if (side == 0 && sides == 2) {
            writeEndBlock(out, settings);
            writeText(out, run.flipMarker);
        }
        if (run.endBlockEverySide)
            writeEndBlock(out, settings);
    }
    if (!run.endBlockEverySide)
        writeEndBlock(out, settings);
}
