// The file functions every file the program reads and writes goes through, on the platform's own
// terms. The tests of one platform are skipped, with the reason, on the other.
#include "settings/files.h"

#include "platform/system_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
// The target held open as the controller holds a program it runs: readable and writable by
// others, but not to be deleted or replaced.
HANDLE holdOpen(const std::string& path)
{
    return CreateFileW(wideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}
#endif

bool anyTemporaryLeft(const TempDir& dir)
{
    for (const auto& entry : fs::directory_iterator(pathFromUtf8(dir.path()))) {
        if (entry.path().extension() == ".korvanta-tmp")
            return true;
    }
    return false;
}

} // namespace

TEST(Files, CrLfIsWrittenExactlyOnce)
{
    TempDir dir;
    ASSERT_TRUE(writeFileAtomically(dir.file("jobs.tap"), withCrLf("G90\nM30\n")));
    EXPECT_EQ(dir.read("jobs.tap"), "G90\r\nM30\r\n");
    EXPECT_EQ(withCrLf(""), "");
}

TEST(Files, ReplacesAnExistingFileWholeAndLeavesNoTemporaryFile)
{
    TempDir dir;
    dir.write("jobs.tap", "old\r\n");
    ASSERT_TRUE(writeFileAtomically(dir.file("jobs.tap"), "new\r\n"));
    EXPECT_EQ(dir.read("jobs.tap"), "new\r\n");
    EXPECT_FALSE(anyTemporaryLeft(dir));
}

TEST(Files, AMissingFolderFailsWithoutAReasonOfUse)
{
    TempDir dir;
    const WriteResult written = writeFileAtomically(dir.file("missing/jobs.tap"), "x");
    EXPECT_FALSE(written);
    EXPECT_FALSE(written.targetHeldOpen());
}

// A shop folder under "C:\Users\José\Documents", a customer's name in a program's name: the name
// the system keeps is the one given, and the file is found by it and listed under it.
TEST(Files, NamesOutsideAsciiOpenSaveAndList)
{
    TempDir dir;
    const std::string folder = joinPath(dir.path(), "Jos\u00e9 M\u00fcller");
    fs::create_directory(pathFromUtf8(folder));
    const std::string program = joinPath(folder, "Za\u0308une \u00c5s \u0141\u00f3d\u017a \u4e2d.tap");
    ASSERT_TRUE(writeFileAtomically(program, "G90\r\n"));
    std::string bytes;
    ASSERT_TRUE(readWholeFile(program, bytes));
    EXPECT_EQ(bytes, "G90\r\n");
    std::vector<std::string> listed;
    for (const auto& entry : fs::directory_iterator(pathFromUtf8(folder)))
        listed.push_back(utf8FromPath(entry.path().filename()));
    EXPECT_EQ(listed, std::vector<std::string>{fileNameOf(program)});
    EXPECT_TRUE(fs::exists(pathFromUtf8(dir.path()) / u8"Jos\u00e9 M\u00fcller" /
                           u8"Za\u0308une \u00c5s \u0141\u00f3d\u017a \u4e2d.tap"));
    EXPECT_EQ(absolutePath(program), program);
}

TEST(Files, WindowsPathsJoinAndSplitWithEitherSeparator)
{
#ifndef _WIN32
    GTEST_SKIP() << "Windows only: on Linux a backslash is part of a file's name";
#else
    EXPECT_EQ(joinPath("C:\\Qelmar", "RAIL 4.tap"), "C:\\Qelmar\\RAIL 4.tap");
    EXPECT_EQ(joinPath("\\\\server\\share\\tap", "jobs.tap"), "\\\\server\\share\\tap\\jobs.tap");
    EXPECT_EQ(folderOf("C:\\Qelmar\\AutoRun\\jobs.tap"), "C:\\Qelmar\\AutoRun");
    EXPECT_EQ(folderOf("\\\\server\\share\\tap\\post 1.tap"), "\\\\server\\share\\tap");
    EXPECT_EQ(fileNameOf("\\\\server\\share\\tap\\post 1.tap"), "post 1.tap");
    EXPECT_EQ(folderOf("D:/Programs/post.tap"), "D:/Programs");
    EXPECT_EQ(fileNameOf("D:/Programs\\post.tap"), "post.tap");
    EXPECT_EQ(absolutePath("C:\\Qelmar\\AutoRun\\..\\jobs.tap"), "C:\\Qelmar\\jobs.tap");
    EXPECT_EQ(absolutePath("\\\\server\\share\\tap\\jobs.tap"), "\\\\server\\share\\tap\\jobs.tap");
#endif
}

TEST(Files, LinuxPathsUseTheSlashOnly)
{
#ifdef _WIN32
    GTEST_SKIP() << "Linux only: on Windows a backslash separates folders too";
#else
    EXPECT_EQ(joinPath("/home/shop", "RAIL 4.tap"), "/home/shop/RAIL 4.tap");
    EXPECT_EQ(fileNameOf("/home/shop/odd\\name.tap"), "odd\\name.tap");
#endif
}

// The controller may hold "jobs.tap" open while Korvanta saves a new one, a virus scanner may
// hold a new file for a moment.
TEST(Files, ATargetHeldOpenBrieflyIsReplacedOnceReleased)
{
#ifndef _WIN32
    GTEST_SKIP() << "Windows only: Linux replaces a file that is held open at once";
#else
    TempDir dir;
    dir.write("jobs.tap", "old\r\n");
    const HANDLE held = holdOpen(dir.file("jobs.tap"));
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread release([held] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        CloseHandle(held);
    });
    const WriteResult written = writeFileAtomically(dir.file("jobs.tap"), "new\r\n");
    release.join();
    EXPECT_TRUE(written);
    EXPECT_EQ(dir.read("jobs.tap"), "new\r\n");
    EXPECT_FALSE(anyTemporaryLeft(dir));
#endif
}

TEST(Files, ATargetHeldOpenLongerIsLeftWholeWithAClearReason)
{
#ifndef _WIN32
    GTEST_SKIP() << "Windows only: Linux replaces a file that is held open at once";
#else
    TempDir dir;
    dir.write("jobs.tap", "old\r\n");
    const HANDLE held = holdOpen(dir.file("jobs.tap"));
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto started = std::chrono::steady_clock::now();
    const WriteResult written = writeFileAtomically(dir.file("jobs.tap"), "new\r\n");
    const auto waited = std::chrono::steady_clock::now() - started;
    CloseHandle(held);
    EXPECT_FALSE(written);
    EXPECT_TRUE(written.targetHeldOpen());
    EXPECT_GE(waited, std::chrono::milliseconds(300)) << "tried again for a while";
    EXPECT_LT(waited, std::chrono::seconds(3)) << "but not for long";
    EXPECT_EQ(dir.read("jobs.tap"), "old\r\n");
    EXPECT_FALSE(anyTemporaryLeft(dir));
    EXPECT_NE(targetInUseMessage(dir.file("jobs.tap")).find("open in another program"), std::string::npos);
#endif
}

TEST(Files, ATargetHeldOpenIsReplacedAtOnce)
{
#ifdef _WIN32
    GTEST_SKIP() << "Linux only: Windows does not replace a file another program holds open";
#else
    TempDir dir;
    dir.write("jobs.tap", "old\r\n");
    const int held = open(dir.file("jobs.tap").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    EXPECT_TRUE(writeFileAtomically(dir.file("jobs.tap"), "new\r\n"));
    char oldBytes[8] = {};
    EXPECT_EQ(read(held, oldBytes, sizeof oldBytes), 5) << "the holder keeps the file it opened";
    close(held);
    EXPECT_EQ(dir.read("jobs.tap"), "new\r\n");
#endif
}
