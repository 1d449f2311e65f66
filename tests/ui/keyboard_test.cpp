// A day at the keyboard: Tab walks every page's fields top to bottom and left to right as they
// stand, past fields that cannot be typed in; the Alt keys press what they name; the focus lands
// where the operator types next.
#include "gcode/output/job_records.h"
#include "settings/settings.h"
#include "platform/recording_messages.h"
#include "support/page_fixture.h"
#include "ui/config_page.h"
#include "ui/main_window.h"
#include "ui/manual_page.h"
#include "ui/posts_page.h"
#include "ui/rails_page.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

class KeyboardTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        resetJobs();
        writeShopLibraries();
        useExampleMachine();
        ASSERT_TRUE(showActive(window));
    }

    // The control of the form that has the focus, -1 for a widget that is none of its controls.
    static ControlId focusedControl(QtForm& form)
    {
        QWidget* focus = QApplication::focusWidget();
        for (ControlId id = 0; id < 2000; ++id) {
            QWidget* control = form.control(id);
            if (control && (control == focus || control->isAncestorOf(focus)))
                return id;
        }
        return -1;
    }

    // The controls Tab visits from the first one on, until it leaves the page.
    std::vector<ControlId> walk(QtForm& form, ControlId first)
    {
        form.control(first)->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(waitUntil([&] { return focusedControl(form) == first; }));
        std::vector<ControlId> visited{first};
        for (int step = 0; step < 200; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            settle();
            const ControlId next = focusedControl(form);
            if (next < 0 || next == first)
                break;
            visited.push_back(next);
        }
        return visited;
    }

    void type(QtForm& form, ControlId field, const char* text)
    {
        form.control(field)->setFocus();
        QTest::keyClicks(form.control(field), text);
    }
    void press(QtForm& form, ControlId button)
    {
        qobject_cast<QAbstractButton*>(form.control(button))->click();
        settle();
    }

    RecordingMessages messages;
    MainWindow window{"", PageId::Posts, QIcon(), messages};
    PostsPage posts{window};
    ManualPage manual{window};
    RailsPage rails{window};
    ConfigPage config{window};
};

} // namespace

// One walk through each page, in a state where every kind of control takes part.
TEST_F(KeyboardTest, TabFollowsEveryPagesFields)
{
    {
        using namespace posts;
        QtForm& f = posts.form();
        pick(f, MaterialList, 1);
        pick(f, HoleList, 0);
        press(f, CutBothSides);
        press(f, UseOffsetting);
        const std::vector<ControlId> expected{
            MaterialList, HoleList, Distance, Spacing, Holes, NoOffsetting, OffsetAmount, Alternate,
            onSide(HoleList, 1), onSide(Distance, 1), onSide(Spacing, 1), onSide(Holes, 1), onSide(UseOffsetting, 1),
            Save, Load, CutBothSides, TotalPosts, Overlay, posts::Run, Clear};
        EXPECT_EQ(walk(f, MaterialList), expected) << "Posts";
    }
    {
        window.showPage(PageId::Manual);
        using namespace manual;
        QtForm& f = manual.form();
        pick(f, MaterialList, 1);
        press(f, OffsetToggle);
        const std::vector<ControlId> expected{MaterialList, HoleList, Spacing, Offset, OffsetToggle, Add, Rows,
                                              Save,         Load,     CutOneSide, TotalPosts, manual::Run, Clear};
        EXPECT_EQ(walk(f, MaterialList), expected) << "Manual";
    }
    {
        window.showPage(PageId::Rails);
        using namespace rails;
        QtForm& f = rails.form();
        pick(f, MaterialList, 1);
        pick(f, kSides[0].holeList, 0);
        type(f, kSides[0].distance, "4");
        type(f, kSides[0].spacing, "2");
        press(f, CutBothSides);
        const SideControls& s1 = kSides[0];
        const SideControls& s2 = kSides[1];
        const std::vector<ControlId> expected{
            MaterialList, s1.holeList, s1.distance, s1.spacing, s1.holes, kRailFields[0].rise, kRailFields[0].run,
            s1.useOffsetting, s2.holeList, s2.distance, s2.spacing, s2.holes, s2.useOffsetting, Save, Load,
            CutBothSides, TotalPosts, Overlay, MakeEqual, rails::Run, Clear};
        EXPECT_EQ(walk(f, MaterialList), expected) << "Rails";
    }
    {
        window.showPage(PageId::Configurations);
        using namespace config;
        QtForm& f = config.form();
        const std::vector<ControlId> expected{
            MaterialName, MaterialLength, MaterialWidth, MaterialHeight, MaterialThickness, CutRate, PlungeRate,
            MaterialSave, MaterialDelete, HoleName, HoleLength, HoleWidth, HoleRadius, Subprogram, HoleSave,
            HoleDelete, BitName, BitDiameter, BitSave, BitDelete, TimesToLoop, FixtureY, positionX(1),
            EndX, EndY, HomesTop, StyleNormal, DepthFixed, Depth, Heads, AxisCharacters, LeadIn, Exit, Clearance,
            RunMinimize, TableLowX, TableLowY, TableHighX, TableHighY, TableBorder, Autozoom, AlignCenter,
            spindleOn(1), spindleOff(1), GcodePath, JobPath, ControllerPath, DefaultCutRate, DefaultPlungeRate};
        EXPECT_EQ(walk(f, MaterialName), expected) << "Configurations";
    }
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().front();
}

// Alt+U hides the button it presses: the amount takes the focus, and what is typed replaces it,
// with side 2's hole type beside it (both sides) or the read-only tap file (one side) untouched.
TEST_F(KeyboardTest, TypingAfterUseOffsettingLandsInTheAmount)
{
    for (bool bothSides : {true, false}) {
        SCOPED_TRACE(bothSides ? "both sides" : "one side");
        using namespace posts;
        QtForm& f = posts.form();
        press(f, Clear);
        pick(f, MaterialList, 1);
        pick(f, HoleList, 0);
        press(f, bothSides ? CutBothSides : CutOneSide);
        const std::string side2Hole = f.text(onSide(HoleList, 1));
        type(f, Distance, "6");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_U, Qt::AltModifier);
        settle();
        QTest::keyClicks(QApplication::focusWidget(), "0.5");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        settle();
        EXPECT_EQ(f.text(OffsetAmount), "0.5");
        EXPECT_EQ(gs.autopostoffset, 0.5f);
        EXPECT_EQ(f.text(onSide(HoleList, 1)), side2Hole);
    }
    window.showPage(PageId::Rails);
    QtForm& f = rails.form();
    pick(f, rails::MaterialList, 1);
    type(f, rails::kSides[0].distance, "4");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_U, Qt::AltModifier);
    settle();
    QTest::keyClicks(QApplication::focusWidget(), "0.3");
    EXPECT_EQ(f.text(rails::kSides[0].offsetAmount), "0.3") << "not 0.0000.3";
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().front();
}

// A count typed on the Rails page and left for another page is not checked on the way.
TEST_F(KeyboardTest, TheRailsCountLeftForAnotherPageIsNotChecked)
{
    window.showPage(PageId::Rails);
    using namespace rails;
    QtForm& f = rails.form();
    pick(f, MaterialList, 1);
    pick(f, kSides[0].holeList, 0);
    type(f, kSides[0].distance, "4");
    type(f, kSides[0].spacing, "2");
    type(f, kSides[0].holes, "9");
    QTabBar* tabs = window.tabs()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    settle();
    EXPECT_EQ(window.currentPage(), PageId::Posts);
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().front();
}

// No Alt key is taken twice on a page, menus included: a key two controls share only moves the
// focus between them, and a menu that shares it opens in place of the button.
TEST_F(KeyboardTest, EveryAltKeyOfAPageIsItsOwn)
{
    press(posts.form(), posts::CutBothSides);
    press(manual.form(), manual::CutBothSides);
    press(rails.form(), rails::CutBothSides);
    for (PageId page : {PageId::Posts, PageId::Manual, PageId::Rails}) {
        window.showPage(page);
        settle();
        std::map<QKeySequence, QString> taken;
        const auto take = [&](const QString& text) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (key.isEmpty())
                return;
            const auto [first, isNew] = taken.emplace(key, text);
            EXPECT_TRUE(isNew) << "page " << pageNumber(page) << ": " << text.toStdString() << " and "
                               << first->second.toStdString();
        };
        for (QAction* menu : window.menuBar()->actions())
            take(menu->text());
        for (QAbstractButton* button : window.tabs()->currentWidget()->findChildren<QAbstractButton*>()) {
            if (button->isVisible()) // disabled ones too: their turn comes
                take(button->text());
        }
    }
}

// The Manual page's Offset toggles have Alt keys, which stay as their captions change.
TEST_F(KeyboardTest, TheManualOffsetTogglesHaveAltKeys)
{
    window.showPage(PageId::Manual);
    using namespace manual;
    QtForm& f = manual.form();
    pick(f, MaterialList, 1);
    press(f, CutBothSides);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
    settle();
    EXPECT_EQ(f.caption(OffsetToggle), "No Offset");
    EXPECT_EQ(qobject_cast<QAbstractButton*>(f.control(OffsetToggle))->text(), "No &Offset");
    EXPECT_EQ(focusedControl(f), Offset);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::AltModifier);
    settle();
    EXPECT_EQ(f.caption(onSide(OffsetToggle, 1)), "No Offset");
    EXPECT_EQ(focusedControl(f), onSide(Offset, 1));
    EXPECT_EQ(qobject_cast<QAbstractButton*>(f.control(onSide(OffsetToggle, 1)))->text(), "No Offse&t");
}

TEST_F(KeyboardTest, LengthTooltipsSayThatFractionsAreRead)
{
    const std::pair<QtForm*, ControlId> lengths[] = {
        {&posts.form(), posts::Distance},       {&posts.form(), posts::OffsetAmount},
        {&manual.form(), manual::Spacing},      {&rails.form(), rails::kRailFields[0].rise},
        {&config.form(), config::MaterialLength}, {&config.form(), config::positionX(3)},
    };
    for (auto [form, id] : lengths)
        EXPECT_TRUE(form->control(id)->toolTip().contains("5 1/2")) << id;
    EXPECT_FALSE(posts.form().control(posts::Holes)->toolTip().contains("5 1/2")) << "a count is whole";
    EXPECT_TRUE(posts.form().control(posts::OffsetAmount)->toolTip().contains("near edge"));
}
