#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The program keeps every text, file names included, in UTF-8. These functions hand such names to
// the system and take them back: on Windows through the wide-character functions, since the
// narrow ones (fopen, a std::filesystem::path made from a std::string, main's argv) go through
// the user's code page and lose any character outside it ("C:\Users\José" under a Greek one).

// The path named by UTF-8 text, and the UTF-8 text of a path.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& path);

// The value of an environment variable in UTF-8; empty when it is not set.
std::string environmentValue(const char* name);

// The user's own folder: HOME, on Windows USERPROFILE (Windows sets no HOME).
std::string userHomeFolder();

// The program's arguments after its name, in UTF-8: on Windows from the wide command line, not
// from argv.
std::vector<std::string> utf8Arguments(int argc, char** argv);

#ifdef _WIN32
std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);
#endif
