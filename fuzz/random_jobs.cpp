#include "random_jobs.h"

#include "scratch_home.h"

#include "pages/c_automatic.h"
#include "pages/c_manual.h"
#include "pages/c_rails.h"
#include "pages/shown_page.h"
#include "platform/memory_form.h"
#include "platform/recording_messages.h"
#include "platform/recording_sheet.h"
#include "platform/scripted_file_dialogs.h"
#include "settings/files.h"
#include "settings/settings.h"
#include "verify/program_check.h"

#include <filesystem>

namespace {

const char* const kHoleNames[] = {"HOLE A", "HOLE B", "HOLE C", "HOLE D"};
const char* const kMaterialNames[] = {"MAT A", "MAT B", "MAT C"};

struct Desk {
    MemoryForm form;
    RecordingMessages messages;
    ScriptedFileDialogs dialogs;
    RecordingSheet window;
};

void pick(Form& form, ControlId list, const char* name)
{
    form.selectByPrefix(list, name);
}

template <class Page>
void type(Form& form, ControlId field, const std::string& text, Page& page, void (Page::*commit)(int), int side)
{
    form.setText(field, text);
    (page.*commit)(side);
}

std::string distanceText(Dice& dice) { return typed(dice.between(0, 30)); }
std::string spacingText(Dice& dice) { return typed(dice.chance(10) ? dice.between(-2, 0) : dice.between(0, 12)); }
std::string countText(Dice& dice) { return std::to_string(1 + dice.below(8)); }

// The pattern and offsets of one side of the Posts or Rails page.
template <class Page>
void layOutSide(Desk& d, Page& page, const pattern::SideControls& ids, int side, Dice& dice, bool countToo)
{
    pick(d.form, ids.holeList, kHoleNames[dice.below(4)]);
    page.onHoleSelected();
    type(d.form, ids.distance, distanceText(dice), page, &Page::onDistanceCommitted, side);
    type(d.form, ids.spacing, spacingText(dice), page, &Page::onSpacingCommitted, side);
    if (countToo)
        type(d.form, ids.holes, countText(dice), page, &Page::onHolesCommitted, side);
    if (dice.chance(40)) {
        d.form.setChecked(ids.useOffsetting, true);
        page.onUseOffsettingClicked(side);
        type(d.form, ids.offsetAmount, typed(dice.between(-1.5f, 1.5f)), page, &Page::onOffsetAmountCommitted, side);
        if (dice.chance(50)) {
            d.form.setChecked(ids.alternate, true);
            page.onAlternateClicked(side);
        }
    }
}

template <class Page>
void bothSides(Desk& d, Page& page, const pattern::ChoiceControls& choices, Dice& dice)
{
    if (!dice.chance(50))
        return;
    d.form.setChecked(choices.cutBothSides, true);
    d.form.setChecked(choices.cutOneSide, false);
    page.onCutBothSidesClicked();
}

// The page shown as the operator meets it, with one of the shop's materials picked.
template <class Page>
void showWithMaterial(Desk& d, Page& page, PageId id, ControlId materialList, Dice& dice)
{
    page.create();
    enterPage(id);
    page.onShown();
    pick(d.form, materialList, kMaterialNames[dice.below(3)]);
    page.onMaterialSelected();
}

std::string runPosts(Desk& d, Dice& dice)
{
    using namespace posts;
    CAutomatic page(d.form, d.messages, d.dialogs, d.window);
    showWithMaterial(d, page, PageId::Posts, MaterialList, dice);
    layOutSide(d, page, kSides[0], 0, dice, true);
    bothSides(d, page, kChoices, dice);
    if (d.form.checked(CutBothSides))
        layOutSide(d, page, kSides[1], 1, dice, true);
    d.messages.clear();
    page.runPosts();
    return "Post.tap";
}

std::string runManual(Desk& d, Dice& dice)
{
    using namespace manual;
    CManual page(d.form, d.messages, d.dialogs, d.window);
    showWithMaterial(d, page, PageId::Manual, MaterialList, dice);
    if (dice.chance(50)) {
        d.form.setChecked(CutBothSides, true);
        d.form.setChecked(CutOneSide, false);
        page.onCutBothSidesClicked();
    }
    for (int side = 0; side < 2; ++side) {
        if (dice.chance(40))
            page.onOffsetToggled(side);
        for (int hole = dice.below(6); hole >= 0; --hole) {
            d.form.setText(onSide(HoleList, side), kHoleNames[dice.below(4)]);
            d.form.setText(onSide(Spacing, side), typed(dice.between(0, 12)));
            d.form.setText(onSide(Offset, side), typed(dice.between(-1.5f, 1.5f)));
            page.onAddClicked(side);
        }
    }
    d.messages.clear();
    page.runManual();
    return "ManualPost.tap";
}

std::string runRails(Desk& d, Dice& dice)
{
    using namespace rails;
    CRails page(d.form, d.messages, d.dialogs, d.window);
    showWithMaterial(d, page, PageId::Rails, MaterialList, dice);
    if (dice.chance(70)) {
        d.form.setText(kRailFields[0].rise, typed(dice.between(0.5f, 6)));
        page.onRiseCommitted();
        d.form.setText(kRailFields[0].run, typed(dice.between(1, 8)));
        page.onRunCommitted();
    }
    bothSides(d, page, kChoices, dice);
    // An empty count is filled with as many holes as fit.
    layOutSide(d, page, kSides[0], 0, dice, dice.chance(50));
    if (d.form.checked(CutBothSides))
        layOutSide(d, page, kSides[1], 1, dice, dice.chance(50));
    d.messages.clear();
    page.runRails();
    return "Rail.tap";
}

} // namespace

RunOutcome runRandomJob(Dice& dice, PageId page)
{
    makeRandomShop(dice);
    for (const char* name : {"Post.tap", "ManualPost.tap", "Rail.tap", "jobs.tap"})
        std::filesystem::remove(joinPath(scratchHome(), name));
    Desk desk;
    const std::string program = page == PageId::Manual ? runManual(desk, dice)
                                : page == PageId::Rails ? runRails(desk, dice)
                                                        : runPosts(desk, dice);
    RunOutcome outcome;
    outcome.messages = desk.messages.texts();
    std::string bytes;
    outcome.programWritten = readWholeFile(joinPath(gs.path, program), bytes);
    outcome.jobListWritten = std::filesystem::exists(joinPath(gs.autopath, "jobs.tap"));
    if (outcome.programWritten) {
        const ProgramReport report = verifyProgram(bytes, machineFromSettings(gs), libraryFromLists());
        for (const Problem& p : report.problems())
            outcome.problems += "line " + std::to_string(p.line) + ": " + p.text + "\n";
    }
    return outcome;
}

std::string brokenPromise(const RunOutcome& outcome)
{
    for (const std::string& message : outcome.messages) {
        if (message.rfind("The program failed its check", 0) == 0)
            return "the run checks accepted a job that the program check refused: " + message;
    }
    if (!outcome.messages.empty() && (outcome.programWritten || outcome.jobListWritten))
        return "a refused job wrote a file; Run said: " + outcome.messages.front();
    if (outcome.messages.empty() && !(outcome.programWritten && outcome.jobListWritten))
        return "Run said nothing and wrote no program or no job list";
    if (!outcome.problems.empty())
        return "the written program reads back with problems:\n" + outcome.problems;
    return {};
}
