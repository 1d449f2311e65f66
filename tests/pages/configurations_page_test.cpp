#include "pages/c_config.h"

#include "gcode/pattern_program.h"
#include "pages/shown_page.h"
#include "settings/files.h"
#include "settings/ini_file.h"
#include "settings/library_files.h"
#include "settings/settings.h"
#include "support/page_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace config;

namespace {

class ConfigurationsPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        ASSERT_TRUE(WriteIniFile(messages));
        show();
        ASSERT_TRUE(messages.entries().empty()) << messages.texts().front();
    }
    void show()
    {
        enterPage(PageId::Configurations);
        page.onShown();
    }
    // The message of a store that is refused, or "" when it passes.
    std::string leaving()
    {
        messages.clear();
        const bool stored = page.store();
        EXPECT_EQ(stored, messages.entries().empty());
        return stored ? "" : messages.texts().front();
    }
    void pick(ControlId list, const std::string& name, void (CConfig::*selected)())
    {
        ASSERT_GE(form.selectByPrefix(list, name), 0) << name;
        (page.*selected)();
    }

    CConfig page{form, messages};
};

} // namespace

TEST_F(ConfigurationsPageTest, LeavingRefusesWhatNoProgramCanBeWrittenWith)
{
    struct Case {
        const char* what;
        std::function<void(MemoryForm&)> type;
        std::string message;
        ControlId focus;
    };
    const Case cases[] = {
        {"lead-in empty", [](MemoryForm& f) { f.setText(LeadIn, ""); }, "Lead in radius can not be blank", LeadIn},
        {"lead-in zero", [](MemoryForm& f) { f.setText(LeadIn, "0"); }, "Lead in radius can not be zero", LeadIn},
        {"two heads, one axis", [](MemoryForm& f) { f.setText(Heads, "2"); },
         "Must specify the axis characters for the vertical heads", AxisCharacters},
        {"an axis that moves the gantry", [](MemoryForm& f) { f.setText(AxisCharacters, "X"); },
         "Please specify an axis character for each vertical head\nunder the configuration tab", AxisCharacters},
        {"a spindle command too long", [](MemoryForm& f) { f.setText(spindleOn(1), "M3 S18000 "); },
         "Spindle commands can be at most 9 characters.", spindleOn(1)},
        {"a blank spindle command", [](MemoryForm& f) { f.setText(spindleOff(1), ""); },
         "First axis Off command cannot be blank.", spindleOff(1)},
        {"a folder too long", [](MemoryForm& f) { f.setText(JobPath, std::string(256, 'j')); },
         "Folders can be at most 255 characters.", JobPath},
    };
    for (const Case& c : cases) {
        useExampleMachine();
        MemoryForm fresh;
        CConfig other{fresh, messages};
        other.onShown();
        c.type(fresh);
        messages.clear();
        EXPECT_FALSE(other.store()) << c.what;
        EXPECT_EQ(messages.texts().at(0), c.message) << c.what;
        EXPECT_EQ(fresh.focused(), c.focus) << c.what;
    }

    useExampleMachine();
    page.onVariableClicked();
    form.setText(Depth, "0.75");
    form.setText(Maximum, "0.5");
    EXPECT_EQ(leaving(), "Maximum cutting depth must be greater than or equal to Minimum cutting depth.");
    EXPECT_EQ(form.text(Maximum), "0.750");

    std::filesystem::create_directory(home.file("korvanta.ini.tmp"));
    std::filesystem::remove(home.file("korvanta.ini"));
    std::filesystem::create_directory(home.file("korvanta.ini"));
    EXPECT_EQ(leaving(), "Unable to write to Korvanta.ini File.") << "the settings file cannot be written";
}

TEST_F(ConfigurationsPageTest, StoredSettingsComeBackAfterARestart)
{
    form.setText(GcodePath, "");
    form.setText(JobPath, "");
    form.setText(ControllerPath, "/Shop/Ctl");
    form.setText(Clearance, "0.625");
    form.setText(TimesToLoop, "3");
    page.onTimesToLoopCommitted();
    form.setText(positionX(3), "-4.5");
    form.setChecked(HomesBottom, true);
    form.setChecked(HomesTop, false);
    gs.iconpath = "/shop/icon.ico";
    gs.iconpathset = true;
    ASSERT_EQ(leaving(), "");
    EXPECT_EQ(gs.path, "C:\\Qelmar") << "an empty folder is the default";
    EXPECT_EQ(gs.autopath, "C:\\Qelmar\\AutoRun");

    resetSettings();
    homeDir = home.path();
    ASSERT_TRUE(ReadIniFile(messages));
    EXPECT_EQ(gs.clearance, 0.625f);
    EXPECT_EQ(gs.cutatonce, 3);
    EXPECT_EQ(gs.spos[2], -4.5f);
    EXPECT_EQ(gs.start, 0);
    EXPECT_EQ(gs.controlpath, "/Shop/Ctl") << "folders keep their letter case";
    EXPECT_EQ(gs.iconpath, "/shop/icon.ico") << "a hand-edited icon path survives";
}

TEST_F(ConfigurationsPageTest, HeadsAxesAndSpindleRows)
{
    form.setText(Heads, "2");
    page.onHeadsCommitted();
    EXPECT_EQ(form.caption(spindleOnLabel(1)), "Z Spindle On:");
    EXPECT_EQ(form.text(spindleOn(1)), "m3");
    EXPECT_EQ(form.caption(spindleOffLabel(2)), "Disabled");
    EXPECT_FALSE(form.enabled(spindleOn(2)));

    form.setText(AxisCharacters, "ZWVUT");
    page.onHeadsCommitted();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Too many Axis Characters."});
    EXPECT_EQ(gs.headchars, "");

    messages.clear();
    form.setText(Heads, "");
    page.onHeadsCommitted();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Maximum allowable heads is 4."});
    EXPECT_EQ(form.focused(), Heads);
    EXPECT_TRUE(isUnset(gs.heads));
}

TEST_F(ConfigurationsPageTest, TimesToLoopEnablesItsPositions)
{
    form.setText(TimesToLoop, "3");
    page.onTimesToLoopCommitted();
    EXPECT_TRUE(form.enabled(positionX(2)) && form.enabled(positionX(3)) && form.enabled(positionLabel(3)));
    EXPECT_FALSE(form.enabled(positionX(4)));
    EXPECT_EQ(gs.repeat, 1);
    form.setText(TimesToLoop, "1");
    page.onTimesToLoopCommitted();
    EXPECT_FALSE(form.enabled(positionX(2)));
    EXPECT_EQ(gs.repeat, 0);
}

TEST_F(ConfigurationsPageTest, BitNamesGiveTheToolNumber)
{
    for (const char* name : {"T3 upcut", "t12", "Tx", "T"}) {
        currentHole = HoleRecord{};
        gs.bitname = name;
        gs.bit = 0.5f;
        ASSERT_TRUE(AddToSaveFile(LibraryKind::Bits, messages));
        ASSERT_TRUE(LoadSaveFile(LibraryKind::Bits));
    }
    show();
    const std::pair<const char*, const char*> cases[] = {{"T3 upcut", "T3"}, {"t12", "T1"}, {"Tx", ""}, {"T", "T"}};
    for (const auto& [bit, tool] : cases) {
        form.selectRow(BitName, -1);
        for (int row = 0; row < form.itemCount(BitName); ++row) {
            if (form.itemText(BitName, row) == bit)
                form.selectRow(BitName, row);
        }
        page.onBitSelected();
        EXPECT_EQ(gs.toolnumber, tool) << bit;
    }
}

TEST_F(ConfigurationsPageTest, LibrarySectionsSaveAndDelete)
{
    pick(MaterialName, "VINYL", &CConfig::onMaterialSelected);
    EXPECT_EQ(effectiveCutFeed, gs.cutfeed) << "a material's cut rate 0 is the setting's";

    form.setText(MaterialName, "OAK \"6x6\"");
    page.onMaterialSaveClicked();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Names can be at most 99 characters and cannot hold a double quote."});
    EXPECT_EQ(form.itemCount(MaterialName), 2) << "nothing is stored";

    // A cut rate of 26 used to end the library file inside its record.
    for (const char* name : {"Ash 4x4", "Beech 4x4"}) {
        form.setText(MaterialName, name);
        form.setText(CutRate, name[0] == 'A' ? "26" : "80");
        page.onMaterialSaveClicked();
    }
    EXPECT_EQ(form.itemTexts(MaterialName), (std::vector<std::string>{"Ash 4x4", "Beech 4x4", "Cedar 4x4", "VINYL 5X5"}));
    EXPECT_EQ(materialList[2].cutrate, 26);

    messages.clear();
    messages.answerNext(false);
    page.onMaterialDeleteClicked();
    EXPECT_EQ(form.itemCount(MaterialName), 4) << "Cancel keeps the record";
    EXPECT_EQ(form.text(MaterialName), "Beech 4x4");
    page.onMaterialDeleteClicked();
    EXPECT_EQ(form.itemCount(MaterialName), 3);
    EXPECT_EQ(form.text(MaterialLength), "");
}

// The routine's side 1 hole slot is the page's current hole type: a run shows there.
TEST_F(ConfigurationsPageTest, ARunLeavesItsHoleTypeOnThePage)
{
    ASSERT_TRUE(writePostProgram(examplePostJob(), 1, messages));
    show();
    EXPECT_EQ(form.text(HoleName), "RAIL 4X1.5");
    EXPECT_EQ(form.text(HoleRadius), "0.500");
}

// The Maximum shown with Variable is never below the Minimum as typed.
TEST_F(ConfigurationsPageTest, VariableShowsAMaximumNoLessThanTheMinimumTyped)
{
    gs.depth = gs.maxdepth = 0.25f;
    form.setText(Depth, "0.3");
    page.onVariableClicked();
    EXPECT_EQ(form.caption(DepthLabel), "Minimum:");
    EXPECT_EQ(form.text(Maximum), "0.300");
    page.onFixedClicked();
    gs.maxdepth = 0.5f;
    page.onVariableClicked();
    EXPECT_EQ(form.text(Maximum), "0.500") << "a Maximum above the Minimum stays";
}

// Lengths typed as fractions are read exactly wherever the page reads a length; counts are not.
TEST_F(ConfigurationsPageTest, LengthsTypedAsFractions)
{
    form.setText(MaterialName, "Oak 3x3");
    for (auto [field, text] : {std::pair{MaterialLength, "95 1/2"}, {MaterialWidth, "3-1/2"}, {MaterialHeight, "3 1/2"},
                               {MaterialThickness, "1/8"}})
        form.setText(field, text);
    page.onMaterialSaveClicked();
    ASSERT_TRUE(messages.entries().empty()) << messages.texts().front();
    EXPECT_EQ(currentMaterial.length, 95.5f);
    EXPECT_EQ(currentMaterial.width, 3.5f);
    EXPECT_EQ(currentMaterial.thickness, 0.125f);
    EXPECT_EQ(form.text(MaterialLength), "95.500");

    form.setText(LeadIn, "1/16");
    page.onLeadInCommitted();
    EXPECT_EQ(gs.leadin, 0.0625f);
    EXPECT_EQ(form.text(LeadIn), "0.062");
    form.setText(positionX(1), "-2 1/4");
    form.setText(Clearance, "1 1/2");
    EXPECT_EQ(leaving(), "");
    EXPECT_EQ(gs.spos[0], -2.25f);
    EXPECT_EQ(gs.clearance, 1.5f);
    EXPECT_EQ(gs.leadin, 0.0625f) << "the field read again keeps the exact value";
    gs.heads = 3;
    form.setText(Heads, "1 1/2");
    page.onHeadsCommitted();
    EXPECT_EQ(gs.heads, 3) << "a count takes no fraction";
}
