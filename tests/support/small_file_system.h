#pragma once

#include "support/temp_dir.h"

#include <string>

// A folder on a small file system of its own (a tmpfs), for the tests of writes that fail: it can
// be filled to the last block, or made read-only so that no file in it can be replaced. It is
// mounted in a mount namespace private to the test process, so that nothing of it reaches the
// machine and it goes when the process ends; programs the test starts see it too. Mounting needs
// the right to (root, or an unprivileged user namespace in a process that has one thread); when it
// cannot be had, available() is false and why() says so, and the test is skipped with that reason.
class SmallFileSystem {
public:
    SmallFileSystem();
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool available() const { return why_.empty(); }
    const std::string& why() const { return why_; }
    const std::string& path() const { return folder_.path(); }
    std::string file(const std::string& name) const { return folder_.file(name); }

    // Takes every free block, so that the next write of any length fails.
    void fill();
    // No file in it can be made or replaced any more.
    bool makeReadOnly();

private:
    TempDir folder_;
    std::string why_;
    bool mounted_ = false;
};

// Skips the test, saying why, when the file system cannot be had.
#define SKIP_WITHOUT_SMALL_FILE_SYSTEM(fs) \
    if (!(fs).available())                 \
    GTEST_SKIP() << (fs).why()
