#pragma once

#include <clocale>

// Makes the C library's locale one that writes numbers with a decimal comma (German), as a user's
// may be, and returns its name; nullptr when the system has none. Windows knows no
// "de_DE.UTF-8": its names are the language's and the country's with a code page.
inline const char* useDecimalCommaLocale()
{
#ifdef _WIN32
    for (const char* name : {"German_Germany.1252", "de-DE"}) {
#else
    for (const char* name : {"de_DE.UTF-8"}) {
#endif
        if (const char* set = std::setlocale(LC_ALL, name))
            return set;
    }
    return nullptr;
}

inline constexpr const char* kDecimalCommaLocaleHint =
    "the test needs a German locale (on Linux de_DE.UTF-8, which scripts/install-deps makes)";
