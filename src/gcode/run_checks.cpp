#include "gcode/run_checks.h"

#include "gcode/output/primitives.h"
#include "platform/messages.h"

namespace {

struct Check {
    bool fails;
    const char* message;
};

bool firstFailure(std::initializer_list<Check> checks, const std::string& suffix, Messages& messages)
{
    for (const Check& check : checks) {
        if (check.fails) {
            messages.show(check.message + suffix);
            return false;
        }
    }
    return true;
}

bool unsetOrZero(float value) { return isUnset(value) || value == 0; }
bool unsetOrBelow(float value, float limit) { return isUnset(value) || value <= limit; }
bool unsetOrLess(int value, int limit) { return isUnset(value) || value < limit; }


} // namespace

bool checkSettings(const Settings& s, const std::optional<FeedRates>& feeds, Messages& messages)
{
    const bool withFeeds = feeds.has_value();
    const int cutFeed = feeds ? feeds->cut : 0, plungeFeed = feeds ? feeds->plunge : 0;
    return firstFailure(
        {
            {isUnset(s.leadin), "Please specify a lead in radius under the configuration tab."},
            {isUnset(s.exit), "Please specify an exit radius under the configuration tab."},
            {isUnset(s.cutatonce), "Please specify the number of posts to cut at once under the configuration tab."},
            {unsetOrBelow(s.bit, 0), "Please select a bit type under the configuration tab."},
            {unsetOrBelow(s.clearance, 0), "Please specify a clearance distance under the configuration tab"},
            {s.cutstyle == 0 && unsetOrZero(s.depth), "Please specify a depth to cut under the configuration tab"},
            {s.cutstyle == 1 && unsetOrZero(s.depth),
             "Please specify a minimum depth to cut under the configuration tab"},
            {s.cutstyle == 1 && unsetOrZero(s.maxdepth),
             "Please specify a maximum depth to cut under the configuration tab"},
            {unsetOrLess(s.heads, 1), "Please specify a number of vertical heads under the configuration tab"},
            {static_cast<int>(s.headchars.size()) < s.heads,
             "Please specify an axis character for each vertical head\nunder the configuration tab"},
            {withFeeds && unsetOrLess(cutFeed, 1),
             "Please specify a cutting feed rate under the configuration tab."},
            {withFeeds && unsetOrLess(plungeFeed, 1),
             "Please specify a plunge feed rate under the configuration tab."},
            {s.heads > kMaxHeads, "Maximum allowable heads is 4."},
            {s.cutatonce > kFixturePositions, "Number of posts to cut at once cannot be more than 12."},
            {s.start != 0 && s.start != 1, "Please specify where the machine homes under the configuration tab."},
            {s.direction != 0 && s.direction != 1, "Please specify a cutting style under the configuration tab."},
            // Without a lead-in the routine writes no plunge: every outline would be run in the air.
            {s.leadin <= 0, "Please specify a lead in radius under the configuration tab."},
            {s.cutstyle == 1 && s.maxdepth < s.depth,
             "Maximum cutting depth must be greater than or equal to Minimum cutting depth."},
            // X and Y move the gantry, and other letters or digits are no axes at all.
            {!headCharactersAreAxes(s),
             "Please specify an axis character for each vertical head\nunder the configuration tab"},
        },
        "", messages);
}

bool headCharactersAreAxes(const Settings& s)
{
    if (!headsAreLettered(s))
        return true;
    constexpr std::string_view kAxes = "ZABCUVWzabcuvw";
    for (int head = 0; head < s.heads && head < static_cast<int>(s.headchars.size()); ++head) {
        if (kAxes.find(s.headchars[static_cast<size_t>(head)]) == std::string_view::npos)
            return false;
    }
    return true;
}

bool checkHoleGeometry(float length, float width, float radius, const Settings& s, const std::string& suffix,
                       Messages& messages)
{
    const double l = length, w = width, twiceR = 2.0 * radius;
    const double twiceLeadIn = 2.0 * s.leadin, twiceExit = 2.0 * s.exit;
    return firstFailure(
        {
            {l < twiceR, "Hole Radius Error"},
            {w < twiceR, "Hole Radius Error"},
            {w < twiceLeadIn, "Lead in Arc Radius Error"},
            {l < twiceLeadIn, "Lead in Arc Radius Error"},
            {w < twiceExit, "Exit Arc Radius Error"},
            {l < twiceExit, "Exit Arc Radius Error"},
        },
        suffix, messages);
}

bool checkHoleGeometry(const HoleRecord& hole, const Settings& settings, const std::string& suffix, Messages& messages)
{
    return checkHoleGeometry(hole.length, hole.width, hole.radius, settings, suffix, messages);
}
