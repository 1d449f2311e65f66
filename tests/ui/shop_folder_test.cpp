#include "ui/shop_folder.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

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
