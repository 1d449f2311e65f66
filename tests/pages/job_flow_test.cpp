// A day at the machine across the three cutting pages: each page writes its own program file,
// where the operator expects it, with the feed rates and settings the screen shows; Load asks
// before it takes a program's settings; Clear and Load can be undone.
#include "pages/c_automatic.h"
#include "pages/c_config.h"
#include "pages/c_manual.h"
#include "pages/c_rails.h"
#include "pages/shown_page.h"

#include "settings/files.h"
#include "settings/settings.h"
#include "setupfile/load_state.h"
#include "support/page_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class JobFlowTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        posts.create();
        manual.create();
        rails.create();
        show(PageId::Posts);
    }
    // As the window shows a page: the one shown is left first.
    void show(PageId page)
    {
        if (shownPage == PageId::Posts)
            posts.onLeft();
        else if (shownPage == PageId::Manual)
            manual.onLeft();
        else if (shownPage == PageId::Rails)
            rails.onLeft();
        shownPage = page;
        enterPage(page);
        if (page == PageId::Posts)
            posts.onShown();
        else if (page == PageId::Manual)
            manual.onShown();
        else
            rails.onShown();
    }
    void layOutPosts(const char* material = "VINYL")
    {
        using namespace posts;
        postsForm.selectByPrefix(MaterialList, material);
        posts.onMaterialSelected();
        postsForm.selectByPrefix(HoleList, "RAIL 4");
        posts.onHoleSelected();
        for (const auto& [field, text] : {std::pair{Distance, "6"}, {Spacing, "2"}, {Holes, "1"}})
            postsForm.setText(field, text);
        posts.onDistanceCommitted(0);
        posts.onSpacingCommitted(0);
        posts.onHolesCommitted(0);
    }
    void layOutManual()
    {
        using namespace manual;
        manualForm.selectByPrefix(MaterialList, "VINYL");
        manual.onMaterialSelected();
        manualForm.setText(HoleList, "RAIL 4");
        manualForm.setText(Spacing, "6");
        manual.onAddClicked(0);
    }
    void layOutRails(const char* hole = "RAIL 4")
    {
        using namespace rails;
        railsForm.selectByPrefix(MaterialList, "VINYL");
        rails.onMaterialSelected();
        railsForm.selectByPrefix(kSides[0].holeList, hole);
        rails.onHoleSelected();
        railsForm.setText(kSides[0].distance, "4");
        rails.onDistanceCommitted(0);
        railsForm.setText(kSides[0].spacing, "2");
        rails.onSpacingCommitted(0);
    }
    std::string jobList() const { return home.read("jobs.tap"); }
    static std::string naming(const std::string& path) { return "L203 \"" + path + "\""; }

    MemoryForm postsForm, manualForm, railsForm;
    CAutomatic posts{postsForm, messages, dialogs, window};
    CManual manual{manualForm, messages, dialogs, window};
    CRails rails{railsForm, messages, dialogs, window};
    PageId shownPage = PageId::None;
};

} // namespace

// A refused Save changes nothing: the Rails page's next Run writes its own Rail.tap, never the
// Posts page's file.
TEST_F(JobFlowTest, ARefusedSaveLeavesThePagesFileAlone)
{
    layOutPosts();
    posts.runPosts();
    const std::string postProgram = home.read("Post.tap");
    show(PageId::Rails);
    layOutRails("TINY");
    dialogs.saveAnswer = home.file("Rails.tap");
    rails.onSaveClicked();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Hole Radius Error"});
    EXPECT_EQ(railsForm.text(rails::CurrentTapFile), home.file("Rail.tap"));
    layOutRails();
    messages.clear();
    rails.runRails();
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().front();
    EXPECT_TRUE(home.exists("Rail.tap"));
    EXPECT_EQ(jobList(), naming(home.file("Rail.tap")));
    EXPECT_EQ(home.read("Post.tap"), postProgram);
}

// The file a Save chose is the page's until it is cleared, whatever another page ran meanwhile.
TEST_F(JobFlowTest, EachPageRunsItsOwnFile)
{
    show(PageId::Manual);
    layOutManual();
    dialogs.saveAnswer = home.file("m.tap");
    manual.onSaveClicked();
    show(PageId::Posts);
    layOutPosts();
    posts.runPosts();
    show(PageId::Manual);
    EXPECT_EQ(manualForm.text(manual::CurrentTapFile), home.file("m.tap"));
    const std::string postProgram = home.read("Post.tap");
    manual.runManual();
    EXPECT_EQ(jobList(), naming(home.file("m.tap")));
    EXPECT_EQ(home.read("Post.tap"), postProgram);

    manual.onClearClicked();
    EXPECT_EQ(manualForm.text(manual::CurrentTapFile), home.file("ManualPost.tap")) << "Clear: the default name";
}

// A Save refused or cancelled before any file was chosen leaves the default file in place, and
// Run writes it.
TEST_F(JobFlowTest, ACancelledSaveLeavesRunItsFile)
{
    layOutPosts();
    posts.onSaveClicked(); // the dialog is cancelled
    EXPECT_EQ(postsForm.text(posts::CurrentTapFile), home.file("Post.tap"));
    posts.runPosts();
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().front();
    EXPECT_TRUE(home.exists("Post.tap"));
}

// A program loaded from a customer's folder is written back there, but the shop's folders stay:
// after Clear, Run writes into the shop's folder, and subprogram calls name the shop's folder.
TEST_F(JobFlowTest, TheShopsFoldersStayWhereTheSettingsPutThem)
{
    layOutPosts();
    const std::string customer = home.file("cust");
    std::filesystem::create_directory(customer);
    dialogs.saveAnswer = joinPath(customer, "Smith.tap");
    posts.onSaveClicked();
    dialogs.openAnswer = joinPath(customer, "Smith.tap");
    posts.onLoadClicked();
    EXPECT_EQ(gs.path, home.path());
    posts.runPosts();
    EXPECT_EQ(jobList(), naming(joinPath(customer, "Smith.tap")));

    posts.onClearClicked();
    layOutPosts();
    dialogs.openAnswer.reset();
    posts.onLoadClicked();
    EXPECT_EQ(dialogs.lastFolder, customer) << "the dialogs open where the last one was left";
    posts.runPosts();
    EXPECT_EQ(jobList(), naming(home.file("Post.tap")));

    gs.path = "tap"; // a folder of the shop, named relative to it
    std::filesystem::create_directory(home.file("tap"));
    postJob.holeType[0].subprogram = 1;
    ProgramOutput out;
    ASSERT_TRUE(posts.composeProgram(out, messages));
    EXPECT_NE(out.bytes().find("M98 " + joinPath(home.file("tap"), "RAIL 4X1.5") + "\r\n"), std::string::npos);
}

// Load asks before a program's settings replace the shop's: OK takes them for this and later
// programs, Cancel loads the job on the shop's own.
TEST_F(JobFlowTest, LoadAsksBeforeItTakesAProgramsSettings)
{
    layOutPosts();
    gs.heads = 2;
    gs.headchars = "ZW";
    gs.clearance = 2;
    dialogs.saveAnswer = home.file("Old.tap");
    posts.onSaveClicked();
    gs.heads = 1;
    gs.headchars = "Z";
    gs.clearance = 0.5f;
    const std::string old = home.read("Old.tap");

    for (const bool ok : {false, true}) {
        home.write("Old.tap", old);
        messages.clear();
        messages.answerNext(ok);
        dialogs.openAnswer = home.file("Old.tap");
        posts.onLoadClicked();
        ASSERT_EQ(messages.entries().size(), 1u);
        EXPECT_TRUE(messages.entries()[0].question);
        EXPECT_EQ(messages.entries()[0].text,
                  "This program was written with settings that differ from this shop's:\n"
                  "Number of Heads: 2 (this shop: 1)\nVertical Axis Characters: ZW (this shop: Z)\n"
                  "Clearance: 2.000 (this shop: 0.500)\nUse the program's settings? OK uses them for this and later "
                  "programs; Cancel loads the job on this shop's settings.");
        posts.runPosts();
        const std::string program = home.read("Old.tap");
        EXPECT_EQ(gs.heads, ok ? 2 : 1) << ok;
        EXPECT_EQ(program.find("G0 Z2.000 W2.000") != std::string::npos, ok) << ok;
        EXPECT_EQ(program.find("G0 Z0.500\r\n") != std::string::npos, !ok) << ok;
    }
}

// The feed rates are the page's: its material's, or those of the program loaded on it, whatever
// a visit to Configurations or another page's material does.
TEST_F(JobFlowTest, FeedRatesBelongToThePage)
{
    layOutPosts("Cedar");
    MemoryForm configForm;
    CConfig config{configForm, messages};
    enterPage(PageId::Configurations);
    config.onShown();
    ASSERT_TRUE(config.store());
    show(PageId::Manual);
    layOutManual(); // a material whose rates are the shop's defaults
    show(PageId::Posts);
    posts.runPosts();
    EXPECT_NE(home.read("Post.tap").find("F150 XY\r\nF45 Z\r\n"), std::string::npos) << home.read("Post.tap");
}

// Composing for the program view changes no setting and no job: the next Save records no offset
// that was not set.
TEST_F(JobFlowTest, TheProgramViewChangesNothing)
{
    show(PageId::Rails);
    layOutRails();
    gs.start = 0;
    gs.direction = 1; // a variant that cuts an unset offset as 0
    gs.railoffset = kUnsetLength;
    const RailJob before = railJob;
    ProgramOutput shown;
    ASSERT_TRUE(rails.composeProgram(shown, messages)) << messages.texts().front();
    EXPECT_EQ(gs.railoffset, kUnsetLength);
    EXPECT_EQ(railJob.side[1].offsetAmount, before.side[1].offsetAmount);
    dialogs.saveAnswer = home.file("R.tap");
    rails.onSaveClicked();
    EXPECT_EQ(home.read("R.tap"), shown.bytes());
    EXPECT_EQ(shown.bytes().find(" a0.000"), std::string::npos);
}

// Total Number of Posts to Cut stays with the page's job, across a page change and a Load, so
// that jobs.tap is written with the counts.
TEST_F(JobFlowTest, TheTotalStaysWithThePage)
{
    layOutPosts();
    postsForm.setText(posts::TotalPosts, "24");
    dialogs.saveAnswer = home.file("Gate.tap");
    posts.onSaveClicked();
    show(PageId::Manual);
    show(PageId::Posts);
    EXPECT_EQ(postsForm.text(posts::TotalPosts), "24");
    dialogs.openAnswer = home.file("Gate.tap");
    posts.onLoadClicked();
    EXPECT_EQ(postsForm.text(posts::TotalPosts), "24");
    posts.runPosts();
    EXPECT_EQ(jobList(), naming(home.file("Gate.tap")) + " T24 C1 S1");
}

// A program's name holds no double quote and no folder separator: jobs.tap could not name it, or
// it would be taken for a folder. The dialog offers the page's current name.
TEST_F(JobFlowTest, SaveRefusesNamesJobsTapCannotHold)
{
    layOutPosts();
    for (const char* name : {"smith 6\" corner.tap", "cust/Smith.tap", "cust\\Smith.tap"}) {
        messages.clear();
        dialogs.typedSaveAnswer = ChosenFile{home.path(), name};
        posts.onSaveClicked();
        EXPECT_EQ(dialogs.offeredName, "Post.tap");
        EXPECT_EQ(messages.texts(), std::vector<std::string>{std::string("A program's name cannot hold a double quote "
                                                                         "(\") or a folder separator (/ or \\): ") +
                                                             name + "\nPlease choose another name."});
    }
    EXPECT_EQ(postsForm.text(posts::CurrentTapFile), home.file("Post.tap"));
    EXPECT_FALSE(home.exists("smith 6\" corner.tap"));
}

// Undo brings the page back as it was before its last Clear or Load, its file included, and
// names which it undoes.
TEST_F(JobFlowTest, UndoBringsBackAClearedOrLoadedPage)
{
    layOutPosts();
    postsForm.setText(posts::TotalPosts, "12");
    dialogs.saveAnswer = home.file("Gate.tap");
    posts.onSaveClicked();
    EXPECT_EQ(posts.flow().undoName(), "");
    posts.onClearClicked();
    EXPECT_EQ(posts.flow().undoName(), "Clear");
    EXPECT_EQ(postsForm.text(posts::Distance), "");
    posts.flow().undo();
    EXPECT_EQ(postsForm.text(posts::Distance), "6.000");
    EXPECT_EQ(postsForm.text(posts::MaterialList), "VINYL 5X5");
    EXPECT_EQ(postsForm.text(posts::TotalPosts), "12");
    EXPECT_EQ(postsForm.text(posts::CurrentTapFile), home.file("Gate.tap"));
    EXPECT_EQ(posts.flow().undoName(), "") << "one step back";

    show(PageId::Manual);
    layOutManual();
    manualForm.setText(manual::Spacing, "9");
    manual.onAddClicked(0);
    dialogs.openAnswer = home.file("Gate.tap"); // a Posts file: handed over, the Manual page cleared
    manual.onLoadClicked();
    EXPECT_EQ(manual.flow().undoName(), "Load");
    EXPECT_EQ(manualForm.itemCount(manual::Rows), 0);
    manual.flow().undo();
    EXPECT_EQ(manualForm.itemCount(manual::Rows), 2);
}
