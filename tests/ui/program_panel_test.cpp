// The program view on real widgets: ticking Show Program draws the program's cuts.
#include "ui/program_panel.h"

#include "support/gcode_fixture.h"
#include "support/page_fixture.h"
#include "ui/main_window.h"
#include "ui/posts_page.h"
#include "ui/qt_messages.h"
#include "ui_test_support.h"

#include <QCheckBox>
#include <QLabel>

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

using namespace posts;

TEST_F(UiTest, ShowProgramDrawsTheCutsInTheSideColour)
{
    writeShopLibraries();
    useExampleMachine();
    QtMessages messages;
    MainWindow window("", PageId::Posts, QIcon(), messages);
    PostsPage posts(window);
    ASSERT_TRUE(showActive(window));
    ProgramPanel& panel = *window.programPanel();
    panel.showProgram()->setChecked(true);
    settle();
    EXPECT_TRUE(panel.view()->isVisible());
    EXPECT_EQ(panel.view()->picture().reason, "Must Select a Material.");
    EXPECT_EQ(panel.cuttingTime()->text(), "Must Select a Material.") << "in place of the cutting time";

    pick(posts.form(), MaterialList, 1);
    pick(posts.form(), HoleList, 0);
    posts.form().setText(Distance, "6");
    posts.logic().onDistanceCommitted(0);
    posts.form().setText(Holes, "2");
    posts.logic().onHolesCommitted(0);
    posts.form().setText(Spacing, "4");
    posts.logic().onSpacingCommitted(0);
    settle();
    ASSERT_EQ(panel.view()->picture().reason, "");
    EXPECT_EQ(panel.view()->picture().report.holes, 2);
    EXPECT_TRUE(panel.cuttingTime()->text().startsWith("Cutting time about "));

    const QImage image = panel.view()->grab().toImage();
    int blue = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            blue += c.blue() > 200 && c.red() < 100 && c.green() < 100 ? 1 : 0;
        }
    }
    EXPECT_GT(blue, 20);
    // KORVANTA_SCREENSHOT=file.png keeps a picture of the window with the program shown.
    if (const char* screenshot = std::getenv("KORVANTA_SCREENSHOT"))
        window.grab().save(QString::fromUtf8(screenshot));

    panel.showProgram()->setChecked(false);
    EXPECT_FALSE(panel.view()->isVisible()) << "unticked, the preview is shown as before";
}

// Unticked too, the line under the preview says why Run would refuse the job, as Run says it.
TEST_F(UiTest, TheReasonForARefusalStandsUnderThePreview)
{
    writeShopLibraries();
    useExampleMachine();
    QtMessages messages;
    MainWindow window("", PageId::Posts, QIcon(), messages);
    PostsPage posts(window);
    ASSERT_TRUE(showActive(window));
    ProgramPanel& panel = *window.programPanel();
    ASSERT_FALSE(panel.showProgram()->isChecked());
    pick(posts.form(), MaterialList, 1);
    pick(posts.form(), HoleList, 1);
    // Ten holes 14 apart on the 72-inch post: the sixth runs off its end.
    for (auto [field, text, commit] : {std::tuple{Distance, "6", &CAutomatic::onDistanceCommitted},
                                       {Spacing, "10", &CAutomatic::onSpacingCommitted},
                                       {Holes, "10", &CAutomatic::onHolesCommitted}}) {
        posts.form().setText(field, text);
        (posts.logic().*commit)(0);
    }
    settle();
    EXPECT_EQ(panel.cuttingTime()->text(), "Hole 6 of side one lies outside the material.");
    EXPECT_TRUE(panel.cuttingTime()->isVisible());
}
