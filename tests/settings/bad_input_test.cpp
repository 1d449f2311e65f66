// Any bytes must be taken without a crash, a hang or a read out of bounds (run under the
// sanitizers by make test).
#include "platform/recording_messages.h"
#include "settings/ini_file.h"
#include "settings/library_files.h"
#include "settings/settings.h"
#include "settings/text_helpers.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::string randomBytes(std::mt19937& random, size_t size)
{
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

class BadInputTest : public HomeDirTest {
protected:
    RecordingMessages messages;
    std::mt19937 random{7};
};

} // namespace

TEST_F(BadInputTest, SettingsReaderTakesAnyBytes)
{
    const std::vector<std::string> inputs = {
        randomBytes(random, 4096),
        std::string("heads=2\0bogus\nbit=0.5\n", 22),
        "heads=" + std::string(1 << 20, '7') + "\n",
        std::string(1 << 20, 'x'),
        "headchars=\"ZW\nappname=\"unclosed\n",
        "=\n==\n[=\n",
        "startpos=X\"unclosed Y\ntable=\n",
    };
    for (const std::string& input : inputs) {
        home.write(kIniFileName, input);
        ReadIniFile(messages);
    }
    // Saved as UTF-16, or not text at all: unreadable, kept in its backup, not reset and overwritten.
    const std::string utf16("h\0e\0a\0d\0s\0=\0002\0\n\0", 16);
    home.write(kIniFileName, utf16);
    messages.clear();
    EXPECT_FALSE(ReadIniFile(messages));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error reading korvanta.ini file"});
    EXPECT_EQ(home.read(std::string(kIniFileName) + ".bak"), utf16);
}

TEST_F(BadInputTest, LetterParserTakesAnyBytes)
{
    for (int i = 0; i < 2000; ++i) {
        std::string text = randomBytes(random, random() % 300);
        ParseLetterFields(text, "NHCDMVAXYZ");
    }
    std::string huge = "N\"" + std::string(1 << 20, 'a');
    EXPECT_EQ(ParseLetterFields(huge, "N")[0]->size(), size_t{1} << 20);
}

TEST_F(BadInputTest, LibraryLoaderTakesAnyBytes)
{
    for (int i = 0; i < 50; ++i) {
        home.write("materials.sav", randomBytes(random, random() % 2000));
        ASSERT_TRUE(LoadSaveFile(LibraryKind::Materials));
        for (const MaterialRecord& r : materialList)
            EXPECT_LE(r.name.size(), 99u);
    }
    home.write("holes.sav", std::string(115, 'h'));
    ASSERT_TRUE(LoadSaveFile(LibraryKind::Holes));
    EXPECT_TRUE(holeList.empty()) << "a record cut short is dropped";
}
