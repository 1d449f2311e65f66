#include "gcode/output/job_records.h"

#include "gcode/output/run_context.h"

PostJob postJob;
ManualJob manualJob;
RailJob railJob;

FeedRates feedRatesOf(const MaterialRecord& material, const Settings& settings)
{
    return {material.cutrate != 0 ? material.cutrate : settings.cutfeed,
            material.plungerate != 0 ? material.plungerate : settings.plungefeed};
}

void resetJobs()
{
    postJob = PostJob{};
    manualJob = ManualJob{};
    railJob = RailJob{};
}
