#pragma once

#include <string>

// Compares bytes with a golden file under tests/data, reporting the first line that differs.
// With UPDATE_GOLDEN=1 in the environment the golden file is rewritten instead; review the diff.
void expectMatchesGolden(const std::string& relativePath, const std::string& actual);
std::string goldenPath(const std::string& relativePath);
// The bytes of a golden file.
std::string readGoldenFile(const std::string& relativePath);
