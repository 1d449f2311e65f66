#include "support/golden.h"

#include "settings/files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

std::string goldenPath(const std::string& relativePath)
{
    return std::string(KORVANTA_TEST_DATA) + "/" + relativePath;
}

std::string readGoldenFile(const std::string& relativePath)
{
    std::string bytes;
    readWholeFile(goldenPath(relativePath), bytes);
    return bytes;
}

namespace {
std::string visible(const std::string& line)
{
    std::string out;
    for (char c : line) {
        if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

void reportFirstDifference(const std::string& expected, const std::string& actual)
{
    std::istringstream e(expected), a(actual);
    std::string el, al;
    for (int line = 1;; ++line) {
        const bool he = static_cast<bool>(std::getline(e, el));
        const bool ha = static_cast<bool>(std::getline(a, al));
        if (!he && !ha)
            break;
        if (!he || !ha || el != al) {
            ADD_FAILURE() << "first difference at line " << line << "\n  expected: "
                          << (he ? visible(el) : "(end of file)") << "\n  actual:   "
                          << (ha ? visible(al) : "(end of file)");
            return;
        }
    }
    ADD_FAILURE() << "the files differ in their last line end";
}
} // namespace

void expectMatchesGolden(const std::string& relativePath, const std::string& actual)
{
    const std::string path = goldenPath(relativePath);
    const char* update = std::getenv("UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::string expected;
    if (!readWholeFile(path, expected)) {
        ADD_FAILURE() << "missing golden file " << path << " (run with UPDATE_GOLDEN=1 to create it)";
        return;
    }
    if (expected != actual)
        reportFirstDifference(expected, actual);
}
