// The Manual page on real widgets: every control in place under its id, nothing overlapping or
// under the preview, rows that fit their list, and the page left again.
#include "ui/manual_page.h"

#include "gcode/output/job_records.h"
#include "platform/recording_messages.h"
#include "support/page_fixture.h"
#include "ui/main_window.h"
#include "ui/posts_page.h"
#include "ui_test_support.h"

#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace manual;

class ManualPageWidgetTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        resetJobs();
        writeShopLibraries();
    }

    QRadioButton* radio(ControlId id) const { return qobject_cast<QRadioButton*>(form->control(id)); }

    RecordingMessages messages;
    QtForm* form = nullptr;
};

TEST_F(ManualPageWidgetTest, EveryControlIsInPlaceAndThePageIsLeftAgain)
{
    MainWindow window("", PageId::Posts, QIcon(), messages);
    PostsPage posts(window);
    ManualPage manualPage(window);
    ASSERT_TRUE(showActive(window));
    form = &manualPage.form();
    for (ControlId id : {MaterialList, CurrentTapFile, Save, Load, CutOneSide, CutBothSides, TotalPosts, Overlay, Apart,
                         manual::Run, Clear})
        EXPECT_NE(form->control(id), nullptr) << "control " << id;
    for (ControlId id : {OffsetToggle, HoleList, HoleListLabel, Spacing, SpacingLabel, Offset, OffsetLabel, Add, Remove,
                         Change, Rows})
        EXPECT_TRUE(form->control(id) && form->control(onSide(id, 1))) << "side control " << id;
    EXPECT_EQ(form->caption(onSide(Remove, 1)), "Remo&ve");
    EXPECT_EQ(form->caption(CutBothSides), "Cut &Both Sides");
    EXPECT_EQ(form->caption(manual::Run), "&Run");

    window.showPage(PageId::Manual);
    ASSERT_EQ(window.currentPage(), PageId::Manual);
    expectLaidOut(window, PageId::Manual);

    // More rows than it shows, so that the scroll bar takes its share of the width.
    auto* rows = qobject_cast<QListWidget*>(form->control(onSide(Rows, 1)));
    for (int k = 1; k <= 12; ++k)
        rows->addItem(QStringLiteral("#%1 : RAIL 4X1.5 : 10.000 : 0.750").arg(k));
    settle();
    EXPECT_LE(rows->sizeHintForColumn(0), rows->viewport()->width()) << "a row is cut off";
    EXPECT_GE(rows->viewport()->height(), 8 * rows->sizeHintForRow(0)) << "fewer than eight rows shown";

    // Set without clicks, so that the logic plays no part.
    radio(CutBothSides)->setChecked(true);
    radio(Apart)->setChecked(true);
    radio(Overlay)->setChecked(true);
    EXPECT_FALSE(radio(Apart)->isChecked());
    EXPECT_TRUE(radio(CutBothSides)->isChecked()) << "the display pair is a group of its own";

    window.showPage(PageId::Posts);
    EXPECT_EQ(window.currentPage(), PageId::Posts);
}
