#pragma once

#include "verify/program_line.h"

// Whether two readings of a line say the same: its statement, words, feed rate, fault and warning.
inline bool sameLine(const ProgramLine& a, const ProgramLine& b)
{
    if (a.statement != b.statement || a.words.count != b.words.count || a.feed != b.feed || a.why != b.why ||
        a.warning != b.warning)
        return false;
    for (size_t i = 0; i < a.words.count; ++i) {
        const Word &x = a.words.items[i], &y = b.words.items[i];
        if (x.address != y.address || x.head != y.head || x.value != y.value)
            return false;
    }
    return true;
}
