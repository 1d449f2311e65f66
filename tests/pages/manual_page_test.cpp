#include "pages/c_manual.h"

#include "pages/c_automatic.h"
#include "pages/shown_page.h"
#include "settings/files.h"
#include "settings/settings.h"
#include "setupfile/load_state.h"
#include "support/page_fixture.h"

#include <gtest/gtest.h>

using namespace manual;

namespace {

class ManualPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        page.create();
        show();
        ASSERT_GE(form.selectByPrefix(MaterialList, "VINYL"), 0);
        page.onMaterialSelected();
    }
    void show()
    {
        enterPage(PageId::Manual);
        page.onShown();
    }
    void add(int side, const std::string& hole, const std::string& spacing, const std::string& offset = "")
    {
        form.setText(onSide(HoleList, side), hole);
        form.setText(onSide(Spacing, side), spacing);
        form.setText(onSide(Offset, side), offset);
        page.onAddClicked(side);
    }
    void selectRow(int side, int row)
    {
        form.selectRow(onSide(Rows, side), row);
        page.onRowSelected(side);
    }
    std::vector<std::string> rows(int side = 0) const { return form.itemTexts(onSide(Rows, side)); }

    CManual page{form, messages, dialogs, window};
};

} // namespace

TEST_F(ManualPageTest, AddChangeAndRemoveKeepTheRowsNumbered)
{
    page.onOffsetToggled(0);
    add(0, "RAIL 4", "6", "0.75");
    add(0, "Rail 3", "10");
    add(0, "RAIL 4", "10");
    EXPECT_EQ(rows(), (std::vector<std::string>{"#1 : RAIL 4X1.5 : 6.000 : 0.750", "#2 : Rail 3x1 : 10.000 : 0.000",
                                                "#3 : RAIL 4X1.5 : 10.000 : 0.000"}));
    selectRow(0, 1);
    EXPECT_EQ(form.text(Spacing), "10.000");
    form.setText(Spacing, "8");
    page.onChangeClicked(0);
    EXPECT_EQ(rows()[1], "#2 : Rail 3x1 : 8.000 : 0.000");

    selectRow(0, 0);
    page.onRemoveClicked(0);
    EXPECT_EQ(rows(), (std::vector<std::string>{"#1 : Rail 3x1 : 8.000 : 0.000", "#2 : RAIL 4X1.5 : 10.000 : 0.000"}));
    EXPECT_EQ(manualJob.side1HoleCount, 2);
    EXPECT_EQ(form.text(HoleList), "(None)");
    EXPECT_FALSE(form.enabled(Remove));

    page.onOffsetToggled(0);
    EXPECT_EQ(form.caption(OffsetToggle), "Offset");
    EXPECT_EQ(rows()[0], "#1 : Rail 3x1 : 8.000 : None") << "the offsets stay stored while off";
    selectRow(0, 1);
    page.onOffsetToggled(0);
    EXPECT_EQ(form.caption(OffsetToggle), "No Offset");
    EXPECT_EQ(rows()[1], "#2 : RAIL 4X1.5 : 10.000 : 0.000");
}

TEST_F(ManualPageTest, AddRefusesWhatCannotBePlaced)
{
    add(0, "(None)", "6");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Please select a hole type."});
    EXPECT_TRUE(rows().empty()) << "no empty slot among the filled ones";
    messages.clear();
    add(0, "RAIL 4", "x");
    add(0, "RAIL 4", "6", "abc");
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Spacing for hole must be a number.",
                                                          "Offset amount must be a number."}));
    for (int i = 0; i < kManualSlots; ++i)
        manualJob.placedHoles[0][static_cast<size_t>(i)] = {exampleHole(), 0.01f, 0};
    manualJob.side1HoleCount = kManualSlots;
    messages.clear();
    add(0, "RAIL 4", "1");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Too many holes."});
}

TEST_F(ManualPageTest, RunWritesTheProgramThenTheJobList)
{
    page.runManual();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Must specify at least one hole on side 1."});
    messages.clear();
    add(0, "RAIL 4", "6");
    add(0, "RAIL 4", "99");
    page.runManual();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Hole 2 of side one lies outside the material."});
    EXPECT_FALSE(home.exists("jobs.tap"));

    selectRow(0, 1);
    page.onRemoveClicked(0);
    messages.clear();
    // Both folders are checked before anything is written.
    gs.autopath = home.file("missing");
    page.runManual();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Please check the path under the configuration tab\n" +
                                                         home.file("missing") + " : No such file or directory"});
    EXPECT_FALSE(home.exists("ManualPost.tap"));
    gs.autopath = home.path();
    messages.clear();
    page.runManual();
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().front();
    EXPECT_EQ(form.text(CurrentTapFile), home.file("ManualPost.tap"));
    EXPECT_TRUE(home.exists("ManualPost.tap"));
    EXPECT_EQ(home.read("jobs.tap"), "L203 \"" + joinPath(home.path(), "ManualPost.tap") + "\"");
    EXPECT_EQ(window.minimized, 1);

    // The program view is shown the same program, composed without writing.
    ProgramOutput shown;
    ASSERT_TRUE(page.composeProgram(shown, messages));
    EXPECT_EQ(shown.bytes(), home.read("ManualPost.tap"));
}

// More than sixteen holes a side, names in another letter case, and the sides and display the
// file recorded all come back.
TEST_F(ManualPageTest, SaveThenLoadBringsTheWholeJobBack)
{
    page.onOffsetToggled(1);
    for (int i = 0; i < 20; ++i)
        add(0, "Rail 3", "0.25");
    form.setChecked(CutBothSides, true);
    form.setChecked(CutOneSide, false);
    page.onCutBothSidesClicked();
    page.onOverlayClicked();
    add(1, "RAIL 4", "6", "0.5");
    dialogs.saveAnswer = home.file("Gate.tap");
    page.onSaveClicked();
    ASSERT_TRUE(messages.entries().empty()) << messages.texts().front();
    std::string saved = home.read("Gate.tap");
    home.write("Gate.tap", saved.replace(saved.find("h\"RAIL 4X1.5\""), 13, "h\"rail 4x1.5\""));

    postJob.side[0].holeCount = 5;
    railJob.materialName = "RAIL 2X6";
    page.onClearClicked();
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(postJob.side[0].holeCount, 5) << "Clear leaves the other pages' jobs alone";
    EXPECT_EQ(railJob.materialName, "RAIL 2X6");
    dialogs.openAnswer = home.file("Gate.tap");
    page.onLoadClicked();
    ASSERT_TRUE(messages.entries().empty()) << messages.texts().front();
    EXPECT_EQ(rows().size(), 20u);
    EXPECT_EQ(rows(1), std::vector<std::string>{"#1 : RAIL 4X1.5 : 6.000 : 0.500"}) << "the library's spelling";
    EXPECT_TRUE(form.checked(CutBothSides));
    EXPECT_EQ(page.display(), 1);
    EXPECT_EQ(form.text(MaterialList), "VINYL 5X5");
}

TEST_F(ManualPageTest, FilesOfOtherPagesAreHandedOver)
{
    add(0, "RAIL 4", "6");
    dialogs.saveAnswer = home.file("Manual.tap");
    page.onSaveClicked();

    home.write("Post.tap", "[File Created by Korvanta Software]\n\n[screen=Post\n");
    dialogs.openAnswer = home.file("Post.tap");
    page.onLoadClicked();
    EXPECT_EQ(window.pagesShown, std::vector<PageId>{PageId::Posts});
    EXPECT_TRUE(pendingLoad);
    EXPECT_TRUE(rows().empty()) << "the Manual page is cleared";

    pendingLoad.reset();
    window.pagesShown.clear();
    MemoryForm postsForm;
    CAutomatic other(postsForm, messages, dialogs, window);
    other.create();
    dialogs.openAnswer = home.file("Manual.tap");
    other.onLoadClicked();
    EXPECT_EQ(window.pagesShown, std::vector<PageId>{PageId::Manual});
    show();
    EXPECT_FALSE(pendingLoad);
    EXPECT_EQ(rows(), std::vector<std::string>{"#1 : RAIL 4X1.5 : 6.000 : None"});
}

// A file handed over by another page is loaded as Load on this page loads it: the bit its header
// names is looked up; a material the library does not have leaves the job without one.
TEST_F(ManualPageTest, AHandedOverFileIsLoadedAsOnItsOwnPage)
{
    add(0, "RAIL 4", "6");
    gs.bitname = "1/4";
    gs.bit = 0.25f;
    dialogs.saveAnswer = home.file("Manual.tap");
    page.onSaveClicked();
    gs.bitname = "1/2";
    gs.bit = 0.5f;
    MemoryForm postsForm;
    CAutomatic other(postsForm, messages, dialogs, window);
    other.create();
    dialogs.openAnswer = home.file("Manual.tap");
    other.onLoadClicked();
    show();
    EXPECT_EQ(gs.bit, 0.25f);

    std::string saved = home.read("Manual.tap");
    home.write("Manual.tap", saved.replace(saved.find("n\"VINYL 5X5\""), 12, "n\"OAK 6X6\""));
    page.onLoadClicked();
    EXPECT_EQ(form.text(MaterialList), "OAK 6X6");
    messages.clear();
    page.runManual();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"No Material Specified."});
}

// Side 2's Add takes no part in a one-side job, as its fields take none.
TEST_F(ManualPageTest, SideTwoEditsOnlyWhileBothSidesAreCut)
{
    for (ControlId id : {Add, Remove, Change, Spacing})
        EXPECT_FALSE(form.enabled(onSide(id, 1))) << id;
    page.onAddClicked(1);
    EXPECT_TRUE(messages.entries().empty());
    page.onCutBothSidesClicked();
    EXPECT_TRUE(form.enabled(onSide(Add, 1)));
    add(1, "RAIL 4", "6");
    selectRow(1, 0);
    EXPECT_TRUE(form.enabled(onSide(Remove, 1)));
    page.onCutOneSideClicked();
    for (ControlId id : {Add, Remove, Change})
        EXPECT_FALSE(form.enabled(onSide(id, 1))) << id;
}

// Typing goes on where the next value is wanted: the next hole's spacing, the offset switched on.
TEST_F(ManualPageTest, AddAndOffsetOnPutTheFocusWhereTypingGoesOn)
{
    add(0, "RAIL 4", "6");
    EXPECT_EQ(form.focused(), Spacing);
    EXPECT_TRUE(form.textSelected(Spacing));
    for (int side = 0; side < 2; ++side) {
        page.onOffsetToggled(side);
        EXPECT_EQ(form.focused(), onSide(Offset, side));
        EXPECT_TRUE(form.textSelected(onSide(Offset, side)));
        page.onOffsetToggled(side);
        EXPECT_EQ(form.focused(), onSide(HoleList, side));
    }
}

TEST_F(ManualPageTest, FractionsAreReadExactly)
{
    page.onOffsetToggled(0);
    add(0, "RAIL 4", "3 5/8", "-3/16");
    ASSERT_TRUE(messages.entries().empty()) << messages.texts().front();
    EXPECT_EQ(manualJob.placedHoles[0][0].spacing, 3.625f);
    EXPECT_EQ(manualJob.placedHoles[0][0].offset, -0.1875f);
    EXPECT_EQ(rows(), std::vector<std::string>{"#1 : RAIL 4X1.5 : 3.625 : -0.188"});
    selectRow(0, 0);
    page.onChangeClicked(0);
    EXPECT_EQ(manualJob.placedHoles[0][0].offset, -0.1875f) << "Change keeps what the fields still show";
}
