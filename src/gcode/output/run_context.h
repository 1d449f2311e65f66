#pragma once

#include "settings/library_records.h"
#include "settings/settings.h"

#include <string>

// A sloped rail stretches every hole along it by a factor and an extra length, and every spacing
// by the factor: a level rail (rise or run 0) has factor 1 and extra 0.
struct RailSlope {
    float factor = 1;
    float extra = 0;
};

// The feed rates a page cuts its job with: its material's, or the shop's defaults where the
// material has 0, or those of the program loaded on it.
struct FeedRates {
    int cut = 0;
    int plunge = 0;
};
FeedRates feedRatesOf(const MaterialRecord& material, const Settings& settings);

// Everything a program is composed from besides its job, as values: the shop's settings in force,
// the slope of a sloped rail, the page's feed rates, the display choice the header records, and
// the folder that subprogram calls name. Composing reads nothing else and changes nothing, so the
// program view and Run make the same bytes.
struct RunContext {
    Settings settings;
    RailSlope slope;
    FeedRates feeds;
    int display = 1;           // 1 overlay, 0 apart
    std::string programFolder; // the shop's program folder, made absolute
};
