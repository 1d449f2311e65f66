#pragma once

#include <string_view>

// Letter-case-insensitive comparisons of ASCII text, independent of the user's locale.
inline char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
bool startsWithNoCase(std::string_view text, std::string_view prefix);
// Negative, zero or positive, as strcmp, comparing letters without regard to case.
int compareNoCase(std::string_view a, std::string_view b);
