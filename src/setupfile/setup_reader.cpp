#include "setupfile/setup_reader.h"

#include "platform/messages.h"
#include "platform/text_compare.h"
#include "settings/files.h"
#include "settings/numbers.h"
#include "settings/text_helpers.h"
#include "setupfile/load_state.h"
#include "setupfile/screen_names.h"

#include <cmath>
#include <vector>

namespace {

// A length as a header records it (three decimals), so that the program Save writes after Load
// cuts what its own header says and regenerates to itself.
float recordedLength(const std::string& value)
{
    return leadingFloat(formatFixed(leadingFloat(value), 3));
}

// Where one letter's value goes.
struct Target {
    enum Kind { Drop, Length, Count, Text } kind = Drop;
    void* destination = nullptr;
    size_t limit = 0;

    // A length or count that a float cannot hold would reach the program as infinity.
    bool holds(const std::string& value) const
    {
        return (kind != Length && kind != Count) || std::isfinite(leadingFloat(value));
    }

    void store(const std::string& value) const
    {
        switch (kind) {
        case Length: *static_cast<float*>(destination) = recordedLength(value); break;
        case Count: *static_cast<int*>(destination) = leadingInt(value); break;
        case Text: *static_cast<std::string*>(destination) = value.substr(0, limit); break;
        case Drop: break;
        }
    }
};

Target length(float& f) { return {Target::Length, &f, 0}; }
Target count(int& i) { return {Target::Count, &i, 0}; }
Target text(std::string& s, size_t limit = kNameLimit) { return {Target::Text, &s, limit}; }
Target drop() { return {}; }

struct KeyRule {
    std::string_view key;
    std::string_view letters;
    std::vector<Target> targets; // one per letter
};

// Stores the line's items, or none of them when one cannot be held.
bool storeFields(std::string rest, const KeyRule& rule)
{
    const LetterFields fields = ParseLetterFields(rest, rule.letters);
    for (size_t i = 0; i < rule.targets.size(); ++i) {
        if (fields.has(i) && !rule.targets[i].holds(*fields[i]))
            return false;
    }
    for (size_t i = 0; i < rule.targets.size(); ++i) {
        if (fields.has(i))
            rule.targets[i].store(*fields[i]);
    }
    return true;
}

// The settings that every form's "[config=" line records, after the form's own leading letters.
std::vector<Target> configTargets(Settings& s, std::vector<Target> leading)
{
    leading.insert(leading.end(), {length(s.clearance), length(s.depth), length(s.maxdepth), count(s.heads),
                                   text(s.headchars, kHeadCharsLimit), length(s.spos[0]), length(s.startpos.y),
                                   count(s.autozoom)});
    return leading;
}

std::vector<Target> config1Targets(LoadedHeader& h, Target last)
{
    Settings& s = h.settings;
    return {count(s.cutatonce), count(h.feeds.cut), count(h.feeds.plunge),
            length(s.leadin),   length(s.exit),     length(s.endpos.x),
            length(s.endpos.y), count(s.start),     count(s.direction),
            last};
}

std::vector<Target> sideTargets(HoldingFields::Pattern& p)
{
    return {length(p.distanceFromTop), length(p.spacing),        count(p.holeCount),
            count(p.useOffsetting),    length(p.offsetAmount), count(p.alternateOffset)};
}

std::vector<KeyRule> postRules(LoadedHeader& h)
{
    Settings& settings = h.settings;
    HoldingFields::Pattern& s1 = holding.side[0];
    HoldingFields::Pattern& s2 = holding.side[1];
    PatternSide& job2 = postJob.side[1];
    return {
        {"[CONFIG=", "NHCDMVAXYZ", configTargets(settings, {text(holding.materialName), text(holding.side1HoleName)})},
        {"[MATERIALNAME=", "N", {text(holding.materialName)}},
        {"[SIDE0HOLENAME=", "H", {text(holding.side1HoleName)}},
        {"[SIDE1HOLENAME=", "H", {text(postJob.holeName[1])}},
        {"[CONFIGBACK=", "HDSNOAL",
         {text(postJob.holeName[1]), length(job2.distanceFromTop), length(job2.spacing), count(job2.holeCount),
          count(s2.useOffsetting), length(s2.offsetAmount), count(s2.alternateOffset)}},
        {"[CONFIG1=", "NFPLEXYHSO", config1Targets(h, length(settings.spare[0]))},
        {"[CONFIG2=", "BOCR", {text(settings.bitname), count(h.display), count(settings.cutstyle), drop()}},
        {"[POST=", "DSHOALC",
         {length(s1.distanceFromTop), length(s1.spacing), count(s1.holeCount), count(s1.useOffsetting),
          length(s1.offsetAmount), count(s1.alternateOffset), count(h.sides)}},
    };
}

std::vector<KeyRule> railRules(LoadedHeader& h)
{
    Settings& settings = h.settings;
    HoldingFields::Pattern& s1 = holding.side[0];
    std::vector<Target> back = sideTargets(holding.side[1]);
    back.insert(back.begin(), text(railJob.holeName[1]));
    return {
        {"[CONFIG=", "NHCDMVAXYZ", configTargets(settings, {text(railJob.materialName), text(railJob.holeName[0])})},
        {"[MATERIALNAME=", "N", {text(railJob.materialName)}},
        {"[SIDE0HOLENAME=", "H", {text(railJob.holeName[0])}},
        {"[CONFIG1=", "NFPLEXYHSO", config1Targets(h, length(settings.spare[0]))},
        {"[CONFIG2=", "BOCR", {text(settings.bitname), count(h.display), count(settings.cutstyle), drop()}},
        {"[SIDE1HOLENAME=", "H", {text(railJob.holeName[1])}},
        {"[CONFIGBACK=", "HDSNOAL", back},
        {"[POST=", "TSHBOALDRC",
         {length(s1.distanceFromTop), length(s1.spacing), count(s1.holeCount), length(holding.distanceFromBottom),
          count(s1.useOffsetting), length(s1.offsetAmount), count(s1.alternateOffset), length(holding.run),
          length(holding.rise), count(h.sides)}},
    };
}

std::vector<KeyRule> manualRules(LoadedHeader& h)
{
    std::vector<Target> config1 = config1Targets(h, count(holding.manualOffsetOn[0]));
    config1.push_back(count(holding.manualOffsetOn[1]));
    return {
        {"[CONFIG=", "NCDMVAXYZ", configTargets(h.settings, {text(holding.materialName)})},
        {"[CONFIG1=", "NFPLEXYHSOT", config1},
        {"[CONFIG2=", "BSOCR",
         {text(h.settings.bitname), count(h.sides), count(h.display), count(h.settings.cutstyle), drop()}},
    };
}

// "[SIDE<s>HOLE<n>=" with n from 1 to the number of slots, written as the writer writes it.
bool placeManualHole(const std::string& line)
{
    for (int side = 0; side < 2; ++side) {
        const std::string prefix = "[SIDE" + std::to_string(side) + "HOLE";
        if (line.compare(0, prefix.size(), prefix) != 0)
            continue;
        const size_t equals = line.find('=', prefix.size());
        if (equals == std::string::npos)
            return false;
        const std::string number = line.substr(prefix.size(), equals - prefix.size());
        const int n = leadingInt(number);
        if (n < 1 || n > kManualSlots || std::to_string(n) != number)
            return false;
        HoldingFields::ManualHole& hole = holding.manualHoles[side][n - 1];
        const KeyRule rule{"", "HSO", {text(hole.name), length(hole.spacing), length(hole.offset)}};
        return storeFields(line.substr(equals + 1), rule);
    }
    return false;
}

bool placeLine(const std::string& line, const std::vector<KeyRule>& rules, bool manual)
{
    for (const KeyRule& rule : rules) {
        if (line.compare(0, rule.key.size(), rule.key) == 0)
            return storeFields(line.substr(rule.key.size()), rule);
    }
    return manual && placeManualHole(line);
}

// The job values a header stores directly start unset, as the holding fields do, so that a header
// that leaves one out brings back nothing of the job loaded before it.
void unsetDirectValues(PageId screen)
{
    if (screen == PageId::Posts) {
        PatternSide& side2 = postJob.side[1];
        postJob.holeName[1].clear();
        side2.distanceFromTop = side2.spacing = kUnsetLength;
        side2.holeCount = kUnsetCount;
    } else if (screen == PageId::Rails) {
        railJob.materialName.clear();
        railJob.holeName = {};
    }
}

std::vector<KeyRule> rulesFor(PageId screen, LoadedHeader& header)
{
    switch (screen) {
    case PageId::Posts: return postRules(header);
    case PageId::Manual: return manualRules(header);
    default: return railRules(header);
    }
}

} // namespace

bool HeaderLines::open(const std::string& path)
{
    bytes_.clear();
    lines_ = TextLines({}, kPiece);
    if (!readWholeFile(path, bytes_))
        return false;
    lines_ = TextLines(bytes_, kPiece);
    return true;
}

bool HeaderLines::next(std::string& line)
{
    std::string_view piece;
    if (!lines_.next(piece))
        return false;
    line.assign(piece.substr(0, piece.find('\0')));
    for (char& c : line)
        c = asciiUpper(c);
    if (line.empty() || line[0] != '[') {
        line.clear();
        return true;
    }
    const size_t last = line.find_last_not_of(" \t");
    line.resize(last == std::string::npos ? 0 : last + 1);
    return true;
}

PageId readSetupScreen(HeaderLines& lines)
{
    constexpr std::string_view kScreenKey = "[SCREEN=";
    std::string line;
    while (lines.next(line)) {
        if (line.find('=') == std::string::npos)
            continue;
        if (line.compare(0, kScreenKey.size(), kScreenKey) != 0)
            return PageId::None;
        const PageId page = screenPage(std::string_view(line).substr(kScreenKey.size()));
        if (page != PageId::None)
            return page;
    }
    return PageId::None;
}

bool readTapFileScreen(const std::string& path, PageId& screen)
{
    HeaderLines lines;
    if (!lines.open(path))
        return false;
    screen = readSetupScreen(lines);
    return true;
}

bool readSetupHeader(const std::string& path, const Settings& shop, LoadedHeader& header, Messages& messages)
{
    HeaderLines lines;
    if (!lines.open(path))
        return false;
    const PageId screen = readSetupScreen(lines);
    if (screen == PageId::None) {
        messages.show("File Not Created By Korvanta Software");
        return false;
    }
    header = LoadedHeader{};
    header.settings = shop;
    holding = HoldingFields{};
    unsetDirectValues(screen);
    const std::vector<KeyRule> rules = rulesFor(screen, header);
    std::string line;
    while (lines.next(line)) {
        if (line.find('=') == std::string::npos)
            continue;
        if (!placeLine(line, rules, screen == PageId::Manual)) {
            messages.show("Error reading " + path, MessageIcon::Error);
            return false;
        }
    }
    return true;
}
