#include "verify/program_header.h"

#include "platform/text_compare.h"
#include "settings/numbers.h"
#include "settings/text_helpers.h"

#include <algorithm>

namespace {

constexpr size_t kLongestLine = 1024;

using Form = ProgramHeader::Form;

Form formOf(std::string_view screen)
{
    const std::string_view first = screen.substr(0, 4);
    if (first == "POST")
        return Form::Post;
    if (first == "MANU")
        return Form::Manual;
    if (first == "RAIL")
        return Form::Rail;
    return Form::None;
}

std::string text(const LetterFields& fields, size_t i) { return fields.has(i) ? *fields[i] : std::string(); }

// "[SIDE<s>HOLE<n>=" with its name.
bool readManualHole(std::string_view key, std::string rest, ProgramHeader& header)
{
    const bool side = key.substr(0, 5) == "SIDE0" || key.substr(0, 5) == "SIDE1";
    if (key.size() < 10 || !side || key.substr(5, 4) != "HOLE")
        return false;
    const std::string number(key.substr(9));
    const int n = leadingInt(number);
    if (n < 1 || std::to_string(n) != number)
        return false;
    const LetterFields fields = ParseLetterFields(rest, "HSO");
    header.manualHoles[key[4] == '1' ? 1 : 0].push_back({n, text(fields, 0)});
    return true;
}

void readLine(const std::string& line, ProgramHeader& header)
{
    const size_t equals = line.find('=');
    if (equals == std::string::npos)
        return;
    const std::string_view key = std::string_view(line).substr(1, equals - 1);
    std::string rest = line.substr(equals + 1);
    const auto letters = [&](std::string_view set) { return ParseLetterFields(rest, set); };
    if (key == "SCREEN") {
        if (header.form == Form::None)
            header.form = formOf(rest);
    } else if (key == "MATERIALNAME") {
        header.materialName = text(letters("N"), 0);
    } else if (key == "SIDE0HOLENAME" || key == "SIDE1HOLENAME") {
        header.holeNames[key[4] == '1' ? 1 : 0] = text(letters("H"), 0);
    } else if (key == "CONFIG") {
        const LetterFields fields = letters("NHCDMVAXYZ");
        if (fields.has(0))
            header.materialName = *fields[0];
        if (fields.has(1))
            header.holeNames[0] = *fields[1];
    } else if (key == "CONFIGBACK") {
        const LetterFields fields = letters("HDSNOAL");
        if (fields.has(0))
            header.holeNames[1] = *fields[0];
    } else if (key == "CONFIG2") {
        header.bitName = text(letters("BSOCR"), 0);
    } else if (key == "POST" && header.form == Form::Rail) {
        const LetterFields fields = letters("TSHBOALDRC");
        header.run = fields.has(7) ? leadingDouble(*fields[7]) : 0;
        header.rise = fields.has(8) ? leadingDouble(*fields[8]) : 0;
    } else {
        readManualHole(key, rest, header);
    }
}

} // namespace

ProgramHeader readProgramHeader(std::string_view program)
{
    ProgramHeader header;
    TextLines lines(program, kLongestLine);
    std::string_view piece;
    std::string line;
    while (lines.next(piece)) {
        line.assign(piece);
        TrimSpaces(line);
        if (line.empty())
            continue;
        if (line[0] != '[')
            break;
        for (char& c : line)
            c = asciiUpper(c);
        readLine(line, header);
    }
    for (auto& holes : header.manualHoles)
        std::stable_sort(holes.begin(), holes.end(), [](const HeaderHole& a, const HeaderHole& b) { return a.number < b.number; });
    return header;
}
