// The menu bar and the keys: File's actions press the shown page's buttons, Recent Programs, the
// window's remembered place, tooltips, and keys that must not end the day's work.
#include "ui/main_menu.h"

#include "gcode/output/job_records.h"
#include "platform/recording_messages.h"
#include "settings/settings.h"
#include "support/golden.h"
#include "support/page_fixture.h"
#include "ui/config_page.h"
#include "ui/main_window.h"
#include "ui/manual_page.h"
#include "ui/posts_page.h"
#include "ui/rails_page.h"
#include "ui/window_geometry.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const std::string kLeftSpacing = "Spacing between holes must be a legitimate number.";
const std::string kNoMaterial = "Must Select a Material.";

class MainMenuTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        resetJobs();
        writeShopLibraries();
    }

    // Side 1's Spacing with the focus and text that its check refuses.
    QLineEdit* editBadSpacing(PostsPage& posts)
    {
        auto* spacing = qobject_cast<QLineEdit*>(posts.form().control(posts::Spacing));
        spacing->setFocus();
        EXPECT_TRUE(waitUntil([&] { return spacing->hasFocus(); }));
        QTest::keyClicks(spacing, "abc");
        return spacing;
    }

    std::string copyProgram(const char* data, const char* name)
    {
        const std::string path = home.file(name);
        QFile::copy(QString::fromStdString(goldenPath(std::string("cli/") + data)), QString::fromStdString(path));
        return path;
    }

    RecordingMessages messages;
};

TEST_F(MainMenuTest, RunChecksTheFieldBeingLeftFirstAndIsOffOnConfigurations)
{
    MainWindow window("", PageId::Posts, QIcon(), messages);
    PostsPage posts(window);
    ConfigPage configurations(window);
    ASSERT_TRUE(showActive(window));
    QTest::keyClick(editBadSpacing(posts), Qt::Key_F5);
    settle();
    ASSERT_FALSE(messages.texts().empty());
    EXPECT_EQ(messages.texts().front(), kLeftSpacing) << "as a click on Run: the field is checked first";
    EXPECT_EQ(messages.texts().back(), kNoMaterial) << "then Run's own checks";

    window.mainMenu().pageAction(PageId::Configurations)->trigger();
    EXPECT_EQ(window.currentPage(), PageId::Configurations);
    EXPECT_FALSE(window.mainMenu().fileAction(FileAction::Run)->isEnabled());
    EXPECT_FALSE(window.mainMenu().recentMenu()->menuAction()->isEnabled());
}

// Run shows the file it wrote in Current Tap File; Ctrl+Z brings back a cleared page, and Edit's
// entry names what it undoes.
TEST_F(MainMenuTest, RunShowsItsFileAndUndoBringsBackAClearedPage)
{
    useExampleMachine();
    MainWindow window("", PageId::Posts, QIcon(), messages);
    PostsPage posts(window);
    ASSERT_TRUE(showActive(window));
    QtForm& form = posts.form();
    form.selectByPrefix(posts::MaterialList, "VINYL");
    posts.logic().onMaterialSelected();
    form.selectByPrefix(posts::HoleList, "RAIL 4");
    posts.logic().onHoleSelected();
    for (const auto& [field, text] : {std::pair{posts::Distance, "6"}, {posts::Spacing, "2"}, {posts::Holes, "1"}})
        form.setText(field, text);
    posts.logic().onDistanceCommitted(0);
    posts.logic().onSpacingCommitted(0);
    posts.logic().onHolesCommitted(0);
    window.mainMenu().fileAction(FileAction::Run)->trigger();
    settle();
    ASSERT_TRUE(messages.texts().empty()) << messages.texts().front();
    EXPECT_EQ(form.text(posts::CurrentTapFile), home.file("Post.tap"));
    EXPECT_TRUE(home.exists("Post.tap"));

    window.showNormal();
    ASSERT_TRUE(showActive(window));
    window.mainMenu().fileAction(FileAction::Clear)->trigger();
    settle();
    EXPECT_EQ(form.text(posts::Distance), "");
    QWidget* run = form.control(posts::Run);
    run->setFocus();
    ASSERT_TRUE(waitUntil([&] { return run->hasFocus(); }));
    QMenu* edit = qobject_cast<QMenu*>(window.mainMenu().undoAction()->parent());
    ASSERT_TRUE(edit);
    emit edit->aboutToShow();
    EXPECT_EQ(window.mainMenu().undoAction()->text(), "&Undo Clear");
    emit edit->aboutToHide();
    QTest::keyClick(run, Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(form.text(posts::Distance), "6.000");
    EXPECT_EQ(form.text(posts::MaterialList), "VINYL 5X5");
}

TEST_F(MainMenuTest, EscapeLeavesTheWindowOpenAndAltKeysPressAsAClickDoes)
{
    MainWindow window("", PageId::Posts, QIcon(), messages);
    PostsPage posts(window);
    ASSERT_TRUE(showActive(window));
    QLineEdit* spacing = editBadSpacing(posts);
    QTest::keyClick(spacing, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_Escape);
    settle();
    EXPECT_TRUE(window.isVisible());
    window.menuBar()->setFocus(Qt::MenuBarFocusReason);
    spacing->setFocus(Qt::MenuBarFocusReason);
    settle();
    EXPECT_TRUE(messages.texts().empty()) << "a visit to the menu bar does not leave the field";

    QTest::keyClick(spacing, Qt::Key_R, Qt::AltModifier);
    settle();
    ASSERT_EQ(messages.texts().size(), 2u);
    EXPECT_EQ(messages.texts()[0], kLeftSpacing);
}

TEST_F(MainMenuTest, RecentProgramsGrowNewestFirstLoadOnTheirPageAndDropAMissingFile)
{
    const std::string post = copyProgram("regenerated-post.tap", "post.tap");
    const std::string manual = copyProgram("regenerated-manual-v1-sides1.tap", "manual.tap");
    {
        MainWindow window("", PageId::Posts, QIcon(), messages);
        PostsPage posts(window);
        ManualPage manualPage(window);
        ASSERT_TRUE(showActive(window));
        MainMenu& menu = window.mainMenu();
        window.presetFileDialogs().presetOpen(post);
        menu.fileAction(FileAction::Load)->trigger();
        window.presetFileDialogs().presetOpen(manual);
        menu.fileAction(FileAction::Load)->trigger();
        EXPECT_EQ(window.currentPage(), PageId::Manual) << "handed to the page that wrote it";
        ASSERT_EQ(menu.recentPrograms().paths(), (std::vector<std::string>{manual, post}));
        EXPECT_EQ(menu.recentMenu()->actions().size(), 2);

        menu.recentMenu()->actions().at(1)->trigger();
        EXPECT_EQ(window.currentPage(), PageId::Posts);
        EXPECT_EQ(posts.form().text(posts::CurrentTapFile), post);
        EXPECT_EQ(menu.recentPrograms().paths().front(), post);
    }
    QFile::remove(QString::fromStdString(manual));
    MainWindow window("", PageId::Posts, QIcon(), messages);
    PostsPage posts(window);
    ASSERT_TRUE(showActive(window));
    ASSERT_EQ(window.mainMenu().recentPrograms().paths().size(), 2u) << "kept for the user";
    window.mainMenu().openRecent(manual);
    ASSERT_FALSE(messages.texts().empty());
    EXPECT_EQ(messages.texts().back(), "The program " + manual + " no longer exists. It is taken off Recent Programs.");
    EXPECT_EQ(window.mainMenu().recentPrograms().paths(), std::vector<std::string>{post});
}

TEST_F(MainMenuTest, TheWindowComesBackWhereItWasOnAScreenAndScrollsWhenSmall)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    {
        MainWindow window("", PageId::Posts, QIcon(), messages);
        window.setGeometry(QRect(screen.topLeft() + QPoint(40, 50), QSize(420, 300)));
        storeWindowGeometry(window);
    }
    MainWindow window("", PageId::Posts, QIcon(), messages);
    restoreWindowGeometry(window);
    EXPECT_EQ(window.geometry(), QRect(screen.topLeft() + QPoint(40, 50), QSize(420, 300)));
    ASSERT_TRUE(showActive(window));
    EXPECT_TRUE(window.pageArea()->verticalScrollBar()->isVisible()) << "the page area scrolls";
    EXPECT_TRUE(window.rect().contains(window.closeButton()->geometry())) << "Close stays in view";

    window.move(screen.bottomRight() + QPoint(500, 500));
    storeWindowGeometry(window);
    MainWindow away("", PageId::Posts, QIcon(), messages);
    restoreWindowGeometry(away);
    EXPECT_TRUE(screen.contains(away.geometry()));
}

TEST_F(MainMenuTest, EveryFieldAndButtonOfEveryPageHasATooltip)
{
    MainWindow window("", PageId::Posts, QIcon(), messages);
    PostsPage posts(window);
    ManualPage manualPage(window);
    RailsPage rails(window);
    ConfigPage configurations(window);
    for (int number = 0; number < kPageCount; ++number) {
        QWidget* page = window.page(pageFromNumber(number));
        for (QWidget* control : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const bool field = qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
                               qobject_cast<QListWidget*>(control) || qobject_cast<QAbstractButton*>(control);
            EXPECT_TRUE(!field || !control->toolTip().isEmpty())
                << "page " << number << ": " << control->metaObject()->className() << " at "
                << control->x() << "," << control->y();
        }
    }
}

} // namespace
