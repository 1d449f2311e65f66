#include "largest_jobs.h"

#include "settings/library_files.h"
#include "settings/settings.h"

void useLargestMachine(const std::string& folder)
{
    gs.heads = 4;
    gs.headchars = "ZWVU";
    gs.head1on = "m3.1";
    gs.head2on = "m3.2";
    gs.head3on = "m3.3";
    gs.head4on = "m3.4";
    gs.head1off = gs.head2off = gs.head3off = gs.head4off = "m5";
    gs.toolnumber = "T1";
    gs.bit = 0.25f;
    gs.leadin = 0.125f;
    gs.exit = 0.0625f;
    gs.clearance = 0.5f;
    gs.cutstyle = 1;
    gs.depth = 0.5f;
    gs.maxdepth = 0.875f;
    gs.cutatonce = 12;
    for (int i = 0; i < kFixturePositions; ++i)
        gs.spos[i] = 6.0f + 7.25f * static_cast<float>(i);
    gs.startpos.y = 2;
    gs.endpos = {0, 120};
    gs.start = 0;
    gs.direction = 1;
    gs.alignment = 1;
    gs.path = folder;
    gs.autopath = folder;
    gs.cutfeed = 180;
    gs.plungefeed = 40;
    // The hole types of the jobs below, so that the program check measures every hole.
    holeList = {HoleRecord{"SQUARE 1X1", 1, 1, 0, 0}, HoleRecord{"MORTISE 1.5X1", 1.5f, 1, 0.25f, 0},
                HoleRecord{"RAIL 2X1", 2, 1, 0.25f, 0}, HoleRecord{"RAIL 1.5X1", 1.5f, 1, 0.125f, 0}};
    materialList = {MaterialRecord{"VINYL 5X5 LONG", 2400, 5, 0.25f, 5, 0, 0}};
}

namespace {
template <class Job>
void fillPattern(Job& job, float materialLength)
{
    job.sides = 2;
    job.material = MaterialRecord{"VINYL 5X5 LONG", materialLength, 5, 0.25f, 5, 0, 0};
    job.materialName = job.material.name;
    job.holeType = {HoleRecord{"RAIL 2X1", 2, 1, 0.25f, 0}, HoleRecord{"RAIL 1.5X1", 1.5f, 1, 0.125f, 0}};
    job.holeName = {job.holeType[0].name, job.holeType[1].name};
    for (int side = 0; side < 2; ++side) {
        job.side[side].distanceFromTop = 1.5f;
        job.side[side].spacing = 0.375f;
        job.side[side].holeCount = 200;
        job.side[side].useOffsetting = 1;
        job.side[side].alternateOffset = 1;
        job.offsetAmount(side) = 0.3125f;
    }
}
} // namespace

PostJob largestPostJob()
{
    PostJob job;
    fillPattern(job, 480);
    return job;
}

RailJob largestRailJob()
{
    RailJob job;
    fillPattern(job, 600);
    job.rise = 3;
    job.run = 4;
    return job;
}

ManualJob largestManualJob()
{
    ManualJob job;
    job.sides = 2;
    job.material = MaterialRecord{"VINYL 5X5 LONG", 2400, 5, 0.25f, 5, 0, 0};
    job.offsetOn = {1, 1};
    for (int side = 0; side < 2; ++side) {
        for (int k = 0; k < kManualSlots; ++k) {
            const bool square = k % 3 == 0;
            job.placedHoles[side][k] = {HoleRecord{square ? "SQUARE 1X1" : "MORTISE 1.5X1", square ? 1.0f : 1.5f, 1,
                                                   square ? 0.0f : 0.25f, 0},
                                        0.75f, k % 2 == 0 ? 0.25f : -0.25f};
        }
    }
    job.side1HoleCount = kManualSlots;
    return job;
}
