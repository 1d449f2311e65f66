// The Manual page's whole-job actions: the job check, Run, Save, Load, Clear, and the page being
// shown and left.
#include "pages/c_manual.h"

#include "gcode/hole_routine.h"
#include "gcode/job_checks.h"
#include "gcode/job_list.h"
#include "gcode/kept_run_values.h"
#include "gcode/output_folders.h"
#include "gcode/manual_program.h"
#include "gcode/run_checks.h"
#include "pages/page_fields.h"
#include "platform/messages.h"
#include "platform/sheet.h"
#include "platform/text_compare.h"
#include "preview/handover.h"
#include "settings/numbers.h"
#include "settings/text_helpers.h"
#include "setupfile/current_tap_file.h"
#include "setupfile/tap_file_dialogs.h"

using namespace manual;

bool CManual::collectManualJob()
{
    if (form_.text(CurrentTapFile).empty())
        filename = "ManualPost.tap";
    if (manualJob.material.name.empty()) {
        messages_.show("No Material Specified.");
        form_.setFocus(MaterialList);
        return false;
    }
    const std::string total = form_.text(TotalPosts);
    totalPosts = IsNumberText(total, kUnsigned) ? leadingInt(total) : 0;
    manualJob.sides = form_.checked(CutOneSide) ? 1 : 2;
    sharedSides = manualJob.sides;
    if (manualJob.side1HoleCount < 1) {
        messages_.show("Must specify at least one hole on side 1.");
        form_.setFocus(HoleList);
        return false;
    }
    return true;
}

namespace {

// Every check before anything is written: the settings (without feed rates), every placed hole
// type, and where every hole would be cut.
bool checkManualRun(Messages& messages)
{
    return checkSettings(false, messages) && checkManualHoleTypes(manualJob, messages) &&
           checkManualPlacement(manualJob, messages);
}

// The Posts and Rails pages show their own saved jobs again; their patterns here are unset.
void unsetPatternJobs()
{
    for (int side = 0; side < 2; ++side) {
        PatternSide& post = postJob.side[static_cast<size_t>(side)];
        post.distanceFromTop = post.spacing = kUnsetLength;
        post.holeCount = kUnsetCount;
        postJob.offsetAmount(side) = kUnsetLength;
        RailSide& rail = railJob.side[static_cast<size_t>(side)];
        rail.distanceFromTop = rail.distanceFromBottom = kUnsetLength;
        rail.holeCount = kUnsetCount;
        railJob.offsetAmount(side) = kUnsetLength;
    }
    railJob.materialName.clear();
    railJob.holeName = {};
}

} // namespace

void CManual::runManual()
{
    if (!collectManualJob() || !checkManualRun(messages_) || !checkOutputFolders(messages_))
        return;
    // The job list names the program only once the program is written.
    if (!writeManualProgram(manualJob, display_, messages_) || !writeJobList(manualJob.sides, messages_))
        return;
    if (gs.autoexit != 0)
        window_.closeWindow();
    else
        window_.minimizeWindow();
}

bool CManual::composeProgram(ProgramOutput& out, Messages& reasons)
{
    if (manualJob.material.name.empty()) {
        reasons.show("No Material Specified.");
        return false;
    }
    if (manualJob.side1HoleCount < 1) {
        reasons.show("Must specify at least one hole on side 1.");
        return false;
    }
    if (!checkManualRun(reasons))
        return false;
    const KeptRunValues kept;
    writeManualProgramTo(out, manualJob, display_);
    return true;
}

void CManual::onRunClicked()
{
    runManual();
}

void CManual::save()
{
    if (collectManualJob() && checkManualRun(messages_) && askSaveTapFile(dialogs_))
        writeManualProgram(manualJob, display_, messages_);
    form_.setText(CurrentTapFile, currentTapFileText());
}

void CManual::onSaveClicked()
{
    save();
}

void CManual::clear()
{
    manualJob.material = MaterialRecord{};
    refillLists(LibraryKind::Materials, form_, {MaterialList});
    form_.setText(MaterialList, "");
    emptySides();
    manualJob.offsetOn = {0, 0};
    for (int side = 0; side < 2; ++side)
        showOffsetToggle(side);
    rebuildLists();
    unsetPatternJobs();
    redraw();
}

void CManual::onClearClicked()
{
    clear();
}

LoadingPage CManual::loading()
{
    return LoadingPage{PageId::Manual, [this] { clear(); },
                       [this](const RecordedChoices& choices) { fillFromHeader(choices); }};
}

void CManual::onLoadClicked()
{
    loadTapFile(loading(), dialogs_, messages_, window_);
}

// The header's holes of a side, in order, each with the library's hole type of its name (letter
// case aside). A hole whose type is not in the library is left out and said so; the holes after
// it close up, so the rows, the drawing and the program count the same holes.
void CManual::takeLoadedHoles(int side)
{
    const bool offsetOn = manualJob.offsetOn[static_cast<size_t>(side)] == 1;
    for (size_t n = 0; n < holding.manualHoles[static_cast<size_t>(side)].size(); ++n) {
        const HoldingFields::ManualHole& loaded = holding.manualHoles[static_cast<size_t>(side)][n];
        if (loaded.name.empty())
            continue;
        const auto type = std::find_if(holeList.begin(), holeList.end(),
                                       [&](const HoleRecord& h) { return compareNoCase(h.name, loaded.name) == 0; });
        if (type == holeList.end()) {
            messages_.show("Hole type " + loaded.name + " is not in the library; hole " + std::to_string(n + 1) +
                           " of side " + (side == 0 ? "one" : "two") + " is left out.");
            continue;
        }
        PlacedHole& slot = manualJob.placedHoles[static_cast<size_t>(side)][static_cast<size_t>(count(side))];
        slot.hole = *type;
        slot.spacing = isUnset(loaded.spacing) ? 0.0f : loaded.spacing;
        slot.offset = offsetOn && !isUnset(loaded.offset) ? loaded.offset : 0.0f;
        ++count(side);
    }
}

void CManual::fillFromHeader(const RecordedChoices& choices)
{
    refillLists(LibraryKind::Materials, form_, {MaterialList});
    form_.selectRow(MaterialList, -1);
    form_.setText(MaterialList, holding.materialName);
    const int row = holding.materialName.empty() ? -1 : form_.selectByPrefix(MaterialList, holding.materialName);
    const MaterialRecord* material = row < 0 ? nullptr : libraryRecord(materialList, form_.selectedRecord(MaterialList));
    // A material the library does not have leaves the job without one; the list keeps the name.
    manualJob.material = material ? *material : MaterialRecord{};
    if (choices.sides)
        manualJob.sides = *choices.sides == 2 ? 2 : 1;
    if (choices.display)
        display_ = *choices.display == 0 ? 0 : 1;
    showSidesChoice();
    for (int side = 0; side < 2; ++side)
        manualJob.offsetOn[static_cast<size_t>(side)] = holding.manualOffsetOn[static_cast<size_t>(side)] == 1 ? 1 : 0;
    emptySides();
    for (int side = 0; side < 2; ++side) {
        showOffsetToggle(side);
        takeLoadedHoles(side);
    }
    form_.setText(CurrentTapFile, currentTapFileText());
    rebuildLists();
    redraw();
}

void CManual::onShown()
{
    refillLists(LibraryKind::Materials, form_, {MaterialList});
    const MaterialRecord& post = manualJob.material;
    if (isUnset(post.length) || isUnset(post.width) || post.name.empty()) {
        clear();
    } else {
        form_.setText(MaterialList, post.name);
        form_.selectByPrefix(MaterialList, post.name);
        redraw();
    }
    showSidesChoice();
    fillHoleLists();
    rebuildLists();
    takePendingLoad(loading(), messages_);
}

void CManual::onLeft()
{
    for (int side = 0; side < 2; ++side) {
        form_.selectRow(onSide(HoleList, side), 0);
        form_.setText(onSide(Spacing, side), "");
        form_.setText(onSide(Offset, side), "");
    }
}
