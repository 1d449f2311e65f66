#include "support/temp_dir.h"

#include "settings/files.h"
#include "settings/settings.h"

#include <filesystem>
#include <random>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::random_device random;
    const fs::path base = fs::temp_directory_path();
    for (;;) {
        fs::path candidate = base / ("korvanta-test-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            const std::u8string utf8 = candidate.u8string();
            path_.assign(utf8.begin(), utf8.end());
            break;
        }
    }
}

TempDir::~TempDir()
{
    std::error_code ignored;
    fs::remove_all(fs::path(std::u8string(path_.begin(), path_.end())), ignored);
}

std::string TempDir::file(const std::string& name) const
{
    return joinPath(path_, name);
}

void TempDir::write(const std::string& name, const std::string& bytes) const
{
    writeFileAtomically(file(name), bytes);
}

std::string TempDir::read(const std::string& name) const
{
    std::string bytes;
    readWholeFile(file(name), bytes);
    return bytes;
}

bool TempDir::exists(const std::string& name) const
{
    const std::string path = file(name);
    return fs::exists(fs::path(std::u8string(path.begin(), path.end())));
}

InFolder::InFolder(const std::string& folder) : started_(fs::current_path().string())
{
    fs::current_path(folder);
}

InFolder::~InFolder()
{
    std::error_code ignored;
    fs::current_path(started_, ignored);
}

void HomeDirTest::SetUp()
{
    resetProcessState();
    homeDir = home.path();
}

void HomeDirTest::TearDown()
{
    resetProcessState();
}
