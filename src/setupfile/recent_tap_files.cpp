#include "setupfile/recent_tap_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {
bool fileExists(const std::string& path)
{
    std::error_code error;
    const std::u8string utf8(path.begin(), path.end());
    return std::filesystem::is_regular_file(std::filesystem::path(utf8), error);
}
} // namespace

RecentTapFiles::RecentTapFiles(const std::vector<std::string>& stored)
{
    // Added oldest first, so that the newest ends on top.
    for (auto it = stored.rbegin(); it != stored.rend(); ++it) {
        if (!it->empty())
            add(*it);
    }
}

void RecentTapFiles::add(const std::string& path)
{
    remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kLimit)
        paths_.resize(kLimit);
}

void RecentTapFiles::remove(const std::string& path)
{
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
}

bool RecentTapFiles::dropIfMissing(const std::string& path)
{
    if (fileExists(path))
        return false;
    remove(path);
    return true;
}
