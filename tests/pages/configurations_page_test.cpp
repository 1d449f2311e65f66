#include "pages/c_config.h"

#include "gcode/pattern_program.h"
#include "pages/shown_page.h"
#include "settings/files.h"
#include "settings/ini_file.h"
#include "settings/library_files.h"
#include "settings/numbers.h"
#include "settings/settings.h"
#include "support/page_fixture.h"
#include "support/small_file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>

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

std::string readOrEmpty(const std::string& path)
{
    std::string bytes;
    readWholeFile(path, bytes);
    return bytes;
}

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
    EXPECT_EQ(leaving(), "Unable to write to Korvanta.ini File.\n" + home.file("korvanta.ini") + " : Is a directory")
        << "the settings file cannot be written";
}

TEST_F(ConfigurationsPageTest, StoredSettingsComeBackAfterARestart)
{
    const InFolder shop(home.path());
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
    messages.clear();
    messages.answerNext(false);
    messages.answerNext(false);
    ASSERT_TRUE(page.store());
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"The folder " + absolutePath("C:\\Qelmar") + " does not exist. Make it?",
                                        "The folder " + absolutePath("C:\\Qelmar\\AutoRun") + " does not exist. Make it?"}))
        << "Cancel stores the folder as it is";
    EXPECT_EQ(gs.path, "C:\\Qelmar") << "an empty folder is the default";
    EXPECT_EQ(gs.autopath, "C:\\Qelmar\\AutoRun");
    EXPECT_EQ(form.text(GcodePath), "C:\\Qelmar") << "and the field shows what was stored";

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

// Composing a program changes nothing the page shows: its hole section stays as it was left.
TEST_F(ConfigurationsPageTest, AProgramComposedLeavesTheHoleSectionAlone)
{
    const HoleRecord shown = currentHole;
    ProgramOutput out;
    writePostProgramTo(out, examplePostJob(), shopRun());
    show();
    EXPECT_EQ(currentHole.name, shown.name);
}

// A text the page cannot store is refused when the page is left, with the field's message and the
// focus, and nothing is written; the settings file keeps what was last stored.
TEST_F(ConfigurationsPageTest, EveryNumberFieldRefusesWhatItCannotStore)
{
    struct Case {
        ControlId field;
        const char* text;
        const char* message;
    };
    const char* const kHeadsRange = "Number of Heads must be a whole number from 1 to 4.";
    const char* const kLoopRange = "Times to Loop must be a whole number from 1 to 12.";
    const char* const kDefaultCut = "Default Cut Rate must be a whole number of 1 or more.";
    const Case cases[] = {
        {Depth, "0.5O", "Depth to cut at must be a number."},
        {TimesToLoop, "-3", kLoopRange},
        {TimesToLoop, "2.5", kLoopRange},
        {TimesToLoop, "0", kLoopRange},
        {TimesToLoop, "13", kLoopRange},
        {Heads, "2.5", kHeadsRange},
        {Heads, "0", kHeadsRange},
        {Heads, "5", kHeadsRange},
        {LeadIn, "1/8in", "Lead in radius must be a positive number."},
        {Exit, "-0.1", "Exit radius must be a positive number."},
        {Clearance, "-1", "Clearance height must be a positive number."},
        {DefaultCutRate, "", kDefaultCut},
        {DefaultCutRate, "0", kDefaultCut},
        {DefaultCutRate, "12.5", kDefaultCut},
        {DefaultCutRate, "99999999", kDefaultCut},
        {DefaultPlungeRate, "-30", "Default Plunge Rate must be a whole number of 1 or more."},
        {positionX(1), "two", "Fixture positions must be numbers."},
        {FixtureY, "-40", "Fixture position Y must be a positive number."},
        {EndX, "1,5", "Ending position X must be a number."},
        {EndY, "y", "Ending position Y must be a number."},
        {TableLowX, "-1", "Table Low X must be a positive number."},
        {TableLowY, "-1", "Table Low Y must be a positive number."},
        {TableHighX, "4 8", "Table High X must be a positive number."},
        {TableHighY, "1e9", "Table High Y must be a positive number."},
        {TableBorder, "-2", "Table Border must be a positive number."},
        {CutRate, "-1", "Cutting Feed Rate Must be a Positive Number"},
        {PlungeRate, "fast", "Plunge Feed Rate Must be a Positive Number"},
        {MaterialLength, "96in", "Material length must be a positive number."},
        {HoleRadius, "-0.25", "Hole radius must be a positive number."},
        {BitDiameter, "1/4 in", "Bit Diameter must be a positive number."},
    };
    const std::string stored = home.read("korvanta.ini");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.field) + " \"" + c.text + "\"");
        useExampleMachine();
        MemoryForm fresh;
        CConfig other{fresh, messages};
        other.onShown();
        fresh.setText(c.field, c.text);
        messages.clear();
        EXPECT_FALSE(other.store());
        EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(fresh.focused(), c.field);
        EXPECT_EQ(fresh.text(c.field), c.text) << "the field keeps what was typed, to be mended";
        EXPECT_EQ(home.read("korvanta.ini"), stored);
    }
    EXPECT_EQ(gs.depth, 0.75f) << "nothing of a refused page reaches the settings";

    page.onVariableClicked();
    form.setText(Maximum, "0.8x");
    EXPECT_EQ(leaving(), "Maximum Depth must be a positive number equal to or greater than Minimum Depth.");
}

TEST_F(ConfigurationsPageTest, TheDefaultFeedRatesAreShownAndStored)
{
    EXPECT_EQ(form.text(DefaultCutRate), "120");
    EXPECT_EQ(form.text(DefaultPlungeRate), "30");
    form.setText(DefaultCutRate, "150");
    form.setText(DefaultPlungeRate, "40");
    ASSERT_EQ(leaving(), "");
    EXPECT_EQ(feedRatesOf(MaterialRecord{}, gs).cut, 150) << "a material without rates cuts at the default";
    resetSettings();
    homeDir = home.path();
    ASSERT_TRUE(ReadIniFile(messages));
    EXPECT_EQ(gs.cutfeed, 150);
    EXPECT_EQ(gs.plungefeed, 40);
}

// Only a count the page can store is taken as Times to Loop is left.
TEST_F(ConfigurationsPageTest, LeavingTimesToLoopTakesOnlyACountItCanStore)
{
    for (const char* text : {"-3", "2.5", "0", "13"}) {
        form.setText(TimesToLoop, text);
        page.onTimesToLoopCommitted();
        EXPECT_EQ(gs.cutatonce, 1) << text;
    }
}

TEST_F(ConfigurationsPageTest, ARefusedLibraryNameKeepsWhatWasTyped)
{
    struct Section {
        ControlId name;
        std::vector<ControlId> fields;
        void (CConfig::*save)();
    };
    const Section sections[] = {
        {MaterialName,
         {MaterialLength, MaterialWidth, MaterialHeight, MaterialThickness, CutRate, PlungeRate},
         &CConfig::onMaterialSaveClicked},
        {HoleName, {HoleLength, HoleWidth, HoleRadius}, &CConfig::onHoleSaveClicked},
        {BitName, {BitDiameter}, &CConfig::onBitSaveClicked},
    };
    for (const Section& s : sections) {
        for (const char* name : {"5\" Vinyl Post 96", ""}) {
            form.setText(s.name, name);
            for (ControlId field : s.fields)
                form.setText(field, "4.5");
            messages.clear();
            (page.*s.save)();
            ASSERT_EQ(messages.texts().size(), 1u) << name;
            EXPECT_EQ(form.focused(), s.name);
            EXPECT_EQ(form.text(s.name), name);
            for (ControlId field : s.fields)
                EXPECT_EQ(form.text(field), "4.5") << "field " << field << " after the name \"" << name << "\"";
        }
    }
}

TEST_F(ConfigurationsPageTest, AMissingFolderIsOfferedToBeMade)
{
    const std::string programs = home.file("programs");
    form.setText(GcodePath, programs);
    messages.answerNext(false);
    ASSERT_TRUE(page.store()) << "Cancel stores the folder as it is";
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"The folder " + programs + " does not exist. Make it?"});
    EXPECT_FALSE(home.exists("programs"));

    messages.clear();
    ASSERT_TRUE(page.store());
    EXPECT_TRUE(std::filesystem::is_directory(programs)) << "OK makes it";

    home.write("a file", "");
    const std::string underAFile = joinPath(home.file("a file"), "jobs");
    form.setText(JobPath, underAFile);
    messages.clear();
    EXPECT_FALSE(page.store());
    EXPECT_EQ(messages.texts().back(), "Unable to make the folder.\n" + underAFile + " : Not a directory");
    EXPECT_EQ(form.focused(), JobPath);
}

TEST_F(ConfigurationsPageTest, ANewShopIsGreetedUntilThePageIsStored)
{
    EXPECT_FALSE(form.visible(NewShopNote));
    page.greetNewShop();
    EXPECT_TRUE(form.visible(NewShopNote));
    EXPECT_EQ(form.caption(NewShopNote), "A new shop: set up your machine, then lay out a job.");
    form.setText(Clearance, "");
    EXPECT_EQ(leaving(), "Clearance height can not be blank");
    EXPECT_TRUE(form.visible(NewShopNote));
    form.setText(Clearance, "0.5");
    EXPECT_EQ(leaving(), "");
    EXPECT_FALSE(form.visible(NewShopNote));
}

// What the page shows is what it stores: a shop shown and stored again without an edit writes
// the same settings file, whatever the shop.
TEST_F(ConfigurationsPageTest, EveryRandomShopIsStoredAsItIsShown)
{
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    // A length as the page reads its "%.3f" text.
    const auto length = [&](int low, int high) { return leadingFloat(formatFixed(pick(low, high) / 1000.0, 3)); };
    for (int shop = 0; shop < 40; ++shop) {
        gs.heads = pick(1, 4);
        gs.headchars = std::string("ZABCUVW").substr(static_cast<size_t>(pick(0, 7 - gs.heads)), static_cast<size_t>(gs.heads));
        for (int k = 1; k <= kMaxHeads; ++k) {
            gs.headOn(k) = "M3." + std::to_string(pick(0, 9));
            gs.headOff(k) = "M5." + std::to_string(pick(0, 9));
        }
        const bool half = pick(0, 1) == 1;
        gs.bitname = half ? "1/2" : "1/4";
        gs.bit = half ? 0.5f : 0.25f;
        gs.cutatonce = pick(1, 12);
        for (float& x : gs.spos)
            x = pick(0, 5) == 0 ? kUnsetLength : length(-50000, 150000);
        gs.startpos.y = length(0, 120000);
        gs.endpos = {length(-10000, 48000), length(-10000, 120000)};
        gs.cutstyle = pick(0, 1);
        gs.depth = length(1, 2000);
        gs.maxdepth = gs.depth + length(0, 1000);
        gs.leadin = length(1, 500);
        gs.exit = length(0, 500);
        gs.clearance = length(0, 3000);
        gs.cutfeed = pick(1, 600);
        gs.plungefeed = pick(1, 600);
        gs.table = {length(0, 1000), length(0, 1000), length(0, 96000), length(0, 240000), length(0, 5000)};
        gs.autozoom = pick(0, 1);
        gs.start = pick(0, 1);
        gs.direction = pick(0, 1);
        gs.autoexit = pick(0, 1);
        gs.alignment = pick(1, 3);
        gs.toolnumber.clear();
        // An empty folder is stored as the default one, which the field then shows.
        gs.controlpath = home.path();
        gs.lastpage = 3;
        ASSERT_TRUE(WriteIniFile(messages));
        const std::string written = home.read("korvanta.ini");
        MemoryForm fresh;
        CConfig other{fresh, messages};
        enterPage(PageId::Configurations);
        other.onShown();
        messages.clear();
        ASSERT_TRUE(other.store()) << messages.texts().front();
        ASSERT_EQ(home.read("korvanta.ini"), written) << "shop " << shop;
    }
}

// The shop's files on a full disk: each refusal names the file and the reason, and every file
// keeps what it held.
TEST_F(ConfigurationsPageTest, OnAFullDiskTheSettingsAndLibrariesNameTheFileAndKeepTheirBytes)
{
    SmallFileSystem disk;
    SKIP_WITHOUT_SMALL_FILE_SYSTEM(disk);
    homeDir = disk.path();
    ASSERT_TRUE(WriteIniFile(messages));
    writeShopLibraries();
    show();
    const std::string ini = readOrEmpty(disk.file("korvanta.ini"));
    const std::string materials = readOrEmpty(disk.file("materials.sav"));
    disk.fill();

    form.setText(Clearance, "0.625");
    EXPECT_EQ(leaving(), "Unable to write to Korvanta.ini File.\n" + disk.file("korvanta.ini") + " : No space left on device");
    EXPECT_EQ(readOrEmpty(disk.file("korvanta.ini")), ini);

    form.setText(MaterialName, "Oak 6x6");
    for (ControlId field : {MaterialLength, MaterialWidth, MaterialHeight})
        form.setText(field, "6");
    messages.clear();
    page.onMaterialSaveClicked();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Can not open posts save file.\n" + disk.file("materials.sav") +
                                                         " : No space left on device"});
    EXPECT_EQ(readOrEmpty(disk.file("materials.sav")), materials);

    pick(MaterialName, "VINYL", &CConfig::onMaterialSelected);
    messages.clear();
    page.onMaterialDeleteClicked();
    EXPECT_EQ(messages.texts().back(), "Can not open materials save file.\n" + disk.file("materials.sav") +
                                           " : No space left on device");
    EXPECT_EQ(readOrEmpty(disk.file("materials.sav")), materials);
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
