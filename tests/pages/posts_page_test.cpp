#include "pages/c_automatic.h"
#include "pages/shown_page.h"

#include "gcode/pattern_program.h"
#include "gcode/post_pattern.h"
#include "preview/handover.h"
#include "settings/files.h"
#include "settings/library_files.h"
#include "settings/settings.h"
#include "setupfile/load_state.h"
#include "support/page_fixture.h"
#include "support/small_file_system.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace posts;

namespace {

class PostsPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        gs.heads = 1;
        gs.headchars = "Z";
        page.create();
        show();
    }

    // As the sheet shows the page.
    void show()
    {
        enterPage(PageId::Posts);
        page.onShown();
    }

    void pick(ControlId list, const std::string& name)
    {
        ASSERT_GE(form.selectByPrefix(list, name), 0) << name;
        if (list == MaterialList)
            page.onMaterialSelected();
        else
            page.onHoleSelected();
    }
    void type(ControlId field, const std::string& text, void (CAutomatic::*commit)(int))
    {
        form.setText(field, text);
        (page.*commit)(field >= kSide2 ? 1 : 0);
    }
    // The worked example's job on the page: one hole 6 from the top.
    void layOutExample()
    {
        pick(MaterialList, "VINYL");
        pick(HoleList, "RAIL 4");
        type(Distance, "6", &CAutomatic::onDistanceCommitted);
        type(Spacing, "2", &CAutomatic::onSpacingCommitted);
        type(Holes, "1", &CAutomatic::onHolesCommitted);
    }
    std::string expectedProgram(int display = 1)
    {
        RunContext run = page.flow().runContext();
        run.display = display;
        ProgramOutput out;
        writePostProgramTo(out, postJob, run);
        return out.bytes();
    }

    CAutomatic page{form, messages, dialogs, window};
};

std::string readOrEmpty(const std::string& path)
{
    std::string bytes;
    readWholeFile(path, bytes);
    return bytes;
}

} // namespace

TEST_F(PostsPageTest, FirstShowStartsClearWithTheLibrariesListed)
{
    EXPECT_EQ(gs.lastpage, 0);
    EXPECT_EQ(activePage, PageId::Posts);
    EXPECT_EQ(form.itemTexts(MaterialList), (std::vector<std::string>{"Cedar 4x4", "VINYL 5X5"}));
    EXPECT_EQ(form.itemTexts(onSide(HoleList, 1)), (std::vector<std::string>{"Rail 3x1", "RAIL 4X1.5", "TINY"}));
    EXPECT_TRUE(form.checked(CutOneSide));
    EXPECT_FALSE(form.enabled(onSide(Distance, 1)));
    EXPECT_FALSE(form.visible(Overlay));
    EXPECT_TRUE(form.visible(UseOffsetting));
    EXPECT_FALSE(form.visible(OffsetAmount));
    EXPECT_EQ(form.focused(), MaterialList);
}

TEST_F(PostsPageTest, MaterialBringsItsFeedRatesOrTheSettings)
{
    pick(MaterialList, "Cedar");
    EXPECT_EQ(page.flow().feeds().cut, 150);
    EXPECT_EQ(page.flow().feeds().plunge, 45);
    pick(MaterialList, "VINYL");
    EXPECT_EQ(page.flow().feeds().cut, 120);
    EXPECT_EQ(page.flow().feeds().plunge, 30);
    EXPECT_EQ(postJob.material.length, 72);
}

TEST_F(PostsPageTest, FieldCommitsRefuseNonNumbersAndKeepTheValue)
{
    layOutExample();
    struct Case {
        ControlId field;
        void (CAutomatic::*commit)(int);
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {Distance, &CAutomatic::onDistanceCommitted, "-2", "Distance to First Hole must be a positive number."},
        {Spacing, &CAutomatic::onSpacingCommitted, "1e3", "Spacing between holes must be a legitimate number."},
        {Holes, &CAutomatic::onHolesCommitted, "x", "Number of Holes to cut must be a positive number."},
    };
    for (const Case& c : cases) {
        messages.clear();
        type(c.field, c.text, c.commit);
        EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(form.focused(), c.field);
    }
    EXPECT_EQ(postJob.side[0].distanceFromTop, 6);
    EXPECT_EQ(postJob.side[0].spacing, 2);
    EXPECT_EQ(postJob.side[0].holeCount, 1);

    messages.clear();
    type(Spacing, "-1", &CAutomatic::onSpacingCommitted);
    EXPECT_TRUE(messages.entries().empty()) << "a negative spacing is a legitimate number";
    EXPECT_EQ(postJob.side[0].spacing, -1);
    type(Distance, "", &CAutomatic::onDistanceCommitted);
    EXPECT_EQ(postJob.side[0].distanceFromTop, 6) << "an empty field commits nothing";
}

TEST_F(PostsPageTest, RedrawDrawsTheMaterialAndItsHoles)
{
    layOutExample();
    type(Holes, "5", &CAutomatic::onHolesCommitted);
    const auto records = drawn();
    ASSERT_EQ(records.size(), 4u + 5u * 5u);
    EXPECT_EQ(records[0].y2, 72.0f);
    EXPECT_EQ(records[4].x1, 2.5f) << "the first hole's top edge is centred on the face";
    EXPECT_EQ(records[4].y1, 66.0f);

    page.onCutBothSidesClicked();
    page.onApartClicked();
    const auto both = drawn();
    ASSERT_EQ(both.size(), 2u * (4u + 5u * 5u));
    EXPECT_EQ(both[0].pen, 1) << "side 2 is drawn first, in red";
    EXPECT_EQ(both[0].x1, 7.5f) << "apart: half a width to the right";
    EXPECT_EQ(both.back().pen, 0);
}

TEST_F(PostsPageTest, OffsettingOnAndOff)
{
    layOutExample();
    page.onUseOffsettingClicked(0);
    EXPECT_TRUE(form.checked(Alternate)) << "Use Offsetting ticks Alternate Offset";
    EXPECT_FALSE(form.visible(UseOffsetting));
    EXPECT_TRUE(form.visible(NoOffsetting));
    EXPECT_TRUE(form.visible(OffsetAmount));
    EXPECT_EQ(form.text(OffsetAmount), "0.000");

    type(OffsetAmount, "0.5", &CAutomatic::onOffsetAmountCommitted);
    EXPECT_EQ(gs.autopostoffset, 0.5f) << "side 1's amount is the default offset setting";
    type(OffsetAmount, "abc", &CAutomatic::onOffsetAmountCommitted);
    EXPECT_EQ(messages.texts().back(), "Offset amount must be a number.");
    EXPECT_EQ(form.focused(), OffsetAmount);
    type(OffsetAmount, "", &CAutomatic::onOffsetAmountCommitted);
    EXPECT_EQ(form.text(OffsetAmount), "0.000");
    EXPECT_EQ(gs.autopostoffset, 0.0f);

    page.onNoOffsettingClicked(0);
    EXPECT_TRUE(form.visible(UseOffsetting));
    EXPECT_FALSE(form.visible(Alternate));
    EXPECT_FALSE(form.checked(Alternate));
    EXPECT_EQ(form.text(OffsetAmount), "");
    EXPECT_EQ(postJob.side[0].alternateOffset, 0);
}

TEST_F(PostsPageTest, BothSidesCopiesSideOneIntoEmptySideTwo)
{
    layOutExample();
    page.onUseOffsettingClicked(0);
    type(OffsetAmount, "0.25", &CAutomatic::onOffsetAmountCommitted);
    form.setChecked(CutBothSides, true);
    page.onCutBothSidesClicked();
    EXPECT_EQ(postJob.sides, 2);
    EXPECT_TRUE(form.enabled(onSide(Distance, 1)));
    EXPECT_TRUE(form.visible(Overlay));
    EXPECT_EQ(form.text(onSide(HoleList, 1)), "RAIL 4X1.5");
    EXPECT_EQ(postJob.holeType[1].radius, 0.5f);
    EXPECT_EQ(form.text(onSide(Distance, 1)), "6.000");
    EXPECT_EQ(form.text(onSide(Spacing, 1)), "2.000");
    EXPECT_EQ(form.text(onSide(Holes, 1)), "1");
    EXPECT_EQ(postJob.side[1].holeCount, 1);

    page.onUseOffsettingClicked(1);
    EXPECT_EQ(form.text(onSide(OffsetAmount, 1)), "0.250") << "side 2 starts from side 1's amount";

    // Side 1's commit fills an empty side 2 field.
    form.setText(onSide(Distance, 1), "");
    type(Distance, "3", &CAutomatic::onDistanceCommitted);
    EXPECT_EQ(form.text(onSide(Distance, 1)), "3");
    EXPECT_EQ(postJob.side[1].distanceFromTop, 3);
}

TEST_F(PostsPageTest, ClearEmptiesThePageAndUnsetsTheAmount)
{
    layOutExample();
    page.onUseOffsettingClicked(0);
    type(OffsetAmount, "0.5", &CAutomatic::onOffsetAmountCommitted);
    page.onClearClicked();
    EXPECT_EQ(form.text(Distance), "");
    EXPECT_EQ(form.text(MaterialList), "");
    EXPECT_TRUE(postJob.material.name.empty());
    EXPECT_TRUE(isUnset(gs.autopostoffset));
    EXPECT_FALSE(form.visible(OffsetAmount));
    page.onUseOffsettingClicked(0);
    EXPECT_EQ(form.text(OffsetAmount), "0.000");
}

TEST_F(PostsPageTest, CollectingTheJobNamesTheFirstMissingField)
{
    struct Step {
        std::function<void()> fill;
        std::string message;
        ControlId focus;
    };
    const std::vector<Step> steps = {
        {[] {}, "Must Select a Material.", MaterialList},
        {[&] { pick(MaterialList, "VINYL"); }, "Must Select a Hole.", HoleList},
        {[&] { pick(HoleList, "RAIL 4"); }, "Must Specify Numer of Holes to Cut.", Holes},
        {[&] { form.setText(Holes, "3"); }, "Must Specify Distance to First Hole.", Distance},
        {[&] { form.setText(Distance, "6"); }, "Must Specify spacing between holes.", Spacing},
        {[&] { form.setText(Spacing, "1e3"); }, "Spacing between holes must be a positive number.", Spacing},
    };
    for (const Step& step : steps) {
        step.fill();
        messages.clear();
        EXPECT_FALSE(page.collectPostJob());
        EXPECT_EQ(messages.texts(), std::vector<std::string>{step.message});
        EXPECT_EQ(form.focused(), step.focus);
    }
    form.setText(Spacing, "-1");
    form.setText(TotalPosts, "24");
    messages.clear();
    EXPECT_TRUE(page.collectPostJob());
    EXPECT_EQ(postJob.side[0].spacing, -1);

    form.setText(MaterialList, "oak");
    EXPECT_FALSE(page.collectPostJob()) << "a typed name that no material begins with";
    form.setText(MaterialList, "ced");
    EXPECT_TRUE(page.collectPostJob());
    EXPECT_EQ(postJob.material.name, "Cedar 4x4");
}

TEST_F(PostsPageTest, RunWritesTheProgramThenTheJobList)
{
    layOutExample();
    page.onRunClicked();
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().front();
    EXPECT_EQ(form.text(CurrentTapFile), home.file("Post.tap")) << "Current Tap File shows the file Run wrote";
    EXPECT_EQ(home.read("Post.tap"), expectedProgram());
    EXPECT_EQ(home.read("jobs.tap"), "L203 \"" + joinPath(home.path(), "Post.tap") + "\"");
    EXPECT_EQ(window.minimized, 1);

    gs.autoexit = 1;
    page.onRunClicked();
    EXPECT_EQ(window.closed, 1);
}

TEST_F(PostsPageTest, RunWritesNothingWhenACheckFails)
{
    layOutExample();
    pick(HoleList, "TINY");
    gs.clearance = 0;
    page.onRunClicked();
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Please specify a clearance distance under the configuration tab",
                                                          "Hole Radius Error"}));
    EXPECT_FALSE(home.exists("Post.tap"));
    EXPECT_FALSE(home.exists("jobs.tap"));
    EXPECT_EQ(window.minimized, 0);
}

TEST_F(PostsPageTest, RunRefusesSideTwoAndHolesOffThePost)
{
    layOutExample();
    form.setChecked(CutBothSides, true);
    page.onCutBothSidesClicked();
    form.setText(onSide(HoleList, 1), "TINY");
    page.onRunClicked();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Hole Radius Error, side two."});

    messages.clear();
    form.setText(onSide(HoleList, 1), "RAIL 4");
    type(onSide(Distance, 1), "99999", &CAutomatic::onDistanceCommitted);
    page.onRunClicked();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Hole 1 of side two lies outside the material."});
    EXPECT_FALSE(home.exists("Post.tap"));
    EXPECT_FALSE(home.exists("jobs.tap"));
    EXPECT_EQ(window.minimized, 0);
}

// What a redraw, a Load and a Run cost follows what fits on the post, not the count typed.
TEST_F(PostsPageTest, AHugeCountAnswersAtOnce)
{
    layOutExample();
    type(Holes, "99999998", &CAutomatic::onHolesCommitted);
    EXPECT_LE(drawn().size(), 5 * (kMostHolesDrawn + 1));
    page.onRunClicked();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Hole 12 of side one lies outside the material."});

    type(Holes, "1", &CAutomatic::onHolesCommitted);
    dialogs.saveAnswer = home.file("Huge.tap");
    page.onSaveClicked();
    std::string saved = home.read("Huge.tap");
    home.write("Huge.tap", saved.replace(saved.find(" h1 ", saved.find("[post=")), 4, " h99999998 "));
    dialogs.openAnswer = home.file("Huge.tap");
    page.onLoadClicked();
    EXPECT_EQ(form.text(Holes), "99999998");
}

// Both folders are checked before anything is written: a refused Run leaves both files as they were.
TEST_F(PostsPageTest, RunWithAFolderMissingNamesItAndWritesNothing)
{
    layOutExample();
    home.write("jobs.tap", "old list");
    home.write("Post.tap", "old program");
    for (std::string* folder : {&gs.path, &gs.autopath}) {
        const std::string kept = *folder;
        *folder = home.file("missing");
        messages.clear();
        page.onRunClicked();
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Please check the path under the configuration tab\n" +
                                                             home.file("missing") + " : No such file or directory"});
        EXPECT_EQ(home.read("jobs.tap"), "old list");
        EXPECT_EQ(home.read("Post.tap"), "old program");
        EXPECT_EQ(window.minimized, 0);
        *folder = kept;
    }
}

TEST_F(PostsPageTest, SaveChecksBothSidesThenAsksForTheFile)
{
    layOutExample();
    form.setChecked(CutBothSides, true);
    page.onCutBothSidesClicked();
    form.setText(onSide(HoleList, 1), "TINY");
    page.onSaveClicked();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Hole Radius Error, side two."});
    EXPECT_EQ(dialogs.opened, 0);

    form.setText(onSide(HoleList, 1), "Rail 3");
    messages.clear();
    dialogs.saveAnswer = home.file("Gate.tap");
    page.onSaveClicked();
    EXPECT_TRUE(messages.entries().empty());
    EXPECT_EQ(home.read("Gate.tap"), expectedProgram());
    EXPECT_EQ(form.text(CurrentTapFile), joinPath(home.path(), "Gate.tap"));
    EXPECT_FALSE(home.exists("jobs.tap")) << "Save does not touch the job list";
}

TEST_F(PostsPageTest, SaveThenLoadGivesTheSamePage)
{
    layOutExample();
    type(Holes, "3", &CAutomatic::onHolesCommitted);
    page.onUseOffsettingClicked(0);
    type(OffsetAmount, "0.375", &CAutomatic::onOffsetAmountCommitted);
    form.setChecked(CutBothSides, true);
    page.onCutBothSidesClicked();
    pick(onSide(HoleList, 1), "Rail 3");
    type(onSide(Spacing, 1), "4", &CAutomatic::onSpacingCommitted);
    form.setText(TotalPosts, "12");
    dialogs.saveAnswer = home.file("Gate.tap");
    page.onSaveClicked();
    ASSERT_TRUE(messages.entries().empty());
    const std::string saved = home.read("Gate.tap");

    page.onClearClicked();
    form.setChecked(CutBothSides, true);
    page.onCutBothSidesClicked();
    pick(MaterialList, "Cedar"); // other feed rates, which Load replaces with those recorded
    form.setText(TotalPosts, "6");
    dialogs.openAnswer = home.file("Gate.tap");
    page.onLoadClicked();
    ASSERT_TRUE(messages.entries().empty()) << messages.texts().front();
    EXPECT_EQ(form.text(MaterialList), "VINYL 5X5");
    EXPECT_EQ(form.text(HoleList), "RAIL 4X1.5");
    EXPECT_EQ(form.text(onSide(HoleList, 1)), "Rail 3x1");
    EXPECT_EQ(form.text(Distance), "6.000");
    EXPECT_EQ(form.text(Holes), "3");
    EXPECT_EQ(form.text(onSide(Spacing, 1)), "4.000");
    EXPECT_EQ(form.text(OffsetAmount), "0.375");
    EXPECT_TRUE(form.checked(Alternate));
    EXPECT_EQ(form.text(TotalPosts), "6") << "Load leaves Total Number of Posts to Cut as it was";
    EXPECT_EQ(page.flow().feeds().cut, 120) << "the feed rates the header recorded";
    EXPECT_EQ(form.text(CurrentTapFile), joinPath(home.path(), "Gate.tap"));

    // Saved again, the program cuts the same holes; only side 2's unused amount, unset before,
    // is now recorded as 0.
    dialogs.saveAnswer = home.file("Again.tap");
    page.onSaveClicked();
    std::string again = home.read("Again.tap");
    const std::string unsetAmount = "[configback= d6.000 s4.000 n3 o0 l0";
    ASSERT_NE(saved.find(unsetAmount), std::string::npos);
    EXPECT_EQ(again.replace(again.find("a0.000 l0"), 7, ""), saved);
}

TEST_F(PostsPageTest, LoadBringsTheJobBackWithItsSidesAndDisplay)
{
    layOutExample();
    form.setChecked(CutBothSides, true);
    page.onCutBothSidesClicked();
    page.onApartClicked();
    dialogs.saveAnswer = home.file("Both.tap");
    page.onSaveClicked();
    const std::string saved = home.read("Both.tap");

    page.onClearClicked();
    page.onOverlayClicked();
    dialogs.openAnswer = home.file("Both.tap");
    page.onLoadClicked();
    EXPECT_TRUE(form.checked(CutBothSides) && !form.checked(CutOneSide));
    EXPECT_TRUE(form.enabled(onSide(Holes, 1)));
    EXPECT_TRUE(form.visible(Apart) && form.checked(Apart));
    dialogs.saveAnswer = home.file("Again.tap");
    page.onSaveClicked();
    std::string again = home.read("Again.tap");
    EXPECT_EQ(again.replace(again.find(" a0.000 l0"), 7, ""), saved) << "the second face is not lost";

    // A header that does not record the sides keeps the page's choice; one without side 2's
    // count leaves its field empty rather than copying side 1's.
    std::string noSides = saved;
    noSides.erase(noSides.find(" c2"), 3);
    home.write("NoSides.tap", noSides);
    page.onClearClicked();
    dialogs.openAnswer = home.file("NoSides.tap");
    page.onLoadClicked();
    EXPECT_TRUE(form.checked(CutOneSide));
    std::string noCount = saved;
    noCount.erase(noCount.find(" n1", noCount.find("[configback=")), 3);
    home.write("NoCount.tap", noCount);
    dialogs.openAnswer = home.file("NoCount.tap");
    page.onLoadClicked();
    EXPECT_EQ(form.text(onSide(Holes, 1)), "");
    EXPECT_EQ(form.text(onSide(Distance, 1)), "6.000");
    messages.clear();
    page.onSaveClicked();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Must Specify Numer of Holes to Cut."});
}

TEST_F(PostsPageTest, LoadLooksUpTheBitOfTheHeader)
{
    layOutExample();
    gs.bitname = "1/4";
    dialogs.saveAnswer = home.file("Bit.tap");
    page.onSaveClicked();
    gs.bit = 0.5f;
    dialogs.openAnswer = home.file("Bit.tap");
    page.onLoadClicked();
    EXPECT_EQ(gs.bit, 0.25f);
}

// One side cut: side 2's hole type name comes back as the file has it, upper-cased, not in the
// library's spelling, so that a Save after Load writes the header it read.
TEST_F(PostsPageTest, OneSideLoadKeepsSideTwosNameAsLoaded)
{
    layOutExample();
    dialogs.saveAnswer = home.file("One.tap");
    page.onSaveClicked();
    std::string saved = home.read("One.tap");
    saved.replace(saved.find("[side1holename=h\"\""), 18, "[side1holename=h\"rail 3x1\"");
    home.write("One.tap", saved);
    dialogs.openAnswer = home.file("One.tap");
    page.onLoadClicked();
    dialogs.saveAnswer = home.file("Again.tap");
    page.onSaveClicked();
    EXPECT_NE(home.read("Again.tap").find("[side1holename=h\"RAIL 3X1\""), std::string::npos);
}

TEST_F(PostsPageTest, LoadOfOtherFiles)
{
    home.write("Other.tap", "G90\nG0 X1 \n[config=c1\n");
    dialogs.openAnswer = home.file("Other.tap");
    page.onLoadClicked();
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Error Loading Other.tap.\nFile Not Created with Korvanta Software."});

    home.write("Manual.tap", "[File Created by Korvanta Software]\n\n[screen=Manual\n");
    dialogs.openAnswer = home.file("Manual.tap");
    layOutExample();
    page.onLoadClicked();
    EXPECT_TRUE(pendingLoad);
    EXPECT_EQ(window.pagesShown, std::vector<PageId>{PageId::Manual});
    EXPECT_EQ(form.text(Distance), "") << "the Posts page is cleared";
    messages.clear();
    show();
    EXPECT_FALSE(pendingLoad) << "a file handed to another page is not read as a Posts file";
    EXPECT_EQ(form.text(CurrentTapFile), home.file("Post.tap"));

    messages.clear();
    home.write("Bad.tap", "[screen=Post\n[bogus=1\n");
    dialogs.openAnswer = home.file("Bad.tap");
    page.onLoadClicked();
    EXPECT_EQ(messages.texts().back(), "Load Failed");
}

TEST_F(PostsPageTest, LeavingAndShowingKeepTheJob)
{
    layOutExample();
    page.onUseOffsettingClicked(0);
    type(OffsetAmount, "0.25", &CAutomatic::onOffsetAmountCommitted);
    form.setText(Distance, "7"); // typed, not yet committed
    page.onLeft();
    EXPECT_EQ(form.text(Distance), "");
    EXPECT_EQ(gs.autopostoffset, 0.25f) << "leaving keeps the default offset setting";
    enterPage(PageId::Manual);
    show();
    EXPECT_EQ(activePage, PageId::Posts);
    EXPECT_EQ(form.text(Distance), "7.000");
    EXPECT_EQ(form.text(MaterialList), "VINYL 5X5");
    EXPECT_EQ(form.text(OffsetAmount), "0.250");
    EXPECT_FALSE(drawn().empty());
}

TEST_F(PostsPageTest, PendingLoadIsTakenWhenShown)
{
    layOutExample();
    dialogs.saveAnswer = home.file("Post2.tap");
    page.onSaveClicked();
    page.onLeft();
    pendingLoad = home.file("Post2.tap");
    show();
    EXPECT_FALSE(pendingLoad);
    EXPECT_EQ(form.text(CurrentTapFile), joinPath(home.path(), "Post2.tap"));
    EXPECT_EQ(form.text(Distance), "6.000");
}

// A full disk is found only as the file is written: the file and the reason are named and the
// old file is kept byte for byte. A folder that takes no changes is refused before anything is written.
TEST_F(PostsPageTest, RunOnAFullDiskOrAReadOnlyFolderNamesTheFileAndKeepsTheOldOne)
{
    layOutExample();
    const std::string check = "Please check the path under the configuration tab\n";
    for (std::string* folder : {&gs.path, &gs.autopath}) {
        const char* file = folder == &gs.path ? "Post.tap" : "jobs.tap";
        SmallFileSystem disk;
        SKIP_WITHOUT_SMALL_FILE_SYSTEM(disk);
        const std::string kept = *folder;
        *folder = disk.path();
        std::ofstream(disk.file(file)) << "old " << file;
        disk.fill();
        messages.clear();
        page.onRunClicked();
        EXPECT_EQ(messages.texts(), std::vector<std::string>{check + disk.file(file) + " : No space left on device"});
        EXPECT_EQ(home.read("jobs.tap"), "") << "the job list never names a program that was not written";
        EXPECT_EQ(readOrEmpty(disk.file(file)), std::string("old ") + file);
        EXPECT_EQ(window.minimized, 0);

        ASSERT_TRUE(disk.makeReadOnly());
        messages.clear();
        page.onRunClicked();
        EXPECT_EQ(messages.texts(), std::vector<std::string>{check + disk.path() + " : Read-only file system"});
        *folder = kept;
    }
}

// Use Offsetting, by a click or its Alt key, hides itself: the focus goes to the side's amount
// with its text selected, so that the amount typed next replaces it, on either side.
TEST_F(PostsPageTest, UseOffsettingPutsTheFocusInTheAmountReadyToBeTypedOver)
{
    layOutExample();
    form.setChecked(CutBothSides, true);
    page.onCutBothSidesClicked();
    for (int side = 0; side < 2; ++side) {
        SCOPED_TRACE("side " + std::to_string(side + 1));
        page.onUseOffsettingClicked(side);
        EXPECT_EQ(form.focused(), onSide(OffsetAmount, side));
        EXPECT_EQ(form.text(onSide(OffsetAmount, side)), "0.000");
        EXPECT_TRUE(form.textSelected(onSide(OffsetAmount, side)));
    }
}

TEST_F(PostsPageTest, LengthsTypedAsFractionsAreReadExactly)
{
    layOutExample();
    type(Distance, "5 1/2", &CAutomatic::onDistanceCommitted);
    EXPECT_TRUE(messages.entries().empty());
    EXPECT_EQ(form.text(Distance), "5.500");
    EXPECT_EQ(postJob.side[0].distanceFromTop, 5.5f);
    type(Spacing, "-1 5/16", &CAutomatic::onSpacingCommitted);
    EXPECT_EQ(form.text(Spacing), "-1.312");
    EXPECT_EQ(postJob.side[0].spacing, -1.3125f);
    ASSERT_TRUE(page.collectPostJob());
    EXPECT_EQ(postJob.side[0].spacing, -1.3125f) << "the field read again keeps what the fraction gave";
    type(Distance, "-1/2", &CAutomatic::onDistanceCommitted);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Distance to First Hole must be a positive number."});
    type(Holes, "1 1/2", &CAutomatic::onHolesCommitted);
    EXPECT_EQ(messages.texts().back(), "Number of Holes to cut must be a positive number.") << "a count is whole";
}
