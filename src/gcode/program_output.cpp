#include "gcode/program_output.h"

#include "platform/messages.h"
#include "settings/files.h"
#include "settings/numbers.h"

#include <charconv>

void ProgramOutput::text(std::string_view text)
{
    size_t start = 0;
    for (size_t newline = text.find('\n'); newline != std::string_view::npos; newline = text.find('\n', start)) {
        bytes_.append(text.substr(start, newline - start));
        endLine();
        start = newline + 1;
    }
    bytes_.append(text.substr(start));
}

void ProgramOutput::length(float value)
{
    appendFixed3(bytes_, value);
}

void ProgramOutput::count(int value)
{
    char digits[16];
    bytes_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

bool saveOutput(const ProgramOutput& output, const std::string& path, Messages& messages)
{
    if (writeFileAtomically(path, output.bytes()))
        return true;
    messages.show("Please check the path under the configuration tab");
    return false;
}
