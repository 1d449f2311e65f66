#include "gcode/output/program_output.h"

#include "platform/messages.h"
#include "settings/files.h"
#include "settings/numbers.h"

#include <charconv>

void ProgramOutput::text(std::string_view text)
{
    size_t start = 0;
    for (size_t newline = text.find('\n'); newline != std::string_view::npos; newline = text.find('\n', start)) {
        bytes_.append(text.substr(start, newline - start));
        bytes_ += "\r\n";
        start = newline + 1;
    }
    bytes_.append(text.substr(start));
}

void ProgramOutput::endLine()
{
    bytes_ += "\r\n";
}

void ProgramOutput::lengthWord(std::string_view prefix, float value, std::string_view suffix)
{
    bytes_.append(prefix);
    appendFixed3(bytes_, value);
    bytes_.append(suffix);
}

void ProgramOutput::countWord(std::string_view prefix, int value)
{
    bytes_.append(prefix);
    char digits[16];
    bytes_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void ProgramOutput::characterWord(std::string_view prefix, char c)
{
    bytes_.append(prefix);
    bytes_ += c;
}

bool saveOutput(const ProgramOutput& output, const std::string& path, Messages& messages)
{
    const WriteResult written = writeFileAtomically(path, output.bytes());
    // Windows: the controller may hold the program or "jobs.tap" open.
    if (written.targetHeldOpen())
        messages.show(targetInUseMessage(path));
    else if (!written)
        messages.show(std::string(kCheckPathMessage) + "\n" + written.line());
    return static_cast<bool>(written);
}
