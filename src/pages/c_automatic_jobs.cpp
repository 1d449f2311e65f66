// The Posts page's whole-job actions: collecting the job, Run, Save, Clear, and the page being
// shown and left.
#include "pages/c_automatic.h"

#include "gcode/hole_routine.h"
#include "gcode/job_checks.h"
#include "gcode/job_list.h"
#include "gcode/kept_run_values.h"
#include "gcode/output_folders.h"
#include "gcode/pattern_program.h"
#include "gcode/run_checks.h"
#include "pages/page_fields.h"
#include "platform/messages.h"
#include "platform/sheet.h"
#include "preview/handover.h"
#include "settings/numbers.h"
#include "settings/text_helpers.h"
#include "setupfile/current_tap_file.h"
#include "setupfile/tap_file_dialogs.h"

using namespace posts;

bool CAutomatic::collectPostJob()
{
    const int material = resolveListRecord(form_, MaterialList);
    if (!libraryRecord(materialList, material)) {
        messages_.show("Must Select a Material.");
        form_.setFocus(MaterialList);
        return false;
    }
    postJob.materialName = form_.text(MaterialList).substr(0, kNameLimit);
    postJob.material = materialList[static_cast<size_t>(material)];

    for (int side = 0; side < (postJob.sides == 2 ? 2 : 1); ++side) {
        const ControlId list = onSide(HoleList, side);
        const int hole = resolveListRecord(form_, list);
        if (!libraryRecord(holeList, hole)) {
            messages_.show("Must Select a Hole.");
            form_.setFocus(list);
            return false;
        }
        postJob.holeName[static_cast<size_t>(side)] = form_.text(list).substr(0, kNameLimit);
        postJob.holeType[static_cast<size_t>(side)] = holeList[static_cast<size_t>(hole)];
    }

    if (!sides_.collectField(kHolesField, &PatternSide::holeCount) ||
        !sides_.collectField(kDistanceField, &PatternSide::distanceFromTop) ||
        !sides_.collectField(kSpacingField, &PatternSide::spacing) || !sides_.collectOffsets())
        return false;

    postJob.sides = form_.checked(CutBothSides) ? 2 : 1;
    sharedSides = postJob.sides;
    const std::string total = form_.text(TotalPosts);
    totalPosts = IsNumberText(total, kUnsigned) ? leadingInt(total) : 0;
    return true;
}

void CAutomatic::runPosts()
{
    if (form_.text(CurrentTapFile).empty())
        filename = "Post.tap";
    if (!collectPostJob())
        return;
    const bool settingsOk = checkSettings(true, messages_);
    // A settings failure does not stop the hole types' checks, so two messages may follow.
    if (!checkPostHoleTypes(postJob, {"", ", side two."}, messages_) || !settingsOk ||
        !checkPostPlacement(postJob, messages_) || !checkOutputFolders(messages_))
        return;
    // The job list names the program only once the program is written, so the controller never
    // points at a missing or stale one.
    const bool ok = writePostProgram(postJob, display(), messages_) && writeJobList(postJob.sides, messages_);
    if (!ok)
        return;
    if (gs.autoexit != 0)
        window_.closeWindow();
    else
        window_.minimizeWindow();
}

bool CAutomatic::composeProgram(ProgramOutput& out, Messages& reasons)
{
    if (!patternJobIsChosen(postJob.material, postJob.holeType, postJob.sides, reasons))
        return false;
    const bool settingsOk = checkSettings(true, reasons);
    if (!checkPostHoleTypes(postJob, {"", ", side two."}, reasons) || !settingsOk || !checkPostPlacement(postJob, reasons))
        return false;
    const KeptRunValues kept;
    writePostProgramTo(out, postJob, display());
    return true;
}

void CAutomatic::onRunClicked()
{
    runPosts();
}

void CAutomatic::save()
{
    if (collectPostJob()) {
        const bool settingsOk = checkSettings(true, messages_);
        if (!checkPostHoleTypes(postJob, {", side one.", ", side two."}, messages_))
            return;
        if (settingsOk && checkPostPlacement(postJob, messages_) && askSaveTapFile(dialogs_))
            writePostProgram(postJob, display(), messages_);
    }
    form_.setText(CurrentTapFile, currentTapFileText());
}

void CAutomatic::onSaveClicked()
{
    save();
}

void CAutomatic::clear(bool keepDefaultOffset)
{
    const float defaultOffset = gs.autopostoffset;
    refillLists(LibraryKind::Materials, form_, {MaterialList});
    refillLists(LibraryKind::Holes, form_, {HoleList, onSide(HoleList, 1)});
    form_.setText(MaterialList, "");
    postJob.material = MaterialRecord{};
    postJob.materialName.clear();
    sides_.clearPattern();
    if (keepDefaultOffset)
        gs.autopostoffset = defaultOffset;
    form_.setText(TotalPosts, "");
    form_.setText(CurrentTapFile, "");
    form_.setFocus(MaterialList);
    sides_.oneSideMode();
}

void CAutomatic::onClearClicked()
{
    clear(false);
    redraw();
}

void CAutomatic::onShown()
{
    railHoleFactor = 1;
    railHoleExtra = 0;
    saved_.restore(postJob);
    sharedSides = postJob.sides;
    refillLists(LibraryKind::Materials, form_, {MaterialList});
    refillLists(LibraryKind::Holes, form_, {HoleList, onSide(HoleList, 1)});
    // The names of the job selected in the lists, without taking their records again, so the
    // feed rates stay those in force.
    form_.setText(MaterialList, postJob.materialName);
    if (!postJob.materialName.empty())
        form_.selectByPrefix(MaterialList, postJob.materialName);
    sides_.selectHoleNames();
    sides_.showPattern();
    if (postJob.holeType[0].name.empty())
        clear(true);
    takePendingLoad(loading(), messages_);
    // Without holes the preview is emptied rather than left showing another page's drawing.
    const int holes = postJob.side[0].holeCount;
    if (!isUnset(holes) && holes > 0)
        redraw();
    else
        ClearPreview(PageId::Posts);
}

void CAutomatic::onLeft()
{
    sides_.storeTypedPattern(kDistanceField, kSpacingField);
    saved_.keep(postJob);
    clear(true);
}
