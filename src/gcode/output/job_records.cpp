#include "gcode/output/job_records.h"

PostJob postJob;
ManualJob manualJob;
RailJob railJob;
int totalPosts = 0;
int effectiveCutFeed = 0;
int effectivePlungeFeed = 0;

void takeMaterialFeeds(const MaterialRecord& material)
{
    effectiveCutFeed = material.cutrate != 0 ? material.cutrate : gs.cutfeed;
    effectivePlungeFeed = material.plungerate != 0 ? material.plungerate : gs.plungefeed;
}

void resetJobs()
{
    postJob = PostJob{};
    manualJob = ManualJob{};
    railJob = RailJob{};
    totalPosts = 0;
    effectiveCutFeed = 0;
    effectivePlungeFeed = 0;
}
