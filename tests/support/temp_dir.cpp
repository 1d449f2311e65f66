#include "support/temp_dir.h"

#include "settings/files.h"
#include "settings/settings.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::random_device random;
    const fs::path base = fs::temp_directory_path();
    for (;;) {
        fs::path candidate = base / ("korvanta-test-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            path_ = candidate.string();
            break;
        }
    }
}

TempDir::~TempDir()
{
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TempDir::file(const std::string& name) const
{
    return joinPath(path_, name);
}

void TempDir::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(file(name), std::ios::binary);
    out << bytes;
}

std::string TempDir::read(const std::string& name) const
{
    std::string bytes;
    readWholeFile(file(name), bytes);
    return bytes;
}

bool TempDir::exists(const std::string& name) const
{
    return fs::exists(file(name));
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
