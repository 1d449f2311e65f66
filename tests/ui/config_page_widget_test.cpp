// The Configurations page on real widgets: every control in place under its id, nothing
// overlapping, and the page left again.
#include "ui/config_page.h"

#include "platform/recording_messages.h"
#include "settings/ini_file.h"
#include "support/page_fixture.h"
#include "ui/main_window.h"
#include "ui/posts_page.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <vector>

using namespace config;

namespace {

std::vector<ControlId> allControls()
{
    std::vector<ControlId> ids = {
        MaterialName, MaterialLength, MaterialWidth, MaterialHeight, MaterialThickness, CutRate, PlungeRate,
        MaterialSave, MaterialDelete, HoleName, HoleLength, HoleWidth, HoleRadius, Subprogram, HoleSave,
        HoleDelete, BitName, BitDiameter, BitSave, BitDelete, TimesToLoop, FixtureY, EndX, EndY, HomesTop,
        HomesBottom, StyleNormal, StyleInverted, DepthFixed, DepthVariable, DepthLabel, Depth, MaximumLabel,
        Maximum, Heads, AxisCharacters, LeadIn, Exit, Clearance, AlignLeft, AlignCenter, AlignRight,
        TableLowX, TableLowY, TableHighX, TableHighY, TableBorder, Autozoom, GcodePath, JobPath,
        ControllerPath, RunMinimize, RunClose};
    for (int k = 1; k <= 12; ++k)
        ids.insert(ids.end(), {positionX(k), positionLabel(k)});
    for (int k = 1; k <= 4; ++k)
        ids.insert(ids.end(), {spindleOn(k), spindleOff(k), spindleOnLabel(k), spindleOffLabel(k)});
    return ids;
}

class ConfigPageWidgetTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        useExampleMachine();
        writeShopLibraries();
    }

    RecordingMessages messages;
};

} // namespace

TEST_F(ConfigPageWidgetTest, EveryControlIsInPlaceAndThePageIsLeftAgain)
{
    MainWindow window("", PageId::Posts, QIcon(), messages);
    PostsPage posts(window);
    ConfigPage configurations(window);
    ASSERT_TRUE(showActive(window));
    QtForm& form = configurations.form();
    for (ControlId id : allControls())
        EXPECT_NE(form.control(id), nullptr) << "control " << id;
    // The captions as built; the logic relabels some once the page is shown.
    EXPECT_EQ(form.caption(positionLabel(1)), "X 1:");
    EXPECT_EQ(form.caption(positionLabel(12)), "X12:");
    EXPECT_EQ(form.caption(spindleOnLabel(1)), "First Spindle On:");
    EXPECT_EQ(form.caption(spindleOffLabel(4)), "Fourth Spindle Off:");
    EXPECT_EQ(form.caption(DepthLabel), "Depth:");
    EXPECT_EQ(form.caption(MaximumLabel), "Maximum:");

    window.showPage(PageId::Configurations);
    ASSERT_EQ(window.currentPage(), PageId::Configurations);
    expectLaidOut(window, PageId::Configurations);

    qobject_cast<QAbstractButton*>(form.control(HomesTop))->click();
    qobject_cast<QAbstractButton*>(form.control(StyleInverted))->click();
    EXPECT_TRUE(form.checked(HomesTop)) << "each radio pair is a group of its own";

    form.setText(LeadIn, "");
    window.showPage(PageId::Posts);
    EXPECT_EQ(window.currentPage(), PageId::Configurations) << "a refused store keeps the page";
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Lead in radius can not be blank"});
    EXPECT_FALSE(window.previewFrame()->isVisible()) << "the preview stays off the refused page and its fields";
    form.setText(LeadIn, "0.25");
    window.showPage(PageId::Posts);
    EXPECT_EQ(window.currentPage(), PageId::Posts);
}

// Close stores the shown Configurations page first; a refusal keeps the window open on the page
// and the settings file as last stored.
TEST_F(ConfigPageWidgetTest, CloseWithARefusedFieldKeepsTheWindowOpenAndTheSettingsFile)
{
    ASSERT_TRUE(WriteIniFile(messages));
    const std::string stored = home.read("korvanta.ini");
    MainWindow window("", PageId::Configurations, QIcon(), messages);
    PostsPage posts(window);
    ConfigPage configurations(window);
    ASSERT_TRUE(showActive(window));
    ASSERT_EQ(window.currentPage(), PageId::Configurations);
    configurations.form().setText(Clearance, "");
    messages.clear();
    window.closeButton()->click();
    EXPECT_TRUE(window.isVisible()) << "a refused store keeps the window open";
    EXPECT_EQ(window.currentPage(), PageId::Configurations);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Clearance height can not be blank"});
    EXPECT_EQ(home.read("korvanta.ini"), stored);

    configurations.form().setText(Clearance, "0.625");
    window.closeButton()->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_NE(home.read("korvanta.ini").find("clearance=0.625 "), std::string::npos);
}
