#include "settings/starter_shop.h"

#include "platform/recording_messages.h"
#include "settings/files.h"
#include "settings/ini_file.h"
#include "settings/library_files.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class StarterShopTest : public HomeDirTest {
protected:
    RecordingMessages messages;
};

} // namespace

TEST_F(StarterShopTest, ANewShopGetsSettingsFoldersAndLibraries)
{
    ASSERT_TRUE(makeStarterShop(messages));
    EXPECT_TRUE(messages.entries().empty());
    resetSettings();
    homeDir = home.path();
    ASSERT_TRUE(ReadIniFile(messages)) << "the file reads back";
    EXPECT_EQ(gs.heads, 1);
    EXPECT_EQ(gs.headchars, "Z");
    EXPECT_EQ(gs.cutfeed, 120);
    EXPECT_EQ(gs.autozoom, 1);
    EXPECT_EQ(gs.lastpage, 3) << "it opens on Configurations";
    EXPECT_EQ(gs.path, home.file("tap")) << "folders by their full path, for the job list";
    EXPECT_EQ(gs.autopath, home.file("jobs"));
    EXPECT_TRUE(folderProblem(gs.path).empty());
    EXPECT_TRUE(folderProblem(gs.autopath).empty());
    ASSERT_TRUE(LoadSaveFile(LibraryKind::Materials) && LoadSaveFile(LibraryKind::Holes) && LoadSaveFile(LibraryKind::Bits));
    EXPECT_EQ(materialList.size(), 4u);
    EXPECT_EQ(holeList.size(), 4u);
    EXPECT_EQ(bitList.size(), 3u);
}

TEST_F(StarterShopTest, NothingIsWrittenOverAFileThatIsThere)
{
    home.write("materials.sav", "the shop's own");
    home.write("korvanta.ini", "heads=2\r\n");
    EXPECT_FALSE(makeStarterShop(messages));
    EXPECT_EQ(home.read("materials.sav"), "the shop's own");
    EXPECT_EQ(home.read("korvanta.ini"), "heads=2\r\n");
    EXPECT_TRUE(home.exists("holes.sav")) << "what is missing is still added";
}

// The settings file cuts a folder at its first space, so such a shop keeps its folders relative.
TEST_F(StarterShopTest, AShopFolderWithASpaceKeepsItsFoldersRelative)
{
    homeDir = home.file("Fence Shop");
    std::filesystem::create_directory(homeDir);
    const InFolder shop(homeDir);
    ASSERT_TRUE(makeStarterShop(messages));
    resetSettings();
    homeDir = home.file("Fence Shop");
    ASSERT_TRUE(ReadIniFile(messages));
    EXPECT_EQ(gs.path, "tap");
    EXPECT_EQ(gs.autopath, "jobs");
    EXPECT_TRUE(std::filesystem::is_directory(home.file("Fence Shop/tap")));
}
