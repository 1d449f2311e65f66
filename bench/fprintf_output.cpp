#include "fprintf_output.h"

namespace {
int size(std::string_view s) { return static_cast<int>(s.size()); }
} // namespace

void FprintfOutput::text(std::string_view text)
{
    size_t start = 0;
    for (size_t newline = text.find('\n'); newline != std::string_view::npos; newline = text.find('\n', start)) {
        std::fprintf(file_, "%.*s\r\n", size(text.substr(start, newline - start)), text.data() + start);
        start = newline + 1;
    }
    if (start < text.size())
        std::fprintf(file_, "%.*s", size(text.substr(start)), text.data() + start);
}

void FprintfOutput::endLine()
{
    std::fprintf(file_, "\r\n");
}

void FprintfOutput::lengthWord(std::string_view prefix, float value, std::string_view suffix)
{
    std::fprintf(file_, "%.*s%.3f%.*s", size(prefix), prefix.data(), static_cast<double>(value), size(suffix),
                 suffix.data());
}

void FprintfOutput::countWord(std::string_view prefix, int value)
{
    std::fprintf(file_, "%.*s%d", size(prefix), prefix.data(), value);
}

void FprintfOutput::characterWord(std::string_view prefix, char c)
{
    std::fprintf(file_, "%.*s%c", size(prefix), prefix.data(), c);
}
