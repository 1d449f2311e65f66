#pragma once

#include <array>
#include <string>

// Markers for a value that is not set (a blank field).
inline constexpr float kUnsetLength = 100000000.0f;
inline constexpr int kUnsetCount = 99999999;

inline bool isUnset(float value) { return value == kUnsetLength; }
inline bool isUnset(int value) { return value == kUnsetCount; }

// Text limits of the settings' text fields.
inline constexpr size_t kHeadCharsLimit = 4;
inline constexpr size_t kHeadCommandLimit = 9;
inline constexpr size_t kToolNumberLimit = 3;
inline constexpr size_t kNameLimit = 99;
inline constexpr size_t kPathLimit = 255;

inline constexpr int kMaxHeads = 4;
inline constexpr int kFixturePositions = 12;

// The machine and cutting settings, named after the keys of korvanta.ini. The initial values are
// those a field holds when its key is missing from the file.
struct Settings {
    int heads = kUnsetCount;
    std::string headchars;
    float bit = 0.25f;
    std::string bitname = "1/4";
    std::string toolnumber;
    float clearance = 0;
    float depth = 0;
    float maxdepth = 0;
    int cutfeed = 0;
    int plungefeed = 0;
    float leadin = 0;
    float exit = 0;
    // X of the twelve fixture positions; element 0 is also the X of the starting position.
    std::array<float, kFixturePositions> spos{};
    struct {
        float y = 0;
    } startpos;
    struct {
        float x = 0;
        float y = 0;
    } endpos;
    int autozoom = 0;
    int start = kUnsetCount;
    int direction = 0;
    std::string path;
    std::string autopath;
    std::string controlpath;
    int autoexit = 0;
    struct {
        float x = 0, y = 0, w = 0, h = 0, b = 0;
    } table;
    int cutatonce = 0;
    float autopostoffset = 0;
    float railoffset = 0;
    std::string head1on, head2on, head3on, head4on;
    std::string head1off, head2off, head3off, head4off;
    int alignment = 1;
    int cutstyle = 0;
    std::string appname;
    std::string iconpath;
    bool iconpathset = false;
    int lastpage = 0;
    // 1 when several posts are cut at once; recorded in the job setup header.
    int repeat = 0;
    // Twelve lengths that no page edits; the first is recorded in the job setup header.
    std::array<float, kFixturePositions> spare{};

    float startposX() const { return spos[0]; }
    // Spindle commands of head 1 to 4.
    std::string& headOn(int head);
    std::string& headOff(int head);
    const std::string& headOn(int head) const;
    const std::string& headOff(int head) const;
};

extern Settings gs;
// The working directory at start-up: the settings file, the libraries and the draw list live here.
extern std::string homeDir;

// Back to a fresh process's values (for tests).
void resetSettings();
