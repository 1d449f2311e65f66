#pragma once

#include "settings/library_records.h"

#include <string>

class Messages;

// True when gs holds every setting a program needs; otherwise shows what is missing. The Posts
// page checks the job's feed rates too.
bool checkSettings(bool withFeeds, Messages& messages);

// True for numbered heads, and for lettered heads whose characters for heads 1 to gs.heads are
// all vertical axes (Z, A, B, C, U, V, W, either case): X and Y would move the gantry.
bool headCharactersAreAxes();

// True when the hole's corner radius and the lead-in and exit radii fit its length and width;
// otherwise shows the first misfit followed by the suffix (", side one." on Save).
bool checkHoleGeometry(const HoleRecord& hole, const std::string& suffix, Messages& messages);
// The same with the hole's length given separately (stretched on a sloped rail).
bool checkHoleGeometry(float length, float width, float radius, const std::string& suffix, Messages& messages);
