#pragma once

#include "settings/settings.h"

#include <string>

class Messages;

inline constexpr const char* kJobListFileName = "jobs.tap";

// Rewrites jobs.tap in the settings' job folder with the one "L203" line that names the program
// just written for the controller, with the run's counts when a total number of posts was given
// (totalPosts not 0). sides is the job's number of sides. False, after the path message, when it
// cannot be written.
bool writeJobList(const std::string& programPath, int sides, int totalPosts, const Settings& settings,
                  Messages& messages);
