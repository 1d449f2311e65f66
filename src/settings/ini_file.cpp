#include "settings/ini_file.h"

#include "platform/messages.h"
#include "platform/text_compare.h"
#include "settings/files.h"
#include "settings/numbers.h"
#include "settings/settings.h"
#include "settings/text_helpers.h"

#include <cmath>
#include <string_view>
#include <vector>

namespace {

// One setting line after cleaning: its text in upper case, the same text in the letter case the
// user wrote (for folder paths), and the value after "=" in both.
struct IniLine {
    std::string upper;
    std::string value;
    std::string valueAsWritten;
    float number = 0;
    int integer = 0;
    // Set by a store that met a number too large for a float; the line is then unreadable.
    bool tooLarge = false;
};

using Store = void (*)(IniLine&);

std::string cut(const std::string& text, size_t limit)
{
    return text.substr(0, limit);
}

// Infinity kept in a setting would be written into every program.
void storeNumber(IniLine& line, float& target)
{
    if (std::isfinite(line.number))
        target = line.number;
    else
        line.tooLarge = true;
}

// Stores every lettered value, or none when one is too large for a float.
void storeLetters(IniLine& line, std::string_view letters, float* const* targets)
{
    std::string text = line.value;
    const LetterFields fields = ParseLetterFields(text, letters);
    for (size_t i = 0; i < letters.size(); ++i) {
        if (fields.has(i) && !std::isfinite(leadingFloat(*fields[i])))
            line.tooLarge = true;
    }
    for (size_t i = 0; i < letters.size() && !line.tooLarge; ++i) {
        if (fields.has(i))
            *targets[i] = leadingFloat(*fields[i]);
    }
}

// A folder ends at its first space and loses its trailing separators.
// Cut first and trimmed after, so that what is written back reads back the same.
std::string cutAndTrim(const std::string& text, size_t limit)
{
    std::string value = cut(text, limit);
    TrimSpaces(value);
    return value;
}

// A text cut inside a run of spaces keeps no trailing ones: the line it is written on is trimmed
// when it is read back.
std::string cutField(const std::string& text, size_t limit)
{
    std::string value = cut(text, limit);
    value.resize(value.find_last_not_of(' ') + 1);
    return value;
}

// The trailing separators go, but not the one of a root folder, so the folder reads back the
// same at every start: one taken at each start would leave "a//" a different text every time.
std::string folderValue(const IniLine& line)
{
    std::string path = line.valueAsWritten.substr(0, line.valueAsWritten.find(' '));
    while (path.size() > 1 && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    TrimSpaces(path);
    return cut(path, kPathLimit);
}

template <int Head>
void storeHeadOn(IniLine& line) { gs.headOn(Head) = cutField(line.value, kHeadCommandLimit); }
template <int Head>
void storeHeadOff(IniLine& line) { gs.headOff(Head) = cutField(line.value, kHeadCommandLimit); }
template <int Position>
void storeSpos(IniLine& line) { storeNumber(line, gs.spos[Position - 1]); }

struct Key {
    std::string_view name;
    Store store;
};

const Key kKeys[] = {
    {"HEADS=", [](IniLine& l) { gs.heads = l.integer; }},
    {"HEADCHARS=", [](IniLine& l) { gs.headchars = cutAndTrim(l.value, kHeadCharsLimit); }},
    {"BIT=", [](IniLine& l) { storeNumber(l, gs.bit); }},
    {"BITNAME=", [](IniLine& l) { gs.bitname = cutField(l.value, kNameLimit); }},
    {"TOOLNUMBER=", [](IniLine& l) { gs.toolnumber = cutField(l.value, kToolNumberLimit); }},
    {"CLEARANCE=", [](IniLine& l) { storeNumber(l, gs.clearance); }},
    {"DEPTH=", [](IniLine& l) { storeNumber(l, gs.depth); }},
    {"MAXDEPTH=", [](IniLine& l) { storeNumber(l, gs.maxdepth); }},
    {"CUTFEED=", [](IniLine& l) { gs.cutfeed = l.integer; }},
    {"PLUNGEFEED=", [](IniLine& l) { gs.plungefeed = l.integer; }},
    {"LEADIN=", [](IniLine& l) { storeNumber(l, gs.leadin); }},
    {"EXIT=", [](IniLine& l) { storeNumber(l, gs.exit); }},
    {"STARTPOS=", [](IniLine& l) {
         float* const targets[] = {&gs.spos[0], &gs.startpos.y};
         storeLetters(l, "XY", targets);
     }},
    {"ENDPOS=", [](IniLine& l) {
         float* const targets[] = {&gs.endpos.x, &gs.endpos.y};
         storeLetters(l, "XY", targets);
     }},
    {"AUTOZOOM=", [](IniLine& l) { gs.autozoom = l.integer; }},
    {"SPOS2=", storeSpos<2>},
    {"SPOS3=", storeSpos<3>},
    {"SPOS4=", storeSpos<4>},
    {"SPOS5=", storeSpos<5>},
    {"SPOS6=", storeSpos<6>},
    {"SPOS7=", storeSpos<7>},
    {"SPOS8=", storeSpos<8>},
    {"SPOS9=", storeSpos<9>},
    {"SPOS10=", storeSpos<10>},
    {"SPOS11=", storeSpos<11>},
    {"SPOS12=", storeSpos<12>},
    {"START=", [](IniLine& l) { gs.start = l.integer; }},
    {"DIRECTION=", [](IniLine& l) { gs.direction = l.integer; }},
    {"TABLE=", [](IniLine& l) {
         float* const targets[] = {&gs.table.x, &gs.table.y, &gs.table.w, &gs.table.h, &gs.table.b};
         storeLetters(l, "XYWHB", targets);
     }},
    {"PATH=", [](IniLine& l) { gs.path = folderValue(l); }},
    {"AUTOPATH=", [](IniLine& l) { gs.autopath = folderValue(l); }},
    {"CONTROLPATH=", [](IniLine& l) { gs.controlpath = folderValue(l); }},
    {"AUTOEXIT=", [](IniLine& l) { gs.autoexit = l.integer; }},
    {"CUTATONCE=", [](IniLine& l) { gs.cutatonce = l.integer; }},
    {"AUTOPOSTOFFSET=", [](IniLine& l) { storeNumber(l, gs.autopostoffset); }},
    {"RAILOFFSET=", [](IniLine& l) { storeNumber(l, gs.railoffset); }},
    {"HEAD1ON=", storeHeadOn<1>},
    {"HEAD2ON=", storeHeadOn<2>},
    {"HEAD3ON=", storeHeadOn<3>},
    {"HEAD4ON=", storeHeadOn<4>},
    {"HEAD1OFF=", storeHeadOff<1>},
    {"HEAD2OFF=", storeHeadOff<2>},
    {"HEAD3OFF=", storeHeadOff<3>},
    {"HEAD4OFF=", storeHeadOff<4>},
    {"ALIGNMENT=", [](IniLine& l) { gs.alignment = l.integer; }},
    {"CUTSTYLE=", [](IniLine& l) { gs.cutstyle = l.integer; }},
    {"APPNAME=", [](IniLine& l) { gs.appname = l.value; }},
    {"ICONPATH=", [](IniLine& l) {
         gs.iconpath = l.valueAsWritten;
         gs.iconpathset = true;
     }},
    {"LASTPAGE=", [](IniLine& l) { gs.lastpage = l.integer; }},
};

// Tabs become spaces; the line ends at its first CR, LF or "[" (a bracketed comment); spaces
// around it are trimmed. Returns false for a line that holds no setting.
bool cleanLine(std::string raw, IniLine& line)
{
    for (char& c : raw) {
        if (c == '\t')
            c = ' ';
    }
    raw.resize(std::min(raw.size(), raw.find_first_of("\r\n[")));
    TrimSpaces(raw);
    const size_t equals = raw.find('=');
    if (raw.empty() || equals == std::string::npos)
        return false;
    line.upper = raw;
    for (char& c : line.upper)
        c = asciiUpper(c);
    line.valueAsWritten = raw.substr(equals + 1);
    line.value = line.upper.substr(equals + 1);
    line.number = leadingFloat(line.value);
    line.integer = leadingIntAutoBase(line.value);
    return true;
}

const Key* findKey(const std::string& upperLine)
{
    for (const Key& key : kKeys) {
        if (upperLine.compare(0, key.name.size(), key.name) == 0)
            return &key;
    }
    return nullptr;
}

void presetBeforeReading()
{
    gs.heads = kUnsetCount;
    gs.autoexit = 0;
    gs.iconpathset = false;
    gs.spare[0] = kUnsetLength;
}

} // namespace

std::string iniFilePath()
{
    return joinPath(homeDir, kIniFileName);
}

bool ReadIniFile(Messages& messages)
{
    presetBeforeReading();
    const std::string path = iniFilePath();
    std::string bytes;
    if (!readWholeFile(path, bytes))
        return false;
    // A file holding NUL bytes (saved as UTF-16, or not text at all) or naming no setting is not a
    // settings file: reading it would reset every setting and the end of the run would overwrite it.
    bool anySetting = false;
    bool readable = bytes.find('\0') == std::string::npos;
    TextLines lines(bytes, 255);
    std::string_view piece;
    while (readable && lines.next(piece)) {
        IniLine line;
        if (!cleanLine(std::string(piece), line))
            continue;
        const Key* key = findKey(line.upper);
        if (key)
            key->store(line);
        readable = key && !line.tooLarge;
        anySetting = true;
    }
    if (readable && anySetting)
        return true;
    writeFileAtomically(path + ".bak", bytes);
    messages.show("Error reading korvanta.ini file", MessageIcon::Error);
    return false;
}

namespace {

class IniWriter {
public:
    void entry(const std::string& setting, int spaces, std::string_view comment)
    {
        text_ += setting;
        text_.append(static_cast<size_t>(spaces), ' ');
        text_ += comment;
        text_ += '\n';
    }
    void raw(std::string_view text) { text_ += text; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

std::string number(float value, int decimals) { return formatFixed(value, decimals); }

// The reader takes every text but the folders and the icon in upper case; written so, a file the
// program wrote reads back to the same file.
std::string upper(std::string text)
{
    for (char& c : text)
        c = asciiUpper(c);
    return text;
}

std::string orDefault(const std::string& command, const std::string& fallback)
{
    return upper(command.empty() ? fallback : command);
}

std::string iniText()
{
    IniWriter w;
    w.raw("[DEFAULT VALUES FOR KORVANTA CONFIGURATIONS]\n\n");
    w.entry("heads=" + std::to_string(gs.heads), 20, "[Number of Heads that will run simultaneously]");
    w.entry("headchars=" + upper(gs.headchars), 16, "[Character assigned to each vertical head]");
    w.entry("bit=" + number(gs.bit, 3), 16, "[Bit Diameter]");
    w.entry("bitname=" + upper(gs.bitname), 16, "[Bit Name]");
    w.entry("cutfeed=" + std::to_string(gs.cutfeed), 16, "[Feed rate to use when cutting]");
    w.entry("plungefeed=" + std::to_string(gs.plungefeed), 14, "[Feed rate to plunge]");
    w.entry("clearance=" + number(gs.clearance, 3), 12,
            "[Distance to raise vertical heads above material for moving]");
    w.entry("depth=" + number(gs.depth, 3), 16, "[Depth to cut into material]");
    w.entry("maxdepth=" + number(gs.maxdepth, 3), 16, "[Maximum Depth to cut into material (for varying)]");
    w.entry("leadin=" + number(gs.leadin, 3), 15, "[Radius of leading arc]");
    w.entry("exit=" + number(gs.exit, 3), 17, "[Radius of exit arc]");
    w.entry("startpos=X" + number(gs.spos[0], 3) + " Y" + number(gs.startpos.y, 3), 5,
            "[Inital Starting X,Y coordinates]");
    w.entry("endpos=X" + number(gs.endpos.x, 3) + " Y" + number(gs.endpos.y, 3), 7,
            "[Final ending X,Y coordinates]");
    w.entry("autozoom=" + std::to_string(gs.autozoom), 7, "[autozoom]");
    w.entry("toolnumber=" + upper(gs.toolnumber), 15, "[Toolnumber, if used]");
    w.raw("[Starting positions of other posts, if used]\n");
    for (int n = 2; n <= kFixturePositions; ++n)
        w.raw("spos" + std::to_string(n) + "=" + number(gs.spos[n - 1], 3) + "\n");
    w.entry("start=" + std::to_string(gs.start), 20, "[Where machine homes. 0=bottom of post 1=top of post]");
    w.entry("direction=" + std::to_string(gs.direction), 16,
            "[Which way to cut? 0=cut from bottom up 1=cut from top down]");
    w.entry("path=" + gs.path, 13, "[Path for Tap files]");
    w.entry("autopath=" + gs.autopath, 1, "[Path for Jobs.Tap files]");
    w.entry("controlpath=" + gs.controlpath, 1, "[Path for Qelmar and Dat files]");
    w.entry("autoexit=" + std::to_string(gs.autoexit), 1, "[Auto Close Korvanta on Run]");
    w.entry("table=x" + number(gs.table.x, 2) + " y" + number(gs.table.y, 2) + " w" + number(gs.table.w, 2) +
                " h" + number(gs.table.h, 2) + " b" + number(gs.table.b, 2),
            1, "[Table Size.  Set to table size on your machine.]");
    w.entry("cutatonce=" + std::to_string(gs.cutatonce), 15, "[Number to cut at one time.]");
    w.entry("autopostoffset=" + number(gs.autopostoffset, 4), 15, "[Default hole offset for Auto Post.]");
    w.entry("railoffset=" + number(gs.railoffset, 4), 15, "[Default hole offset for Rail.]");
    for (int head = 1; head <= kMaxHeads; ++head) {
        const std::string n = std::to_string(head);
        w.entry("head" + n + "on=" + orDefault(gs.headOn(head), "M3." + n), 15,
                "[Default command to start head " + n + ".]");
        w.entry("head" + n + "off=" + orDefault(gs.headOff(head), "M5." + n), 15,
                "[Default command to stop head " + n + ".]");
    }
    w.entry("alignment=" + std::to_string(gs.alignment), 20, "[post alignment. 1=left edge, 2=center, 3=right edge]");
    w.entry("cutstyle=" + std::to_string(gs.cutstyle), 20, "[gs.cutstyle - 0=fixed, 1=varying]");
    w.entry("appname=" + upper(gs.appname), 20, "[User defined name for this Application]");
    if (gs.iconpathset)
        w.entry("iconpath=" + gs.iconpath, 20, "[User defined icon path]");
    w.raw("LASTPAGE=" + std::to_string(gs.lastpage) + "\n");
    return w.text();
}

} // namespace

bool WriteIniFile(Messages& messages)
{
    const WriteResult written = writeFileAtomically(iniFilePath(), withCrLf(iniText()));
    if (!written)
        messages.show("Unable to write to Korvanta.ini File.\n" + written.line());
    return static_cast<bool>(written);
}
