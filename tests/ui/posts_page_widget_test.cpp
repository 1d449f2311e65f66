// The Posts page on real widgets: a field commit refused with a message box.
#include "ui/posts_page.h"

#include "gcode/output/job_records.h"
#include "settings/settings.h"
#include "support/page_fixture.h"
#include "ui/main_window.h"
#include "ui/qt_messages.h"
#include "ui_test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace posts;

namespace {
class PostsPageWidgetTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        resetJobs();
        writeShopLibraries();
    }
};
} // namespace

TEST_F(PostsPageWidgetTest, RefusedDistanceShowsOneBoxAndTakesTheFocusBack)
{
    QtMessages messages;
    MainWindow window("", PageId::Posts, QIcon(), messages);
    PostsPage posts(window);
    ASSERT_TRUE(showActive(window));
    auto* material = qobject_cast<QComboBox*>(posts.form().control(MaterialList));
    auto* distance = qobject_cast<QLineEdit*>(posts.form().control(Distance));
    ASSERT_TRUE(material && distance);
    EXPECT_EQ(material->count(), 2) << "the libraries are listed when the page is shown";

    material->setCurrentIndex(1);
    emit material->activated(1);
    EXPECT_EQ(postJob.material.name, "VINYL 5X5");

    distance->setFocus();
    ASSERT_TRUE(waitUntil([&] { return distance->hasFocus(); }));
    QTest::keyClicks(distance, "-6");
    ModalAnswerer answerer(&window);
    QTest::keyClick(distance, Qt::Key_Tab);
    ASSERT_TRUE(waitUntil([&] { return answerer.boxes() == 1; }));
    settle();
    EXPECT_EQ(answerer.mostOpenAtOnce(), 1);
    EXPECT_TRUE(distance->hasFocus()) << "the refused field has the focus back";
    EXPECT_TRUE(isUnset(postJob.side[0].distanceFromTop));

    distance->setText("6");
    QTest::keyClick(distance, Qt::Key_Tab);
    ASSERT_TRUE(waitUntil([&] { return postJob.side[0].distanceFromTop == 6.0f; }));
    EXPECT_EQ(answerer.boxes(), 1);

    // KORVANTA_SCREENSHOT=file.png keeps a picture of the page with a pattern laid out.
    if (const char* screenshot = std::getenv("KORVANTA_SCREENSHOT")) {
        gs.autozoom = 1;
        pick(posts.form(), HoleList, 0);
        posts.form().setText(Spacing, "8");
        posts.logic().onSpacingCommitted(0);
        posts.form().setText(Holes, "5");
        posts.logic().onHolesCommitted(0);
        posts.logic().onUseOffsettingClicked(0);
        settle();
        window.grab().save(QString::fromUtf8(screenshot));
    }
}
