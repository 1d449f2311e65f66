#pragma once

#include "setupfile/recent_tap_files.h"

#include <functional>
#include <string>
#include <vector>

// The recent programs kept per user: read when made, stored on every change, and told of each
// tap file saved, loaded or run while it lives.
class RecentPrograms {
public:
    RecentPrograms();
    ~RecentPrograms();
    RecentPrograms(const RecentPrograms&) = delete;
    RecentPrograms& operator=(const RecentPrograms&) = delete;

    const std::vector<std::string>& paths() const { return list_.paths(); }
    // A relative path is taken from the folder the program runs in.
    void add(const std::string& path);
    // True when the file no longer exists; it is then off the list.
    bool dropIfMissing(const std::string& path);
    void onChanged(std::function<void()> handler) { changed_ = std::move(handler); }

private:
    void store();

    RecentTapFiles list_;
    std::function<void()> changed_;
};
