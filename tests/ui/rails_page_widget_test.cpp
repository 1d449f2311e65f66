// The Rails page on real widgets: every control in place under its dialog id, nothing
// overlapping or under the preview, side 2's slope a mirror, and the page left again.
#include "ui/rails_page.h"

#include "platform/recording_messages.h"
#include "support/page_fixture.h"
#include "ui/main_window.h"
#include "ui/posts_page.h"
#include "ui_test_support.h"

#include <QLineEdit>

#include <gtest/gtest.h>

using namespace rails;

class RailsPageWidgetTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        writeShopLibraries();
    }
    RecordingMessages messages;
};

TEST_F(RailsPageWidgetTest, EveryControlIsInPlaceAndThePageIsLeftAgain)
{
    MainWindow window("", PageId::Posts, QIcon(), messages);
    PostsPage posts(window);
    RailsPage railsPage(window);
    ASSERT_TRUE(showActive(window));
    QtForm& form = railsPage.form();
    for (ControlId id : {MaterialList, CurrentTapFile, Save, Load, CutOneSide, CutBothSides, TotalPosts, MakeEqual,
                         Overlay, Apart, rails::Run, Clear})
        EXPECT_NE(form.control(id), nullptr) << "control " << id;
    for (int side = 0; side < 2; ++side) {
        for (auto control : pattern::kEverySideControl)
            EXPECT_NE(form.control(kSides[static_cast<size_t>(side)].*control), nullptr) << "side " << side;
        const RailFields& f = kRailFields[static_cast<size_t>(side)];
        for (ControlId id : {f.bottom, f.bottomLabel, f.rise, f.riseLabel, f.run, f.runLabel})
            EXPECT_NE(form.control(id), nullptr) << "rail field " << id;
    }
    EXPECT_EQ(form.caption(MakeEqual), "&Make Top/Bottom Equal");
    EXPECT_TRUE(qobject_cast<QLineEdit*>(form.control(kRailFields[1].rise))->isReadOnly()) << "side 2 mirrors";
    EXPECT_FALSE(qobject_cast<QLineEdit*>(form.control(kRailFields[0].run))->isReadOnly());

    window.showPage(PageId::Rails);
    ASSERT_EQ(window.currentPage(), PageId::Rails);
    expectLaidOut(window, PageId::Rails);
    window.showPage(PageId::Posts);
    EXPECT_EQ(window.currentPage(), PageId::Posts);
}
