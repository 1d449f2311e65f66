// The settings file and the libraries under a missing folder, a full disk and a file system that
// takes no changes: each failed write names the file and the system's reason, and the old file
// stays as it was, byte for byte.
#include "platform/recording_messages.h"
#include "settings/files.h"
#include "settings/ini_file.h"
#include "settings/library_files.h"
#include "settings/settings.h"
#include "support/small_file_system.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

enum class Failure { MissingFolder, FullDisk, ReadOnly };

struct Target {
    const char* file;
    // Writes the file; "" when it was written, else the message or the failure's line.
    std::function<std::string(Messages&)> write;
};

std::string lineOf(const WriteResult& result) { return result ? "" : result.line(); }

std::string contents(const std::string& path)
{
    std::string bytes;
    readWholeFile(path, bytes);
    return bytes;
}

const Target kTargets[] = {
    {"korvanta.ini",
     [](Messages&) {
         RecordingMessages said;
         return WriteIniFile(said) ? std::string() : said.texts().at(0);
     }},
    {"materials.sav",
     [](Messages& m) {
         LoadSaveFile(LibraryKind::Materials);
         currentMaterial = MaterialRecord{"5x5 Vinyl Post 96in", 96, 5, 0.15f, 5, 0, 0};
         return lineOf(AddToSaveFile(LibraryKind::Materials, m));
     }},
    {"holes.sav",
     [](Messages& m) {
         LoadSaveFile(LibraryKind::Holes);
         currentHole = HoleRecord{"2x6 Rail", 5.56f, 1.8f, 0.25f, 0};
         return lineOf(AddToSaveFile(LibraryKind::Holes, m));
     }},
    {"bits.sav",
     [](Messages& m) {
         LoadSaveFile(LibraryKind::Bits);
         gs.bitname = "3/8";
         gs.bit = 0.375f;
         return lineOf(AddToSaveFile(LibraryKind::Bits, m));
     }},
};

class WriteFailureTest : public HomeDirTest {
protected:
    RecordingMessages messages;
};

std::string expected(const char* file, const std::string& folder, const char* reason)
{
    const std::string line = joinPath(folder, file) + " : " + reason;
    return std::string(file) == "korvanta.ini" ? "Unable to write to Korvanta.ini File.\n" + line : line;
}

} // namespace

TEST_F(WriteFailureTest, AMissingFolderIsNamedWithTheReason)
{
    homeDir = home.file("gone");
    for (const Target& target : kTargets)
        EXPECT_EQ(target.write(messages), expected(target.file, homeDir, "No such file or directory")) << target.file;
}

TEST_F(WriteFailureTest, AFullDiskOrAFileThatCannotBeReplacedKeepsTheOldFile)
{
    const std::pair<Failure, const char*> failures[] = {{Failure::FullDisk, "No space left on device"},
                                                        {Failure::ReadOnly, "Read-only file system"}};
    for (const auto& [failure, reason] : failures) {
        SmallFileSystem disk;
        SKIP_WITHOUT_SMALL_FILE_SYSTEM(disk);
        homeDir = disk.path();
        for (const Target& target : kTargets)
            ASSERT_EQ(target.write(messages), "") << "the old " << target.file;
        std::vector<std::string> old;
        for (const Target& target : kTargets)
            old.push_back(contents(disk.file(target.file)));
        if (failure == Failure::FullDisk)
            disk.fill();
        else
            ASSERT_TRUE(disk.makeReadOnly());
        for (size_t i = 0; i < std::size(kTargets); ++i) {
            const Target& target = kTargets[i];
            EXPECT_EQ(target.write(messages), expected(target.file, disk.path(), reason)) << target.file;
            EXPECT_EQ(contents(disk.file(target.file)), old[i]) << target.file << " is kept byte for byte";
        }
    }
}
