#include "ui/main_window.h"

#include "platform/recording_messages.h"
#include "preview/handover.h"
#include "preview/preview_state.h"
#include "settings/settings.h"
#include "ui/qt_form.h"
#include "ui/qt_messages.h"
#include "ui_test_support.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

class MainWindowTest : public UiTest {
protected:
    // Hooks on every page that write down what happened, in order.
    void watchPages(MainWindow& window)
    {
        for (int page = 0; page < kPageCount; ++page) {
            PageHooks hooks;
            hooks.shown = [this, page] { events.push_back("shown " + std::to_string(page)); };
            hooks.leaving = [this, page, &window] {
                events.push_back("left " + std::to_string(page));
                tabWhileLeaving = window.tabs()->currentIndex();
                return page != refusingPage;
            };
            window.setPage(pageFromNumber(page), new QWidget, hooks);
        }
    }

    RecordingMessages messages;
    std::vector<std::string> events;
    int refusingPage = -1;
    // The tab in view while a page decides whether it may be left.
    int tabWhileLeaving = -1;
};

TEST_F(MainWindowTest, FourTabsInOrderACloseButtonAndThePreviewAtItsPlace)
{
    MainWindow window("MY SHOP 3.0.13", PageId::Posts, QIcon(), messages);
    window.show();
    ASSERT_EQ(window.tabs()->count(), 4);
    EXPECT_EQ(window.tabs()->tabText(0), "Posts");
    EXPECT_EQ(window.tabs()->tabText(1), "Manual");
    EXPECT_EQ(window.tabs()->tabText(2), "Rails");
    EXPECT_EQ(window.tabs()->tabText(3), "Configurations");
    EXPECT_EQ(window.closeButton()->text(), "Close");
    EXPECT_EQ(window.windowTitle(), "MY SHOP 3.0.13");
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.previewFrame()->geometry(), QRect(532, 43, 250, 428));
    EXPECT_TRUE(window.previewFrame()->isVisible());
    EXPECT_EQ(previewView().pane(), window.previewFrame()->pane());
}

TEST_F(MainWindowTest, TheStartPageDrawsIntoAPaneOfItsFinalSize)
{
    MainWindow window("", PageId::Posts, QIcon(), messages);
    PaneSize atStart;
    window.setPage(PageId::Posts, new QWidget, PageHooks{[&] { atStart = previewView().pane()->clientSize(); }, {}});
    window.show();
    const QRect client = window.previewFrame()->pane()->contentsRect();
    EXPECT_EQ(atStart.width, client.width());
    EXPECT_EQ(atStart.height, client.height());
    EXPECT_GT(atStart.width, 240);
}

TEST_F(MainWindowTest, ConfigurationsHidesThePreviewAndPagesHearOfSwitching)
{
    MainWindow window("", PageId::Manual, QIcon(), messages);
    watchPages(window);
    window.show();
    EXPECT_EQ(window.currentPage(), PageId::Manual);
    EXPECT_EQ(activePage, PageId::Manual);

    window.tabs()->setCurrentIndex(3);
    EXPECT_FALSE(window.previewFrame()->isVisible());
    EXPECT_EQ(activePage, PageId::Configurations) << "no cutting page draws meanwhile";
    EXPECT_EQ(gs.lastpage, 3);

    window.showPage(PageId::Rails);
    EXPECT_TRUE(window.previewFrame()->isVisible());
    EXPECT_EQ(activePage, PageId::Rails);
    EXPECT_EQ(gs.lastpage, 2);
    EXPECT_EQ(events, (std::vector<std::string>{"shown 1", "left 1", "shown 3", "left 3", "shown 2"}));
}

TEST_F(MainWindowTest, APageThatRefusesToBeLeftStaysShown)
{
    MainWindow window("", PageId::Configurations, QIcon(), messages);
    watchPages(window);
    window.show();
    refusingPage = 3;
    window.tabs()->setCurrentIndex(0);
    EXPECT_EQ(tabWhileLeaving, 3) << "no other page shows behind the refusal";
    EXPECT_EQ(window.currentPage(), PageId::Configurations);
    EXPECT_EQ(window.tabs()->currentIndex(), 3);
    EXPECT_FALSE(window.previewFrame()->isVisible()) << "the preview stays off the refusing page";
    EXPECT_EQ(gs.lastpage, 3);
    EXPECT_EQ(events.back(), "left 3");
}

// Once left, Configurations was stored; a Load may have changed the settings since.
TEST_F(MainWindowTest, ClosingStoresConfigurationsOnlyWhileItIsShownAndARefusalKeepsTheWindowOpen)
{
    int stores = 0;
    bool storeSucceeds = true;
    {
        MainWindow window("", PageId::Posts, QIcon(), messages);
        window.setConfigurationsStore([&] { ++stores; return true; });
        window.show();
        window.showPage(PageId::Configurations);
        window.showPage(PageId::Posts);
        window.closeButton()->click();
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_EQ(stores, 0);
    {
        MainWindow window("", PageId::Configurations, QIcon(), messages);
        window.setConfigurationsStore([&] { ++stores; return storeSucceeds; });
        window.show();
        storeSucceeds = false;
        window.closeButton()->click();
        EXPECT_TRUE(window.isVisible()) << "a refused store keeps the window open";
        EXPECT_EQ(window.currentPage(), PageId::Configurations);
        storeSucceeds = true;
        window.closeWindow();
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_EQ(stores, 2);
}

TEST_F(MainWindowTest, TheFieldBeingEditedIsCheckedBeforeItsPageIsLeft)
{
    MainWindow window("", PageId::Posts, QIcon(), messages);
    watchPages(window);
    auto* page = new QWidget;
    auto* field = new QLineEdit(page);
    QtForm form;
    form.add(1, field);
    QtMessages boxes;
    form.onFocusLost(1, [&] {
        events.push_back("checked " + form.text(1));
        if (form.text(1) == "bad") {
            boxes.show("Spacing between holes must be a legitimate number.", MessageIcon::None);
            form.setFocus(1);
        }
    });
    window.setPage(PageId::Posts, page, PageHooks{{}, [this] { events.push_back("left 0"); return true; }});
    ASSERT_TRUE(showActive(window));
    ModalAnswerer answerer(&window);
    QTabBar* bar = window.tabs()->tabBar();

    form.setText(1, "bad");
    field->setFocus();
    ASSERT_TRUE(waitUntil([&] { return field->hasFocus(); }));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    settle();
    EXPECT_EQ(window.currentPage(), PageId::Posts) << "a refused field keeps its page";
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(answerer.boxes(), 1);

    events.clear();
    form.setText(1, "1.5");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    settle();
    EXPECT_EQ(window.currentPage(), PageId::Rails);
    EXPECT_EQ(events, (std::vector<std::string>{"checked 1.5", "left 0", "shown 2"}));
}

TEST_F(MainWindowTest, ALargerWindowGrowsThePreviewAndRefitsIt)
{
    gs.table = {0, 0, 10, 10, 0};
    MainWindow window("", PageId::Posts, QIcon(), messages);
    window.show();
    ClearPreview(PageId::Posts);
    PreviewLine(PageId::Posts, 0, 1, 1, 8, 0);
    FitPreview(PageId::Posts);
    const float scale = previewView().scale();

    window.resize(window.size() + QSize(200, 200));
    EXPECT_EQ(window.previewFrame()->geometry(), QRect(532, 43, 450, 628));
    ASSERT_TRUE(waitUntil([&] { return previewView().imageSize().width > 400; }));
    EXPECT_GT(previewView().scale(), scale);
    EXPECT_EQ(previewView().recordsToDraw(), 1) << "the drawing is kept";
}

} // namespace
