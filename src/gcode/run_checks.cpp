#include "gcode/run_checks.h"

#include "gcode/output/job_records.h"
#include "gcode/output/primitives.h"
#include "platform/messages.h"
#include "settings/settings.h"

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

bool checkSettings(bool withFeeds, Messages& messages)
{
    return firstFailure(
        {
            {isUnset(gs.leadin), "Please specify a lead in radius under the configuration tab."},
            {isUnset(gs.exit), "Please specify an exit radius under the configuration tab."},
            {isUnset(gs.cutatonce), "Please specify the number of posts to cut at once under the configuration tab."},
            {unsetOrBelow(gs.bit, 0), "Please select a bit type under the configuration tab."},
            {unsetOrBelow(gs.clearance, 0), "Please specify a clearance distance under the configuration tab"},
            {gs.cutstyle == 0 && unsetOrZero(gs.depth), "Please specify a depth to cut under the configuration tab"},
            {gs.cutstyle == 1 && unsetOrZero(gs.depth),
             "Please specify a minimum depth to cut under the configuration tab"},
            {gs.cutstyle == 1 && unsetOrZero(gs.maxdepth),
             "Please specify a maximum depth to cut under the configuration tab"},
            {unsetOrLess(gs.heads, 1), "Please specify a number of vertical heads under the configuration tab"},
            {static_cast<int>(gs.headchars.size()) < gs.heads,
             "Please specify an axis character for each vertical head\nunder the configuration tab"},
            {withFeeds && unsetOrLess(effectiveCutFeed, 1),
             "Please specify a cutting feed rate under the configuration tab."},
            {withFeeds && unsetOrLess(effectivePlungeFeed, 1),
             "Please specify a plunge feed rate under the configuration tab."},
            {gs.heads > kMaxHeads, "Maximum allowable heads is 4."},
            {gs.cutatonce > kFixturePositions, "Number of posts to cut at once cannot be more than 12."},
            {gs.start != 0 && gs.start != 1, "Please specify where the machine homes under the configuration tab."},
            {gs.direction != 0 && gs.direction != 1, "Please specify a cutting style under the configuration tab."},
            // Without a lead-in the routine writes no plunge: every outline would be run in the air.
            {gs.leadin <= 0, "Please specify a lead in radius under the configuration tab."},
            {gs.cutstyle == 1 && gs.maxdepth < gs.depth,
             "Maximum cutting depth must be greater than or equal to Minimum cutting depth."},
            // X and Y move the gantry, and other letters or digits are no axes at all.
            {!headCharactersAreAxes(),
             "Please specify an axis character for each vertical head\nunder the configuration tab"},
        },
        "", messages);
}

bool headCharactersAreAxes()
{
    if (!headsAreLettered())
        return true;
    constexpr std::string_view kAxes = "ZABCUVWzabcuvw";
    for (int head = 0; head < gs.heads && head < static_cast<int>(gs.headchars.size()); ++head) {
        if (kAxes.find(gs.headchars[static_cast<size_t>(head)]) == std::string_view::npos)
            return false;
    }
    return true;
}

bool checkHoleGeometry(float length, float width, float radius, const std::string& suffix, Messages& messages)
{
    const double l = length, w = width, twiceR = 2.0 * radius;
    const double twiceLeadIn = 2.0 * gs.leadin, twiceExit = 2.0 * gs.exit;
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

bool checkHoleGeometry(const HoleRecord& hole, const std::string& suffix, Messages& messages)
{
    return checkHoleGeometry(hole.length, hole.width, hole.radius, suffix, messages);
}
