#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The tap files last saved, loaded or run: newest first, each path once, at most kLimit.
class RecentTapFiles {
public:
    static constexpr size_t kLimit = 8;

    RecentTapFiles() = default;
    // A list as it was stored; empty entries and repeats are dropped, and it is cut to kLimit.
    explicit RecentTapFiles(const std::vector<std::string>& stored);

    const std::vector<std::string>& paths() const { return paths_; }
    // The path goes first, from wherever it stood.
    void add(const std::string& path);
    void remove(const std::string& path);
    // A listed file that no longer exists is taken off the list; true when it was.
    bool dropIfMissing(const std::string& path);

private:
    std::vector<std::string> paths_;
};
