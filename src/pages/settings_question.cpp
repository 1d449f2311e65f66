#include "pages/settings_question.h"

#include "settings/numbers.h"

#include <functional>

namespace {

std::string length(float value) { return formatFixed(value, 3); }
std::string count(int value) { return std::to_string(value); }

// One setting a header records: its caption, how it is shown, and how it is taken over.
struct HeaderSetting {
    const char* caption;
    std::function<std::string(const Settings&)> shown;
    std::function<void(const Settings& from, Settings& to)> take;
};

template <class Value>
HeaderSetting setting(const char* caption, Value Settings::*field, std::string (*show)(Value))
{
    return {caption, [=](const Settings& s) { return show(s.*field); },
            [=](const Settings& from, Settings& to) { to.*field = from.*field; }};
}

std::string text(std::string value) { return value; }
std::string homes(int start) { return start == 1 ? "top of post" : start == 0 ? "bottom of post" : count(start); }
std::string style(int direction)
{
    return direction == 1 ? "top down" : direction == 0 ? "bottom up" : count(direction);
}
std::string depthStyle(int cutstyle) { return cutstyle == 1 ? "Variable" : cutstyle == 0 ? "Fixed" : count(cutstyle); }

const std::vector<HeaderSetting>& headerSettings()
{
    static const std::vector<HeaderSetting> settings = {
        setting("Times to Loop", &Settings::cutatonce, count),
        {"Fixture Position X", [](const Settings& s) { return length(s.spos[0]); },
         [](const Settings& from, Settings& to) { to.spos[0] = from.spos[0]; }},
        {"Fixture Position Y", [](const Settings& s) { return length(s.startpos.y); },
         [](const Settings& from, Settings& to) { to.startpos.y = from.startpos.y; }},
        {"Ending Position X", [](const Settings& s) { return length(s.endpos.x); },
         [](const Settings& from, Settings& to) { to.endpos.x = from.endpos.x; }},
        {"Ending Position Y", [](const Settings& s) { return length(s.endpos.y); },
         [](const Settings& from, Settings& to) { to.endpos.y = from.endpos.y; }},
        setting("Machine Homes at", &Settings::start, homes),
        setting("Cutting Style", &Settings::direction, style),
        setting("Cutting Depth", &Settings::cutstyle, depthStyle),
        setting("Depth", &Settings::depth, length),
        setting("Maximum", &Settings::maxdepth, length),
        setting("Number of Heads", &Settings::heads, count),
        setting("Vertical Axis Characters", &Settings::headchars, text),
        setting("Lead in Radius", &Settings::leadin, length),
        setting("Exit Radius", &Settings::exit, length),
        setting("Clearance", &Settings::clearance, length),
        {"Bit", [](const Settings& s) { return s.bitname + " (" + length(s.bit) + ")"; },
         [](const Settings& from, Settings& to) {
             to.bitname = from.bitname;
             to.bit = from.bit;
         }},
    };
    return settings;
}

} // namespace

std::vector<SettingsDifference> settingsDifferences(const Settings& program, const Settings& shop)
{
    std::vector<SettingsDifference> differences;
    for (const HeaderSetting& setting : headerSettings()) {
        const std::string ours = setting.shown(shop), theirs = setting.shown(program);
        if (ours != theirs)
            differences.push_back({setting.caption, theirs, ours});
    }
    return differences;
}

void takeProgramSettings(const Settings& program, Settings& shop)
{
    for (const HeaderSetting& setting : headerSettings()) {
        if (setting.shown(shop) != setting.shown(program))
            setting.take(program, shop);
    }
}

std::string settingsQuestion(const std::vector<SettingsDifference>& differences)
{
    std::string question = "This program was written with settings that differ from this shop's:";
    for (const SettingsDifference& d : differences)
        question += "\n" + d.caption + ": " + d.program + " (this shop: " + d.shop + ")";
    return question + "\nUse the program's settings? OK uses them for this and later programs; Cancel loads the job "
                      "on this shop's settings.";
}
