// The Manual page's whole-job part: the job check, its checks and its program for the shared Run,
// Save, Load and Clear, and the page being shown and left.
#include "pages/c_manual.h"

#include "gcode/job_checks.h"
#include "gcode/manual_program.h"
#include "gcode/run_checks.h"
#include "pages/page_fields.h"
#include "platform/messages.h"
#include "platform/text_compare.h"
#include "preview/handover.h"
#include "settings/library_files.h"
#include "setupfile/load_state.h"
#include "setupfile/setup_reader.h"

#include <algorithm>

using namespace manual;

bool CManual::collectManualJob()
{
    if (manualJob.material.name.empty()) {
        messages_.show("No Material Specified.");
        form_.setFocus(MaterialList);
        return false;
    }
    manualJob.sides = form_.checked(CutOneSide) ? 1 : 2;
    if (manualJob.side1HoleCount < 1) {
        messages_.show("Must specify at least one hole on side 1.");
        form_.setFocus(HoleList);
        return false;
    }
    return true;
}

// The job as it stands, then the settings (without feed rates), every placed hole type, and where
// every hole would be cut.
bool CManual::checkJob(const RunContext& run, CheckPurpose, Messages& reasons)
{
    if (manualJob.material.name.empty()) {
        reasons.show("No Material Specified.");
        return false;
    }
    if (manualJob.side1HoleCount < 1) {
        reasons.show("Must specify at least one hole on side 1.");
        return false;
    }
    return checkSettings(run.settings, std::nullopt, reasons) && checkManualHoleTypes(manualJob, run, reasons) &&
           checkManualPlacement(manualJob, run, reasons);
}

void CManual::writeProgram(ProgramOutput& out, const RunContext& run) const
{
    writeManualProgramTo(out, manualJob, run);
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
    redraw();
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

void CManual::fillFromHeader(const LoadedHeader& header)
{
    refillLists(LibraryKind::Materials, form_, {MaterialList});
    form_.selectRow(MaterialList, -1);
    form_.setText(MaterialList, holding.materialName);
    const int row = holding.materialName.empty() ? -1 : form_.selectByPrefix(MaterialList, holding.materialName);
    const MaterialRecord* material = row < 0 ? nullptr : libraryRecord(materialList, form_.selectedRecord(MaterialList));
    // A material the library does not have leaves the job without one; the list keeps the name.
    manualJob.material = material ? *material : MaterialRecord{};
    if (!isUnset(header.sides))
        manualJob.sides = header.sides == 2 ? 2 : 1;
    if (!isUnset(header.display))
        display_ = header.display == 0 ? 0 : 1;
    showSidesChoice();
    for (int side = 0; side < 2; ++side)
        manualJob.offsetOn[static_cast<size_t>(side)] = holding.manualOffsetOn[static_cast<size_t>(side)] == 1 ? 1 : 0;
    emptySides();
    for (int side = 0; side < 2; ++side) {
        showOffsetToggle(side);
        takeLoadedHoles(side);
    }
    rebuildLists();
    redraw();
}

// The job's material and holes on the page.
void CManual::showJob()
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
    for (int side = 0; side < 2; ++side)
        showOffsetToggle(side);
    rebuildLists();
}

std::function<void()> CManual::keptJob()
{
    return [this, job = manualJob, side2 = side2Count_, display = display_] {
        manualJob = job;
        side2Count_ = side2;
        display_ = display;
        showJob();
    };
}

void CManual::onShown()
{
    showJob();
    flow_.pageShown();
}

void CManual::onLeft()
{
    flow_.pageLeft();
    for (int side = 0; side < 2; ++side) {
        form_.selectRow(onSide(HoleList, side), 0);
        form_.setText(onSide(Spacing, side), "");
        form_.setText(onSide(Offset, side), "");
    }
}
