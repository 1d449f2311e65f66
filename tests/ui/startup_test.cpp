#include "ui/startup.h"

#include "platform/recording_messages.h"
#include "settings/settings.h"
#include "support/golden.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

#include <QImage>

#include <gtest/gtest.h>

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
            window.close();
        }, missing);
    }

    RecordingMessages messages;
    std::optional<PageId> shownPage;
    std::string title;
    bool previewShown = false;
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

TEST_F(StartupTest, AShopFolderWithoutSettingsStartsFromTheDefaultsAtOnce)
{
    run(MissingSettings::WriteDefaults);
    EXPECT_TRUE(shownPage.has_value()) << "the window opens on the first start";
    for (const std::string& text : messages.texts())
        EXPECT_NE(text, "Unable to read KORVANTA.INI file.");
    EXPECT_TRUE(home.exists("korvanta.ini"));

    home.write("korvanta.ini", "spindle=7\r\n");
    messages.clear();
    shownPage.reset();
    run(MissingSettings::WriteDefaults);
    EXPECT_FALSE(shownPage.has_value()) << "a file that is there is never replaced by the defaults";
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

TEST_F(StartupTest, EmptyApplicationNameLeavesTheTitlesLeadingSpace)
{
    home.write("korvanta.ini", "appname=\r\n");
    run();
    EXPECT_EQ(title, " 3.0.13");
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
