#include "ui/shop_folder.h"

#include "platform/system_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class ShopFolderTest : public HomeDirTest {
protected:
    void TearDown() override
    {
        fs::current_path(started_);
        HomeDirTest::TearDown();
    }
    ShopChoice enter(const std::vector<std::string>& arguments)
    {
        return enterShopFolder(arguments, home.path().c_str(), folder);
    }
    const fs::path started_ = fs::current_path();
    std::string folder;
};

// The folder and the rest of the path, with the platform's separators.
std::string joinPathForTest(const std::string& folder, const std::string& rest)
{
    return utf8FromPath((pathFromUtf8(folder) / pathFromUtf8(rest)).make_preferred());
}

} // namespace

TEST_F(ShopFolderTest, WrongUsageLeavesTheFolderItStartedIn)
{
    const std::vector<std::vector<std::string>> wrong = {
        {"--shop"}, {"--shop", ""}, {"--bogus", "x"}, {"--shop", "a", "b"}, {"shop"}};
    for (const auto& arguments : wrong) {
        EXPECT_EQ(enter(arguments), ShopChoice::WrongUsage) << arguments[0];
        EXPECT_EQ(fs::current_path(), started_);
    }
    EXPECT_EQ(enter({}), ShopChoice::Current);
    EXPECT_EQ(fs::current_path(), started_);
}

TEST_F(ShopFolderTest, EntersTheShopMakingItWhenMissingWithTildeAsTheHomeFolder)
{
    const struct {
        std::string given;
        fs::path entered;
    } cases[] = {
        {"~/Korvanta", fs::path(home.path()) / "Korvanta"},
        {home.file("shops/north"), fs::path(home.path()) / "shops" / "north"},
        {"~", fs::path(home.path())},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(enter({"--shop", c.given}), ShopChoice::Entered) << c.given;
        EXPECT_TRUE(fs::equivalent(fs::current_path(), c.entered)) << c.given;
    }
}

TEST_F(ShopFolderTest, AFileIsNoShopFolder)
{
    home.write("korvanta.ini", "heads=1\n");
    EXPECT_EQ(enter({"--shop", home.file("korvanta.ini")}), ShopChoice::CannotEnter);
    EXPECT_EQ(folder, home.file("korvanta.ini"));
    EXPECT_EQ(fs::current_path(), started_);
}

// A shop folder under "C:\Users\José\Documents": entered by its name, and named by it.
TEST_F(ShopFolderTest, EntersAFolderNamedOutsideAscii)
{
    const std::string shop = joinPathForTest(home.path(), "Jos\u00e9/Documents/Korvanta");
    EXPECT_EQ(enter({"--shop", shop}), ShopChoice::Entered);
    EXPECT_TRUE(fs::equivalent(fs::current_path(), pathFromUtf8(shop)));
    EXPECT_EQ(folder, utf8FromPath(pathFromUtf8(shop)));
}

// The Start-menu entry's command line, which no shell expands: --shop
// "%USERPROFILE%\Documents\Korvanta", and "~\" as the user's folder.
TEST_F(ShopFolderTest, WindowsEntryNamesTheShopByTheUsersProfile)
{
#ifndef _WIN32
    GTEST_SKIP() << "Windows only: Linux names variables with $, which a desktop entry does not use";
#else
    _wputenv_s(L"KORVANTA_TEST_PROFILE", wideFromUtf8(home.path()).c_str());
    EXPECT_EQ(enter({"--shop", "%KORVANTA_TEST_PROFILE%\\Documents\\Korvanta"}), ShopChoice::Entered);
    EXPECT_TRUE(fs::equivalent(fs::current_path(), pathFromUtf8(home.path()) / "Documents" / "Korvanta"));
    EXPECT_EQ(enter({"--shop", "~\\Korvanta"}), ShopChoice::Entered);
    EXPECT_TRUE(fs::equivalent(fs::current_path(), pathFromUtf8(home.path()) / "Korvanta"));
    _wputenv_s(L"KORVANTA_TEST_PROFILE", L"");
#endif
}
