#pragma once

#include "support/process_state.h"

#include <gtest/gtest.h>

#include <string>

// A fresh folder per test, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const;
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;

private:
    std::string path_;
};

// Runs in the given folder while it lives, as the program runs in its shop folder, where relative
// folders are made; the folder before it is current again afterwards.
class InFolder {
public:
    explicit InFolder(const std::string& folder);
    ~InFolder();
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    std::string started_;
};

// Every test starts from a fresh process's state in a home folder of its own, and leaves none of
// its own behind.
class HomeDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    TempDir home;
};
