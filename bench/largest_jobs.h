#pragma once

#include "gcode/output/job_records.h"

#include <string>

// The largest jobs the system accepts, on a four-head machine cutting twelve posts per head on
// both sides, with programs written into folder.
void useLargestMachine(const std::string& folder);
PostJob largestPostJob();   // 200 holes a side, alternate offsets
ManualJob largestManualJob(); // 1000 holes on each side
RailJob largestRailJob();   // 200 holes a side on a slope
