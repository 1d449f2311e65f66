// The Posts page's whole-job part: collecting the job, its checks and its program for the shared
// Run, Save, Load and Clear, and the page being shown and left.
#include "pages/c_automatic.h"

#include "gcode/job_checks.h"
#include "gcode/pattern_program.h"
#include "gcode/run_checks.h"
#include "pages/page_fields.h"
#include "platform/messages.h"
#include "preview/handover.h"
#include "settings/settings.h"

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
    return true;
}

// The settings with the job's feed rates, then every hole type (a settings refusal does not stop
// them, so two messages may follow), then where every hole is cut. Save names side one too.
bool CAutomatic::checkJob(const RunContext& run, CheckPurpose purpose, Messages& reasons)
{
    if (!patternJobIsChosen(postJob.material, postJob.holeType, postJob.sides, reasons))
        return false;
    const bool settingsOk = checkSettings(run.settings, run.feeds, reasons);
    const HoleSuffixes suffixes{purpose == CheckPurpose::Save ? ", side one." : "", ", side two."};
    return checkPostHoleTypes(postJob, run, suffixes, reasons) && settingsOk && checkPostPlacement(postJob, run, reasons);
}

void CAutomatic::writeProgram(ProgramOutput& out, const RunContext& run) const
{
    writePostProgramTo(out, postJob, run);
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
    form_.setFocus(MaterialList);
    sides_.oneSideMode();
}

void CAutomatic::clearJob()
{
    clear(false);
    redraw();
}

// The job's names selected in the lists and its pattern in the fields, without taking the lists'
// records again, so the feed rates stay those in force.
void CAutomatic::showJob()
{
    refillLists(LibraryKind::Materials, form_, {MaterialList});
    refillLists(LibraryKind::Holes, form_, {HoleList, onSide(HoleList, 1)});
    form_.setText(MaterialList, postJob.materialName);
    if (!postJob.materialName.empty())
        form_.selectByPrefix(MaterialList, postJob.materialName);
    sides_.selectHoleNames();
    sides_.showPattern();
}

std::function<void()> CAutomatic::keptJob()
{
    sides_.storeTypedPattern(kDistanceField, kSpacingField);
    SavedPatternJob<PostJob> kept;
    kept.keep(postJob);
    const int display = sides_.display();
    return [this, kept, display] {
        kept.restore(postJob);
        sides_.setDisplay(display);
        showJob();
        redraw();
    };
}

void CAutomatic::onShown()
{
    saved_.restore(postJob);
    showJob();
    if (postJob.holeType[0].name.empty())
        clear(true);
    flow_.pageShown();
    // Without holes the preview is emptied rather than left showing another page's drawing.
    const int holes = postJob.side[0].holeCount;
    if (!isUnset(holes) && holes > 0)
        redraw();
    else
        ClearPreview(PageId::Posts);
}

void CAutomatic::onLeft()
{
    flow_.pageLeft();
    sides_.storeTypedPattern(kDistanceField, kSpacingField);
    saved_.keep(postJob);
    clear(true);
}
