#pragma once

#include "gcode/output/run_context.h"
#include "settings/library_records.h"

#include <optional>

#include <string>

class Messages;

// True when the settings hold every setting a program needs; otherwise shows what is missing. The
// Posts page checks the job's feed rates too (feeds given).
bool checkSettings(const Settings& settings, const std::optional<FeedRates>& feeds, Messages& messages);

// True for numbered heads, and for lettered heads whose characters for heads 1 to settings.heads
// are all vertical axes (Z, A, B, C, U, V, W, either case): X and Y would move the gantry.
bool headCharactersAreAxes(const Settings& settings);

// True when the hole's corner radius and the lead-in and exit radii fit its length and width;
// otherwise shows the first misfit followed by the suffix (", side one." on Save).
bool checkHoleGeometry(const HoleRecord& hole, const Settings& settings, const std::string& suffix, Messages& messages);
// The same with the hole's length given separately (stretched on a sloped rail).
bool checkHoleGeometry(float length, float width, float radius, const Settings& settings, const std::string& suffix,
                       Messages& messages);
