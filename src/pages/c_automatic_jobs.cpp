// The Posts page's whole-job actions: collecting the job, Run, Save, Load, Clear, and the page
// being shown and left.
#include "pages/c_automatic.h"

#include "gcode/hole_routine.h"
#include "gcode/job_list.h"
#include "gcode/pattern_program.h"
#include "gcode/run_checks.h"
#include "pages/page_fields.h"
#include "platform/sheet.h"
#include "platform/messages.h"
#include "preview/handover.h"
#include "settings/numbers.h"
#include "settings/text_helpers.h"
#include "setupfile/current_tap_file.h"
#include "setupfile/setup_reader.h"
#include "setupfile/tap_file_dialogs.h"

using namespace posts;

namespace {

struct NumberField {
    ControlId id;
    int mode;
    const char* missing;
    const char* invalid;
};

constexpr NumberField kHoles{Holes, kUnsigned, "Must Specify Numer of Holes to Cut.",
                             "Number of Holes to cut must be a positive number."};
constexpr NumberField kDistance{Distance, kUnsigned, "Must Specify Distance to First Hole.",
                                "Distance to First Hole must be a positive number."};
constexpr NumberField kSpacing{Spacing, kSigned, "Must Specify spacing between holes.",
                               "Spacing between holes must be a positive number."};

// A number the operator must give: a message and the focus on the field when it is missing or
// not a number.
bool readRequired(Form& form, Messages& messages, const NumberField& field, int side, std::string& text)
{
    const ControlId id = onSide(field.id, side);
    text = form.text(id);
    const char* problem = text.empty() ? field.missing : !IsNumberText(text, field.mode) ? field.invalid : nullptr;
    if (!problem)
        return true;
    messages.show(problem);
    form.setFocus(id);
    return false;
}

} // namespace

bool CAutomatic::collectOffsets()
{
    const char* message = "Offset amount must be a number.";
    if (postJob.side[0].useOffsetting == 1) {
        const std::string text = form_.text(OffsetAmount);
        if (!text.empty() && !isUnset(postJob.offsetAmount(0))) {
            if (!acceptNumber(OffsetAmount, kSigned, message))
                return false;
            postJob.offsetAmount(0) = leadingFloat(text);
        } else {
            postJob.offsetAmount(0) = 0;
            form_.setText(OffsetAmount, fixed3(0));
        }
        postJob.side[0].alternateOffset = form_.checked(Alternate) ? 1 : 0;
    }
    if (postJob.sides == 2 && postJob.side[1].useOffsetting == 1) {
        const ControlId field = onSide(OffsetAmount, 1);
        const std::string text = form_.text(field);
        if (!text.empty()) {
            if (!acceptNumber(field, kSigned, message))
                return false;
            postJob.offsetAmount(1) = leadingFloat(text);
        } else {
            postJob.offsetAmount(1) = postJob.offsetAmount(0);
            form_.setText(field, fixed3(postJob.offsetAmount(1)));
        }
        postJob.side[1].alternateOffset = form_.checked(onSide(Alternate, 1)) ? 1 : 0;
    }
    return true;
}

bool CAutomatic::collectPostJob()
{
    const int material = resolveListRecord(form_, MaterialList);
    if (!libraryRecord(materialList, material)) {
        messages_.show("Must Select a Material.");
        form_.setFocus(MaterialList);
        return false;
    }
    postJob.materialName = form_.text(MaterialList).substr(0, kNameLimit);
    postJob.material = materialList[material];

    const int sides = postJob.sides == 2 ? 2 : 1;
    for (int side = 0; side < sides; ++side) {
        const ControlId list = onSide(HoleList, side);
        const int hole = resolveListRecord(form_, list);
        if (!libraryRecord(holeList, hole)) {
            messages_.show("Must Select a Hole.");
            form_.setFocus(list);
            return false;
        }
        postJob.holeName[side] = form_.text(list).substr(0, kNameLimit);
        postJob.holeType[side] = holeList[hole];
    }

    std::string text;
    for (int side = 0; side < sides; ++side) {
        if (!readRequired(form_, messages_, kHoles, side, text))
            return false;
        postJob.side[side].holeCount = leadingInt(text);
    }
    for (int side = 0; side < sides; ++side) {
        if (!readRequired(form_, messages_, kDistance, side, text))
            return false;
        postJob.side[side].distanceFromTop = leadingFloat(text);
    }
    for (int side = 0; side < sides; ++side) {
        if (!readRequired(form_, messages_, kSpacing, side, text))
            return false;
        postJob.side[side].spacing = leadingFloat(text);
    }
    if (!collectOffsets())
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
    bool ok = checkSettings(true, messages_);
    if (!checkHoleGeometry(postJob.holeType[0], "", messages_) || !ok)
        return;
    // The job list names the program only once the program is written, so the controller never
    // points at a missing or stale one.
    ok = writePostProgram(postJob, display_, messages_) && writeJobList(postJob.sides, messages_);
    if (!ok)
        return;
    if (gs.autoexit != 0)
        window_.closeWindow();
    else
        window_.minimizeWindow();
}

void CAutomatic::onRunClicked()
{
    runPosts();
}

void CAutomatic::save()
{
    if (collectPostJob()) {
        const bool ok = checkSettings(true, messages_);
        if (!checkHoleGeometry(postJob.holeType[0], ", side one.", messages_))
            return;
        if (postJob.sides == 2 && !checkHoleGeometry(postJob.holeType[1], ", side two.", messages_))
            return;
        if (ok && askSaveTapFile(dialogs_))
            writePostProgram(postJob, display_, messages_);
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
    for (ControlId list : {MaterialList, HoleList, onSide(HoleList, 1)})
        form_.setText(list, "");
    postJob.material = MaterialRecord{};
    postJob.materialName.clear();
    postJob.holeType = {};
    postJob.holeName = {};
    for (int side = 0; side < 2; ++side) {
        PatternSide& s = postJob.side[side];
        s.distanceFromTop = s.spacing = kUnsetLength;
        s.holeCount = kUnsetCount;
        postJob.offsetAmount(side) = kUnsetLength;
        for (ControlId id : {Holes, Distance, Spacing})
            form_.setText(onSide(id, side), "");
        s.useOffsetting = 0;
        s.alternateOffset = 0;
        setOffsettingControls(side);
    }
    if (keepDefaultOffset)
        gs.autopostoffset = defaultOffset;
    form_.setText(TotalPosts, "");
    form_.setText(CurrentTapFile, "");
    form_.setFocus(MaterialList);
    postJob.sides = 1;
    showSidesChoice();
    oneSideMode();
}

void CAutomatic::onClearClicked()
{
    clear(false);
    redraw();
}

// The names of the job selected in the lists, without taking their records again, so the feed
// rates stay those in force.
void CAutomatic::selectJobNames()
{
    form_.setText(MaterialList, postJob.materialName);
    if (!postJob.materialName.empty())
        form_.selectByPrefix(MaterialList, postJob.materialName);
    for (int side = 0; side < 2; ++side) {
        const ControlId list = onSide(HoleList, side);
        form_.setText(list, postJob.holeName[side]);
        if (!postJob.holeName[side].empty())
            form_.selectByPrefix(list, postJob.holeName[side]);
    }
}

void CAutomatic::showJob()
{
    for (int side = 0; side < 2; ++side) {
        const PatternSide& s = postJob.side[side];
        showLength(form_, onSide(Distance, side), s.distanceFromTop);
        showLength(form_, onSide(Spacing, side), s.spacing);
        showCount(form_, onSide(Holes, side), s.holeCount);
        setOffsettingControls(side);
    }
    showSidesChoice();
    if (postJob.sides == 2)
        bothSidesMode();
    else
        oneSideMode();
}

void CAutomatic::onShown()
{
    railHoleFactor = 1;
    railHoleExtra = 0;
    if (saved_.valid) {
        postJob = saved_.job;
        gs.autopostoffset = saved_.side1Amount;
    }
    sharedSides = postJob.sides;
    refillLists(LibraryKind::Materials, form_, {MaterialList});
    refillLists(LibraryKind::Holes, form_, {HoleList, onSide(HoleList, 1)});
    selectJobNames();
    showJob();
    if (postJob.holeType[0].name.empty())
        clear(true);
    if (loadPending) {
        loadPending = false;
        loadPostFile(false);
    }
    // Without holes the preview is emptied rather than left showing another page's drawing.
    const int holes = postJob.side[0].holeCount;
    if (!isUnset(holes) && holes > 0)
        redraw();
    else
        ClearPreview(PageId::Posts);
}

void CAutomatic::onLeft()
{
    const int sides = postJob.sides == 2 ? 2 : 1;
    for (int side = 0; side < sides; ++side) {
        const auto stored = [&](ControlId id, int mode) {
            const std::string text = form_.text(onSide(id, side));
            if (text.empty())
                return kUnsetLength;
            return IsNumberText(text, mode) ? leadingFloat(text) : 0.0f;
        };
        postJob.side[side].distanceFromTop = stored(Distance, kUnsigned);
        postJob.side[side].spacing = stored(Spacing, kSigned);
    }
    saved_ = Saved{postJob, gs.autopostoffset, true};
    clear(true);
}
