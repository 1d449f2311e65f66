#include "ui/startup.h"

#include "platform/recording_messages.h"
#include "settings/settings.h"
#include "support/golden.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

#include <QImage>
#include <QLabel>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

class StartupTest : public UiTest {
protected:
    // Runs start-up and ending in the home folder; the window, when one opens, is looked at and
    // closed at once.
    int run(MissingSettings missing = MissingSettings::Refuse)
    {
        return runProgram(messages, home.path(), [this](MainWindow& window) {
            window.show();
            shownPage = window.currentPage();
            title = window.windowTitle().toStdString();
            previewShown = window.previewFrame()->isVisible();
            const auto* note = qobject_cast<QLabel*>(window.tabs()->cornerWidget(Qt::TopRightCorner));
            greeting = note && note->isVisible() ? note->text().toStdString() : "";
            window.close();
        }, missing);
    }

    RecordingMessages messages;
    std::optional<PageId> shownPage;
    std::string title;
    bool previewShown = false;
    std::string greeting;
};

TEST_F(StartupTest, WithoutSettingsFileAMessageNoWindowAndACompleteFileAfterwards)
{
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Unable to read KORVANTA.INI file."});
    EXPECT_EQ(messages.entries()[0].icon, MessageIcon::None);
    EXPECT_FALSE(shownPage.has_value()) << "no main window";
    ASSERT_TRUE(home.exists("korvanta.ini"));
    expectMatchesGolden("settings/defaults.ini", home.read("korvanta.ini"));
    EXPECT_EQ(homeDir, home.path());
}

TEST_F(StartupTest, AShopFolderWithoutSettingsGetsAStarterShopOpenOnConfigurations)
{
    run(MissingSettings::StarterShop);
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().front();
    EXPECT_EQ(shownPage, PageId::Configurations) << "the window opens on the first start";
    EXPECT_EQ(greeting, "A new shop: set up your machine, then lay out a job.");
    EXPECT_FALSE(previewShown);
    EXPECT_NE(home.read("korvanta.ini").find("heads=1 "), std::string::npos);
    for (const char* folder : {"tap", "jobs"})
        EXPECT_TRUE(std::filesystem::is_directory(home.file(folder))) << folder;

    home.write("korvanta.ini", "spindle=7\r\n");
    messages.clear();
    shownPage.reset();
    run(MissingSettings::StarterShop);
    EXPECT_FALSE(shownPage.has_value()) << "a file that is there is never replaced by a starter shop";
    EXPECT_EQ(messages.texts().back(), "Unable to read KORVANTA.INI file.");
}

TEST_F(StartupTest, UnknownSettingGivesBothMessagesAndNoWindow)
{
    home.write("korvanta.ini", "heads=2\r\nspindle=7\r\n");
    run();
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"Error reading korvanta.ini file", "Unable to read KORVANTA.INI file."}));
    EXPECT_EQ(messages.entries()[0].icon, MessageIcon::Error);
    EXPECT_FALSE(shownPage.has_value());
    EXPECT_NE(home.read("korvanta.ini").find("heads=2 "), std::string::npos) << "what was read is kept";
}

TEST_F(StartupTest, LastPageThreeOpensConfigurationsWithoutThePreview)
{
    home.write("korvanta.ini", "appname=my shop\r\nlastpage=3\r\n");
    EXPECT_EQ(run(), 0);
    ASSERT_FALSE(messages.texts().empty());
    EXPECT_EQ(messages.texts().front(), "Maximum allowable heads is 4.") << "a settings file without heads";
    EXPECT_EQ(shownPage, PageId::Configurations);
    EXPECT_FALSE(previewShown);
    EXPECT_EQ(title, "MY SHOP 3.0.13");
    EXPECT_NE(home.read("korvanta.ini").find("LASTPAGE=3\r\n"), std::string::npos);
}

TEST_F(StartupTest, LastPageOutsideTheFourPagesOpensPosts)
{
    for (const char* value : {"-1", "4", "99"}) {
        home.write("korvanta.ini", std::string("lastpage=") + value + "\r\n");
        shownPage.reset();
        run();
        EXPECT_EQ(shownPage, PageId::Posts) << value;
        EXPECT_TRUE(previewShown);
    }
    home.write("korvanta.ini", "lastpage=2\r\n");
    run();
    EXPECT_EQ(shownPage, PageId::Rails);
}

TEST_F(StartupTest, WithoutAnApplicationNameTheTitleNamesKorvanta)
{
    home.write("korvanta.ini", "appname=\r\n");
    run();
    EXPECT_EQ(title, "Korvanta 3.0.13");
    EXPECT_EQ(greeting, "") << "only a new shop is greeted";
}

TEST_F(StartupTest, IconFromTheSettingsElseBuiltIn)
{
    EXPECT_FALSE(chooseWindowIcon().isNull()) << "the built-in icon";

    QImage square(40, 40, QImage::Format_RGB32);
    square.fill(Qt::red);
    ASSERT_TRUE(square.save(QString::fromStdString(home.file("shop.png"))));
    gs.iconpath = home.file("shop.png");
    const QIcon icon = chooseWindowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes().value(0), QSize(16, 16));

    gs.iconpath = home.file("missing.ico");
    EXPECT_TRUE(chooseWindowIcon().isNull()) << "no icon of its own, and no message";
}

} // namespace
