#include "settings/starter_shop.h"

#include "platform/recording_messages.h"
#include "settings/files.h"
#include "settings/ini_file.h"
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
