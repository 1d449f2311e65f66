#include "settings/ini_file.h"

#include "platform/recording_messages.h"
#include "settings/settings.h"
#include "support/decimal_comma_locale.h"
#include "support/golden.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>

namespace {

class IniFileTest : public HomeDirTest {
protected:
    bool read(const std::string& text)
    {
        home.write(kIniFileName, text);
        return ReadIniFile(messages);
    }
    RecordingMessages messages;
};

// Every setting away from its default, in the letter case a user might type.
void fillEverySetting()
{
    gs.heads = 3;
    gs.headchars = "zwv";
    gs.bit = 0.375f;
    gs.bitname = "3/8 upcut";
    gs.toolnumber = "t2";
    gs.clearance = 0.5f;
    gs.depth = 0.75f;
    gs.maxdepth = 1.25f;
    gs.cutfeed = 120;
    gs.plungefeed = 30;
    gs.leadin = 0.25f;
    gs.exit = 0.125f;
    for (int i = 0; i < 12; ++i)
        gs.spos[i] = 10.0f + 12.5f * static_cast<float>(i);
    gs.startpos.y = 40.0f;
    gs.endpos = {-1.5f, 2.25f};
    gs.autozoom = 1;
    gs.start = 1;
    gs.direction = 1;
    gs.path = "/home/Shop/Tap Files";
    gs.autopath = "/home/Shop/Jobs";
    gs.controlpath = "C:\\Qelmar\\";
    gs.autoexit = 1;
    gs.table = {-1.25f, -2.5f, 60.0f, 96.0f, 2.0f};
    gs.cutatonce = 4;
    gs.autopostoffset = 0.1875f;
    gs.railoffset = -0.3125f;
    gs.head1on = "m3";
    gs.head2on = "m3.2";
    gs.head1off = "m5";
    gs.head4off = "m5.x";
    gs.alignment = 3;
    gs.cutstyle = 1;
    gs.appname = "my  shop";
    gs.iconpath = "/home/Shop/Icons/Post.ico";
    gs.iconpathset = true;
    gs.lastpage = 2;
}

} // namespace

TEST_F(IniFileTest, WritesTheWholeFileByteForByte)
{
    fillEverySetting();
    ASSERT_TRUE(WriteIniFile(messages));
    expectMatchesGolden("settings/every-setting.ini", home.read(kIniFileName));
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(IniFileTest, FreshDefaultsAreWrittenWithSpindleFallbacksAndNoIconLine)
{
    ASSERT_TRUE(WriteIniFile(messages));
    const std::string written = home.read(kIniFileName);
    expectMatchesGolden("settings/defaults.ini", written);
    EXPECT_NE(written.find("heads=99999999                    [Number"), std::string::npos);
    EXPECT_NE(written.find("head2off=M5.2               [Default command to stop head 2.]\r\n"), std::string::npos);
    EXPECT_EQ(written.find("iconpath"), std::string::npos);
    EXPECT_EQ(written.substr(written.size() - 12), "LASTPAGE=0\r\n");
}

TEST_F(IniFileTest, RoundTripKeepsEveryFieldWithUpperCaseTextAndPathsAsWritten)
{
    fillEverySetting();
    ASSERT_TRUE(WriteIniFile(messages));
    resetSettings();
    homeDir = home.path();
    ASSERT_TRUE(ReadIniFile(messages));

    EXPECT_EQ(gs.heads, 3);
    EXPECT_EQ(gs.headchars, "ZWV");
    EXPECT_FLOAT_EQ(gs.bit, 0.375f);
    EXPECT_EQ(gs.bitname, "3/8 UPCUT");
    EXPECT_EQ(gs.toolnumber, "T2");
    EXPECT_FLOAT_EQ(gs.clearance, 0.5f);
    EXPECT_FLOAT_EQ(gs.depth, 0.75f);
    EXPECT_FLOAT_EQ(gs.maxdepth, 1.25f);
    EXPECT_EQ(gs.cutfeed, 120);
    EXPECT_EQ(gs.plungefeed, 30);
    EXPECT_FLOAT_EQ(gs.leadin, 0.25f);
    EXPECT_FLOAT_EQ(gs.exit, 0.125f);
    for (int i = 0; i < 12; ++i)
        EXPECT_FLOAT_EQ(gs.spos[i], 10.0f + 12.5f * static_cast<float>(i)) << i;
    EXPECT_FLOAT_EQ(gs.startpos.y, 40.0f);
    EXPECT_FLOAT_EQ(gs.endpos.x, -1.5f);
    EXPECT_FLOAT_EQ(gs.endpos.y, 2.25f);
    EXPECT_EQ(gs.autozoom, 1);
    EXPECT_EQ(gs.start, 1);
    EXPECT_EQ(gs.direction, 1);
    EXPECT_EQ(gs.path, "/home/Shop/Tap") << "a folder ends at its first space";
    EXPECT_EQ(gs.autopath, "/home/Shop/Jobs");
    EXPECT_EQ(gs.controlpath, "C:\\Qelmar") << "one trailing backslash is removed";
    EXPECT_EQ(gs.autoexit, 1);
    EXPECT_FLOAT_EQ(gs.table.x, -1.25f);
    EXPECT_FLOAT_EQ(gs.table.y, -2.5f);
    EXPECT_FLOAT_EQ(gs.table.w, 60.0f);
    EXPECT_FLOAT_EQ(gs.table.h, 96.0f);
    EXPECT_FLOAT_EQ(gs.table.b, 2.0f);
    EXPECT_EQ(gs.cutatonce, 4);
    EXPECT_FLOAT_EQ(gs.autopostoffset, 0.1875f);
    EXPECT_FLOAT_EQ(gs.railoffset, -0.3125f);
    EXPECT_EQ(gs.head1on, "M3");
    EXPECT_EQ(gs.head2on, "M3.2");
    EXPECT_EQ(gs.head3on, "M3.3") << "an empty command comes back as its default";
    EXPECT_EQ(gs.head1off, "M5");
    EXPECT_EQ(gs.head4off, "M5.X");
    EXPECT_EQ(gs.alignment, 3);
    EXPECT_EQ(gs.cutstyle, 1);
    EXPECT_EQ(gs.appname, "MY  SHOP");
    EXPECT_EQ(gs.iconpath, "/home/Shop/Icons/Post.ico");
    EXPECT_TRUE(gs.iconpathset);
    EXPECT_EQ(gs.lastpage, 2);
    EXPECT_FLOAT_EQ(gs.spare[0], 100000000.0f);
}

TEST_F(IniFileTest, DecimalCommaLocaleChangesNothing)
{
    fillEverySetting();
    ASSERT_TRUE(WriteIniFile(messages));
    const std::string inC = home.read(kIniFileName);
    ASSERT_NE(useDecimalCommaLocale(), nullptr) << kDecimalCommaLocaleHint;
    ASSERT_TRUE(WriteIniFile(messages));
    EXPECT_EQ(home.read(kIniFileName), inC);
    ASSERT_TRUE(ReadIniFile(messages));
    std::setlocale(LC_ALL, "C");
    EXPECT_FLOAT_EQ(gs.bit, 0.375f);
    EXPECT_FLOAT_EQ(gs.table.x, -1.25f);
}

// A file naming no setting is not a settings file: unreadable, so that it is not overwritten.
TEST_F(IniFileTest, CommentOnlyFileIsUnreadableAndChangesNothingButThePresets)
{
    gs.heads = 2;
    gs.autoexit = 1;
    gs.cutatonce = 5;
    ASSERT_FALSE(read("[DEFAULT VALUES FOR KORVANTA CONFIGURATIONS]\n\n[just a comment=1]\n   \n"));
    EXPECT_EQ(gs.heads, 99999999);
    EXPECT_EQ(gs.autoexit, 0);
    EXPECT_EQ(gs.cutatonce, 5);
    EXPECT_FALSE(gs.iconpathset);
}

// Any line end, a long line's tail never read as a setting, and a file read and written again
// byte for byte the same.
TEST_F(IniFileTest, LinesAreReadWholeAndTheFileIsAFixedPoint)
{
    ASSERT_TRUE(read("heads=2\rbit=0.5\rcutatonce=3"));
    EXPECT_EQ(gs.heads, 2);
    EXPECT_EQ(gs.cutatonce, 3) << "a lone CR ends a line";
    ASSERT_TRUE(read("heads=2\n[" + std::string(300, 'x') + "heads=4]\n"));
    EXPECT_EQ(gs.heads, 2) << "a comment cannot set heads";
    ASSERT_TRUE(read("heads=3\n" + std::string(16 << 20, ' ')));
    EXPECT_EQ(gs.heads, 3) << "a long line without an end is read at once";

    std::string commands;
    for (int head = 1; head <= 4; ++head)
        commands += "head" + std::to_string(head) + "on=M3\nhead" + std::to_string(head) + "off=M5\n";
    ASSERT_TRUE(read("heads=1\nheadchars=Z   o\npath=//\n" + commands));
    ASSERT_TRUE(WriteIniFile(messages));
    const std::string first = home.read(kIniFileName);
    ASSERT_TRUE(ReadIniFile(messages));
    ASSERT_TRUE(WriteIniFile(messages));
    EXPECT_EQ(home.read(kIniFileName), first);
    EXPECT_EQ(gs.headchars, "Z");
    EXPECT_EQ(gs.path, "/");
}

// Texts typed in lower case and the spindle commands' fallbacks are written as they read back.
TEST_F(IniFileTest, AFileWrittenFromLowerCaseSettingsIsAFixedPoint)
{
    fillEverySetting();
    gs.head3on.clear();
    gs.path = "/home/Shop/Tap"; // a folder ends at its first space and loses a trailing separator
    gs.controlpath = "C:\\Qelmar";
    ASSERT_TRUE(WriteIniFile(messages));
    const std::string first = home.read(kIniFileName);
    ASSERT_TRUE(ReadIniFile(messages));
    ASSERT_TRUE(WriteIniFile(messages));
    EXPECT_EQ(home.read(kIniFileName), first);
    EXPECT_NE(first.find("\r\nhead3on=M3.3 "), std::string::npos);
}

TEST_F(IniFileTest, ValueRules)
{
    ASSERT_TRUE(read("heads=1\r\nheads=2\r\n"
                     "cutatonce=0100\r\n"
                     "cutfeed=0x20\r\n"
                     "table=Y2 X1\n"
                     "\tdepth=0.5 [a comment]\n"
                     "bit=abc\n"
                     "appname= my shop  \n"
                     "path=C:\\JOBS\\\n"
                     "start=1\nstartpos=Y7\n"));
    EXPECT_EQ(gs.heads, 2) << "the later line wins";
    EXPECT_EQ(gs.cutatonce, 64);
    EXPECT_EQ(gs.cutfeed, 32);
    EXPECT_FLOAT_EQ(gs.table.x, 1);
    EXPECT_FLOAT_EQ(gs.table.y, 2);
    EXPECT_FLOAT_EQ(gs.table.w, 0);
    EXPECT_FLOAT_EQ(gs.depth, 0.5f);
    EXPECT_FLOAT_EQ(gs.bit, 0.0f);
    EXPECT_EQ(gs.appname, " MY SHOP") << "leading spaces after = are kept";
    EXPECT_EQ(gs.path, "C:\\JOBS");
    EXPECT_EQ(gs.start, 1) << "START= and STARTPOS= are told apart by the =";
    EXPECT_FLOAT_EQ(gs.startpos.y, 7);
}

TEST_F(IniFileTest, TextLongerThanItsFieldIsCut)
{
    ASSERT_TRUE(read("headchars=ZWVUT\nhead1on=m3.123456789\ntoolnumber=T1234\nbitname=" + std::string(150, 'b') +
                     "\n"));
    EXPECT_EQ(gs.headchars, "ZWVU");
    EXPECT_EQ(gs.head1on, "M3.123456");
    EXPECT_EQ(gs.toolnumber, "T12");
    EXPECT_EQ(gs.bitname, std::string(99, 'B'));
}

// Cut inside a run of spaces, a text keeps none at its end, as its line read back would not.
TEST_F(IniFileTest, TextCutBeforeSpacesKeepsNoTrailingSpaces)
{
    ASSERT_TRUE(read("head3off=M5.3     xyz\ntoolnumber=T1  9\nbitname=" + std::string(97, 'b') + "   c\n"));
    EXPECT_EQ(gs.head3off, "M5.3");
    EXPECT_EQ(gs.toolnumber, "T1");
    EXPECT_EQ(gs.bitname, std::string(97, 'B'));
}

TEST_F(IniFileTest, UnknownKeyStopsTheReadAfterKeepingACopy)
{
    const std::string original = "heads=2\r\nbogus=1\r\ncutatonce=4\r\n";
    EXPECT_FALSE(read(original));
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_EQ(messages.entries()[0].text, "Error reading korvanta.ini file");
    EXPECT_EQ(messages.entries()[0].icon, MessageIcon::Error);
    EXPECT_EQ(gs.heads, 2) << "what was read before stays";
    EXPECT_EQ(gs.cutatonce, 0);
    EXPECT_EQ(home.read("korvanta.ini.bak"), original);
}

// A number that a float would hold as infinity makes its line as unreadable as an unknown key, and
// the line stores none of its values.
TEST_F(IniFileTest, NumberTooLargeForAFloatStopsTheRead)
{
    const std::string beyondFloat = "1" + std::string(39, '0');
    const std::string lines[] = {"clearance=1e39", "spos3=" + beyondFloat, "table=y2 x" + beyondFloat,
                                 "startpos=y2 x\"1e39\""};
    for (const std::string& bad : lines) {
        SCOPED_TRACE(bad);
        messages.clear();
        const std::string original = "heads=2\r\n" + bad + "\r\ncutatonce=4\r\n";
        EXPECT_FALSE(read(original));
        ASSERT_EQ(messages.entries().size(), 1u);
        EXPECT_EQ(messages.entries()[0].text, "Error reading korvanta.ini file");
        EXPECT_EQ(messages.entries()[0].icon, MessageIcon::Error);
        EXPECT_EQ(gs.cutatonce, 0);
        EXPECT_EQ(home.read("korvanta.ini.bak"), original);
        EXPECT_TRUE(gs.clearance == 0 && gs.spos[2] == 0 && gs.table.y == 0 && gs.startpos.y == 0);
    }
}

TEST_F(IniFileTest, SpaceBeforeTheEqualsSignIsAnUnknownKey)
{
    EXPECT_FALSE(read("heads =2\n"));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error reading korvanta.ini file"});
}

TEST_F(IniFileTest, MissingFileFailsWithoutAMessage)
{
    EXPECT_FALSE(ReadIniFile(messages));
    EXPECT_TRUE(messages.entries().empty());
    EXPECT_FALSE(home.exists("korvanta.ini.bak"));
}

TEST_F(IniFileTest, FailedWriteLeavesTheOldFileAndSaysSo)
{
    home.write(kIniFileName, "heads=2\n");
    std::filesystem::create_directory(home.file("korvanta.ini.korvanta-tmp"));
    std::filesystem::create_directory(home.file("korvanta.ini.korvanta-tmp/blocked"));
    EXPECT_FALSE(WriteIniFile(messages));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Unable to write to Korvanta.ini File.\n" +
                                                         home.file("korvanta.ini") + " : Is a directory"});
    EXPECT_EQ(home.read(kIniFileName), "heads=2\n");

    homeDir = home.file("no such folder");
    EXPECT_FALSE(WriteIniFile(messages));
}
