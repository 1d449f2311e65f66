#pragma once

class Messages;

inline constexpr const char* kJobListFileName = "jobs.tap";

// Rewrites jobs.tap in gs.autopath with the one "L203" line that names the current tap file for
// the controller, with the run's counts when a total number of posts was given. sides is the
// calling page's number of sides. False, after the path message, when it cannot be written.
bool writeJobList(int sides, Messages& messages);
