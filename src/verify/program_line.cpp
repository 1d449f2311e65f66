#include "verify/program_line.h"

#include "platform/text_compare.h"
#include "settings/numbers.h"

#include <algorithm>

namespace {

char upper(char c) { return asciiUpper(c); }
// Blanks of ASCII only, whatever the user's locale.
bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

inline std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    return text;
}

bool sameText(std::string_view a, std::string_view b) { return a.size() == b.size() && compareNoCase(a, b) == 0; }

// The code word and its words; more than the dialect's longest line holds makes it unreadable.
struct Tokens {
    std::array<std::string_view, kMostWords + 1> items;
    size_t count = 0;
    bool tooMany = false;
    size_t size() const { return count; }
    std::string_view operator[](size_t i) const { return items[i]; }
};

Tokens tokensOf(std::string_view text)
{
    Tokens tokens;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        const size_t start = i;
        while (i < text.size() && text[i] != ' ')
            ++i;
        if (i == start)
            continue;
        if (tokens.count == tokens.items.size()) {
            tokens.tooMany = true;
            break;
        }
        tokens.items[tokens.count++] = text.substr(start, i - start);
    }
    return tokens;
}

// A decimal number as the dialect writes it: a sign, digits and a point, no exponent, read from
// text up to a blank or its end, where text is left. Up to 15 digits, the value is the whole
// number of its digits divided by a power of ten: both exact in double precision, so the one
// division rounds as a full conversion would.
[[gnu::always_inline]] inline bool readNumberAt(const char*& text, const char* const end, double& value)
{
    static constexpr double kPowers[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* const start = text;
    const char* c = text;
    const bool negative = c != end && *c == '-';
    c += c != end && (*c == '-' || *c == '+') ? 1 : 0;
    unsigned long long whole = 0; // wraps harmlessly past 15 digits, where it is not used
    const char* const first = c;
    const auto digits = [&] {
        for (unsigned digit; c != end && (digit = static_cast<unsigned char>(*c) - unsigned('0')) < 10; ++c)
            whole = whole * 10 + digit;
    };
    digits();
    const long long before = c - first;
    long long decimals = 0;
    if (c != end && *c == '.') {
        const char* const point = ++c;
        digits();
        decimals = c - point;
    }
    text = c;
    if ((c != end && *c != ' ') || before + decimals == 0)
        return false;
    if (before + decimals > 15) {
        value = leadingDouble(std::string_view(start, static_cast<size_t>(c - start))); // too many digits to gather exactly; rare
        return true;
    }
    const double magnitude = static_cast<double>(whole) / kPowers[decimals];
    value = negative ? -magnitude : magnitude;
    return true;
}

bool readNumber(std::string_view text, double& value)
{
    const char* c = text.data();
    const char* const end = c + text.size();
    return readNumberAt(c, end, value) && c == end;
}

// The number of a code word such as "G1", "G01" or "M98"; -1 when it is not one.
double codeNumber(std::string_view token, char letter)
{
    double number = -1;
    if (token.size() < 2 || upper(token[0]) != letter ||
        !readNumber(token.substr(1), number))
        return -1;
    return number;
}

void unknown(ProgramLine& line, std::string why)
{
    line.statement = Statement::Unknown;
    line.why = std::move(why);
}

bool isGantryAxis(char c)
{
    const char axis = upper(c);
    return axis == 'X' || axis == 'Y';
}

// Words of a G0 or G1 line: all of them head words or all of them X and Y.
void readMove(const Tokens& tokens, bool rapid, const VerifyMachine& machine, ProgramLine& line)
{
    bool heads = machine.lettered(), gantry = true;
    for (size_t i = 1; i < tokens.size(); ++i) {
        Word word;
        word.address = tokens[i][0];
        if (!readNumber(tokens[i].substr(1), word.value))
            return unknown(line, "the word " + std::string(tokens[i]) + " is not a letter and a number.");
        word.head = machine.headOf(word.address);
        heads = heads && word.head >= 0;
        gantry = gantry && isGantryAxis(word.address);
        line.words.push_back(word);
    }
    if (line.words.empty())
        return unknown(line, "a move that names no axis.");
    if (heads) {
        line.statement = rapid ? Statement::HeadRapid : Statement::HeadFeed;
        for (const Word& word : line.words) {
            if (isGantryAxis(word.address))
                line.warning = std::string("the head word ") + word.address +
                               " names an axis of the gantry, so the gantry would move instead of the head.";
        }
    } else if (gantry) {
        line.statement = rapid ? Statement::GantryRapid : Statement::GantryFeed;
    } else {
        return unknown(line, "a move that names neither only X and Y nor only this machine's heads.");
    }
}

void readArc(const Tokens& tokens, ProgramLine& line)
{
    line.statement = Statement::Arc;
    for (size_t i = 1; i < tokens.size(); ++i) {
        Word word;
        word.address = upper(tokens[i][0]);
        if (std::string_view("XYIJ").find(word.address) == std::string_view::npos ||
            !readNumber(tokens[i].substr(1), word.value))
            return unknown(line, "the arc word " + std::string(tokens[i]) + " is not X, Y, I or J with a number.");
        line.words.push_back(word);
    }
}

// M11 / M12 with a C word for each numbered head.
void readNumberedHeads(const Tokens& tokens, bool down, const VerifyMachine& machine, ProgramLine& line)
{
    if (machine.lettered())
        return unknown(line, "this machine's heads are lettered axes, not numbered heads.");
    line.statement = down ? Statement::HeadsDown : Statement::HeadsUp;
    for (size_t i = 1; i < tokens.size(); ++i) {
        Word word;
        if (tokens[i].size() == 2 && upper(tokens[i][0]) == 'C') {
            word.address = tokens[i][1];
            word.head = machine.headOf(word.address);
        }
        if (word.head < 0)
            return unknown(line, "the word " + std::string(tokens[i]) + " names no head of this machine.");
        line.words.push_back(word);
    }
    if (line.words.empty())
        return unknown(line, "a head command that names no head.");
}

// The plunge rate's line names the heads in use or every axis character of the settings, since a
// machine may have more heads than it runs today.
bool namesTheHeads(std::string_view text, const VerifyMachine& machine)
{
    const size_t inUse = static_cast<size_t>(std::max(machine.heads, 0));
    return sameText(text, machine.headChars) || sameText(text, std::string_view(machine.headChars).substr(0, inUse));
}

void readFeedRate(const Tokens& tokens, const VerifyMachine& machine, ProgramLine& line)
{
    if (tokens.size() != 2 || !readNumber(tokens[0].substr(1), line.feed))
        return unknown(line, "a feed rate is an F word followed by the axes it is for.");
    if (sameText(tokens[1], "XY")) {
        line.statement = Statement::GantryFeedRate;
    } else if (machine.lettered() && namesTheHeads(tokens[1], machine)) {
        line.statement = Statement::HeadFeedRate;
        for (char c : tokens[1]) {
            if (isGantryAxis(c))
                line.warning = std::string("the head character ") + c + " names an axis of the gantry.";
        }
    } else {
        return unknown(line, "the feed rate is for " + std::string(tokens[1]) + ", neither XY nor this machine's heads.");
    }
}

void readGCode(const Tokens& tokens, const VerifyMachine& machine, ProgramLine& line)
{
    const double code = codeNumber(tokens[0], 'G');
    if (code == 90 && tokens.size() == 1)
        line.statement = Statement::Absolute;
    else if (code == 53 && tokens.size() == 1 && machine.lettered())
        line.statement = Statement::HeadsHome;
    else if (code == 4)
        line.statement = Statement::Pause; // what follows is the pause's comment or time
    else if (code == 0 || code == 1)
        return readMove(tokens, code == 0, machine, line);
    else if (code == 2)
        return readArc(tokens, line);
    else if (code == 92.1 && machine.lettered()) {
        readMove(tokens, true, machine, line);
        if (line.statement == Statement::Unknown)
            return;
        if (line.statement != Statement::HeadRapid)
            return unknown(line, "G92.1 sets the heads' height and names only heads.");
        line.statement = Statement::HeadOffset;
    } else
        return unknown(line, "the code " + std::string(tokens[0]) + " is not one this program writes.");
}

void readMCode(const Tokens& tokens, const VerifyMachine& machine, ProgramLine& line)
{
    const double code = codeNumber(tokens[0], 'M');
    if (code == 11 || code == 12)
        return readNumberedHeads(tokens, code == 11, machine, line);
    if (code == 98 && tokens.size() >= 2) {
            line.statement = Statement::Subprogram;
        return;
    }
    return unknown(line, "the code " + std::string(tokens[0]) + " is not one this program writes.");
}

// The shortcut for the lines that make up nearly all of a program: G0, G1 and G2 followed by
// well-formed words that the general reader reads without a warning. Anything else, false, and
// the general reader reads the line.
bool readPlainMove(std::string_view text, const VerifyMachine& machine, ProgramLine& line)
{
    if (text.size() < 2 || upper(text[0]) != 'G')
        return false;
    const char* c = text.data() + 1;
    const char* const end = text.data() + text.size();
    int code = 0;
    for (; c != end && *c >= '0' && *c <= '9'; ++c)
        code = std::min(code * 10 + (*c - '0'), 100);
    if (c == text.data() + 1 || code > 2 || (c != end && *c != ' '))
        return false;
    const bool arc = code == 2;
    bool heads = machine.lettered(), gantry = true, anyAxis = false;
    while (true) {
        while (c != end && *c == ' ')
            ++c;
        if (c == end)
            break;
        Word word;
        word.address = arc ? upper(*c) : *c;
        ++c;
        if (line.words.count == kMostWords || !readNumberAt(c, end, word.value))
            return false;
        const bool axis = isGantryAxis(word.address);
        if (arc && !axis && word.address != 'I' && word.address != 'J')
            return false;
        if (!arc)
            word.head = machine.headOf(word.address);
        heads = heads && word.head >= 0;
        gantry = gantry && axis;
        anyAxis = anyAxis || axis;
        line.words.push_back(word);
    }
    // A head lettered X or Y, or a move of neither kind, is the general reader's to tell.
    if (line.words.empty() || (!arc && ((heads && anyAxis) || (!heads && !gantry))))
        return false;
    line.statement = arc ? Statement::Arc
                   : heads ? (code == 0 ? Statement::HeadRapid : Statement::HeadFeed)
                           : (code == 0 ? Statement::GantryRapid : Statement::GantryFeed);
    return true;
}

// Every line, each form of it told apart and every fault said.
void readGeneralLine(std::string_view text, const VerifyMachine& machine, ProgramLine& line)
{
    if (text.empty())
        line.statement = Statement::Empty;
    else if (text[0] == '[')
        line.statement = Statement::Comment;
    // Most lines are moves; a command is compared only with a line that begins as it does.
    const char first = upper(text.empty() ? '\0' : text[0]);
    for (const std::string& command : machine.spindleCommands) {
        if (line.statement == Statement::Unknown && upper(command[0]) == first && sameText(command, text))
            line.statement = Statement::Spindle;
    }
    if (line.statement == Statement::Unknown && !machine.toolLine.empty() && upper(machine.toolLine[0]) == first &&
        sameText(machine.toolLine, text))
        line.statement = Statement::Tool;
    if (line.statement != Statement::Unknown)
        return;
    const Tokens tokens = tokensOf(text);
    if (tokens.tooMany) {
        unknown(line, "the line holds more words than any line of a program.");
        return;
    }
    switch (upper(tokens[0][0])) {
    case 'G':
        readGCode(tokens, machine, line);
        return;
    case 'M':
        readMCode(tokens, machine, line);
        return;
    case 'F':
        readFeedRate(tokens, machine, line);
        return;
    case 'T':
        if (tokens.size() == 1 && codeNumber(tokens[0], 'T') >= 0) {
            line.statement = Statement::Tool;
            return;
        }
        break;
    default:
        break;
    }
    unknown(line, "the line is not one this program writes.");
}

} // namespace

ProgramLine readProgramLine(std::string_view text, const VerifyMachine& machine)
{
    text = trimmed(text);
    ProgramLine line;
    // Unless a spindle or tool command begins with G, a G line is none of them.
    const bool move = !text.empty() && upper(text[0]) == 'G' && !machine.spindleOrToolBeginsWithG();
    if (!move || !readPlainMove(text, machine, line)) {
        line = ProgramLine{};
        readGeneralLine(text, machine, line);
    }
    return line;
}

ProgramLine readProgramLineGenerally(std::string_view text, const VerifyMachine& machine)
{
    ProgramLine line;
    readGeneralLine(trimmed(text), machine, line);
    return line;
}
