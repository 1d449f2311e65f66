#include "pages/c_rails.h"

#include "pages/c_automatic.h"

#include "pages/shown_page.h"
#include "settings/files.h"
#include "settings/library_files.h"
#include "settings/settings.h"
#include "setupfile/load_state.h"
#include "support/page_fixture.h"

#include <gtest/gtest.h>

using namespace rails;

namespace {

class RailsPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        const auto store = [](LibraryKind kind, const std::string& bytes) {
            writeFileAtomically(libraryFilePath(kind), toLibraryFileBytes(bytes));
        };
        store(LibraryKind::Materials, encodeRecord(MaterialRecord{"RAIL 2X6", 48, 5, 2, 3.5f, 0, 0}));
        store(LibraryKind::Holes, encodeRecord(HoleRecord{"SLOT 6", 6, 1.5f, 0.5f, 0}) +
                                      encodeRecord(HoleRecord{"SLOT 3", 3, 5, 0.5f, 0}) +
                                      encodeRecord(HoleRecord{"WIDE", 3, 5.5f, 0.5f, 0}));
        page.create();
        enterPage(PageId::Rails);
        page.onShown();
        pick(MaterialList, "RAIL");
        pick(kSides[0].holeList, "SLOT 6");
    }
    void pick(ControlId list, const std::string& name)
    {
        ASSERT_GE(form.selectByPrefix(list, name), 0) << name;
        if (list == MaterialList)
            page.onMaterialSelected();
        else
            page.onHoleSelected();
    }
    // Top 4 and spacing 2 on the 48-inch rail, the count left for the page to fill.
    void layOut()
    {
        form.setText(kSides[0].distance, "4");
        page.onDistanceCommitted(0);
        form.setText(kSides[0].spacing, "2");
        page.onSpacingCommitted(0);
    }

    CRails page{form, messages, dialogs, window};
};

} // namespace

TEST_F(RailsPageTest, HolesFillTheRailAndTheCountIsKeptToWhatFits)
{
    layOut();
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().front();
    EXPECT_EQ(form.text(kSides[0].holes), "5");
    EXPECT_EQ(form.text(kRailFields[0].bottom), "6.000");

    EXPECT_EQ(form.text(kRailFields[0].holesNote), "as many as fit");

    // One more hole than fit, added to the count laid out, is refused and the count kept.
    form.setText(kSides[0].holes, "6");
    page.onHolesCommitted(0);
    EXPECT_EQ(messages.texts().front(), "Not Enough Material to Add Additional Hole");
    EXPECT_EQ(form.text(kSides[0].holes), "5");
    EXPECT_EQ(form.focused(), kSides[0].holes);
    EXPECT_TRUE(form.textSelected(kSides[0].holes));

    messages.clear();
    form.setText(kSides[0].holes, "5");
    page.onHolesCommitted(0);
    page.onMakeEqualClicked();
    EXPECT_EQ(form.text(kSides[0].distance), "5.000");
    EXPECT_EQ(form.text(kRailFields[0].bottom), "5.000");
}

TEST_F(RailsPageTest, TheProgramViewIsShownWhatRunWrites)
{
    ProgramOutput shown;
    layOut();
    const HoleRecord configurationsHole = currentHole;
    ASSERT_TRUE(page.composeProgram(shown, messages)) << messages.texts().front();
    EXPECT_EQ(currentHole.name, configurationsHole.name) << "composing for the view changes nothing";
    EXPECT_FALSE(home.exists("Rail.tap"));
    page.runRails();
    EXPECT_EQ(shown.bytes(), home.read("Rail.tap"));
}

TEST_F(RailsPageTest, TheSlopeStretchesTheHoles)
{
    form.setText(kRailFields[0].rise, "3");
    page.onRiseCommitted();
    form.setText(kRailFields[0].run, "4");
    page.onRunCommitted();
    EXPECT_FLOAT_EQ(page.flow().runContext().slope.factor, 1.25f);
    EXPECT_FLOAT_EQ(page.flow().runContext().slope.extra, 1.5f);
    layOut();
    // Stretched, 6.5-inch holes 2.5 apart: four fit after 4 (4 + 4 x 6.5 + 3 x 2.5 = 37.5).
    EXPECT_EQ(form.text(kSides[0].holes), "4");
}

TEST_F(RailsPageTest, HolesAsWideAsTheRailAreRefused)
{
    layOut();
    for (const auto& [hole, message] : {std::pair{"SLOT 3", "Hole is the same width as material"},
                                        std::pair{"WIDE", "Hole is wider than material"}}) {
        messages.clear();
        pick(kSides[0].holeList, hole);
        EXPECT_EQ(messages.texts().front(), message);
    }
}

TEST_F(RailsPageTest, BothSidesStartAsSideOneAndComeBackAsSaved)
{
    layOut();
    form.setChecked(CutBothSides, true);
    form.setChecked(CutOneSide, false);
    page.onCutBothSidesClicked();
    EXPECT_EQ(form.text(kSides[1].holeList), "SLOT 6");
    EXPECT_EQ(form.text(kSides[1].distance), "4.000");
    EXPECT_EQ(form.text(kSides[1].spacing), "2.000");
    page.onApartClicked();
    messages.clear();
    dialogs.saveAnswer = home.file("Rails.tap");
    page.onSaveClicked();
    ASSERT_TRUE(messages.entries().empty()) << messages.texts().front();

    page.onClearClicked();
    form.setChecked(CutBothSides, false);
    form.setChecked(CutOneSide, true);
    page.onCutOneSideClicked();
    messages.clear();
    dialogs.openAnswer = home.file("Rails.tap");
    page.onLoadClicked();
    EXPECT_TRUE(form.checked(CutBothSides));
    EXPECT_EQ(page.display(), 0);
    EXPECT_EQ(form.text(kSides[1].holes), "5");
    EXPECT_EQ(form.text(kSides[0].distance), "4.000");

    messages.clear();
    page.runRails();
    EXPECT_TRUE(messages.entries().empty()) << messages.texts().front();
    EXPECT_FALSE(home.exists("Rail.tap")) << "Run writes the file loaded on the page";
    EXPECT_EQ(home.read("jobs.tap"), "L203 \"" + home.file("Rails.tap") + "\"");
}

// A Rails file handed over by the Posts page is laid out once: the Rise handler's message, here
// for a hole type as wide as the rail, is shown once.
TEST_F(RailsPageTest, AHandedOverFileIsLaidOutOnce)
{
    layOut();
    dialogs.saveAnswer = home.file("Rails.tap");
    page.onSaveClicked();
    std::string saved = home.read("Rails.tap");
    home.write("Rails.tap", saved.replace(saved.find("h\"SLOT 6\""), 9, "h\"SLOT 3\""));
    page.onLeft();
    MemoryForm postsForm;
    CAutomatic posts(postsForm, messages, dialogs, window);
    posts.create();
    dialogs.openAnswer = home.file("Rails.tap");
    posts.onLoadClicked();
    messages.clear();
    enterPage(PageId::Rails);
    page.onShown();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Hole is the same width as material"});
}

// Both folders are checked before anything is written.
TEST_F(RailsPageTest, RunWithTheJobFolderMissingWritesNoProgram)
{
    layOut();
    gs.autopath = home.file("missing");
    page.runRails();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Please check the path under the configuration tab\n" +
                                                         home.file("missing") + " : No such file or directory"});
    EXPECT_FALSE(home.exists("Rail.tap"));
    EXPECT_EQ(window.minimized, 0);
}

TEST_F(RailsPageTest, ACountTypedBeforeTheSpacingIsCutToWhatFitsAndTheBottomFollows)
{
    form.setText(kSides[0].distance, "4");
    page.onDistanceCommitted(0);
    form.setText(kSides[0].holes, "6");
    page.onHolesCommitted(0);
    EXPECT_TRUE(messages.entries().empty()) << "six fit while there is no spacing";
    EXPECT_EQ(form.text(kRailFields[0].holesNote), "");
    form.setText(kSides[0].spacing, "2");
    page.onSpacingCommitted(0);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Invalid Settings.\nMaterial Length not long enough for current settings"});
    EXPECT_EQ(form.text(kSides[0].holes), "5");
    EXPECT_EQ(form.text(kRailFields[0].bottom), "6.000") << "what five holes leave";
    EXPECT_EQ(form.text(kRailFields[0].holesNote), "as many as fit");
}

TEST_F(RailsPageTest, TheCountLeftOnTheWayToAnotherPageIsNotTaken)
{
    layOut();
    form.setText(kSides[0].holes, "9");
    page.onLeaving(true);
    page.onHolesCommitted(0);
    EXPECT_TRUE(messages.entries().empty());
    page.onLeaving(false);
    page.onHolesCommitted(0);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Not Enough Material to Add Additional Hole"});
}

TEST_F(RailsPageTest, UseOffsettingPutsTheFocusInTheAmountReadyToBeTypedOver)
{
    layOut();
    form.setChecked(CutBothSides, true);
    page.onCutBothSidesClicked();
    for (int side = 0; side < 2; ++side) {
        page.onUseOffsettingClicked(side);
        EXPECT_EQ(form.focused(), kSides[static_cast<size_t>(side)].offsetAmount) << side;
        EXPECT_TRUE(form.textSelected(kSides[static_cast<size_t>(side)].offsetAmount)) << side;
    }
}
