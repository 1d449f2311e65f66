// The Rails page's whole-job part: the job check, its checks and its program for the shared Run,
// Save, Load and Clear, and the page being shown and left.
#include "pages/c_rails.h"

#include "gcode/pattern_program.h"
#include "gcode/run_checks.h"
#include "platform/messages.h"
#include "preview/handover.h"
#include "settings/numbers.h"
#include "setupfile/load_state.h"
#include "setupfile/setup_reader.h"

using namespace rails;

namespace {

using K = NumberKind;

constexpr NumberField kHolesField{kSides[0].holes, kUnsigned, K::Count, "Must Specify Numer of Holes to Cut.",
                                  "Number of Holes to cut must be a positive number."};
constexpr NumberField kDistanceField{kSides[0].distance, kUnsigned, K::Length, "Must Specify Distance to First Hole.",
                                     "Distance to First Hole must be a positive number."};
constexpr NumberField kSpacingField{kSides[0].spacing, kSigned, K::Length, "Must specify a space between holes.",
                                    "Spacing between holes must be a legitimate number."};
constexpr NumberField kOffsetField{kSides[0].offsetAmount, kSigned, K::Length, "Must Specify an offset or turn it off.",
                                   "Offset amount must be a number."};
constexpr NumberField kRiseField{kRailFields[0].rise, kUnsigned, K::Length, nullptr,
                                 "Amount of Rise must be a positive number."};
constexpr NumberField kRunField{kRailFields[0].run, kUnsigned, K::Length, nullptr,
                                "Amount of Run must be a positive number."};

template <class Record>
const Record* selected(Form& form, ControlId list, const std::vector<Record>& library)
{
    return libraryRecord(library, resolveListRecord(form, list));
}

} // namespace

bool CRails::collectRailJob()
{
    const MaterialRecord* material = selected(form_, MaterialList, materialList);
    if (!material) {
        messages_.show("Must Select a Material.");
        return false;
    }
    railJob.material = *material;
    railJob.materialName = material->name;
    for (int s = 0; s < (railJob.sides == 2 ? 2 : 1); ++s) {
        const HoleRecord* hole = selected(form_, kSides[static_cast<size_t>(s)].holeList, holeList);
        if (!hole) {
            messages_.show("Must Select a Hole.");
            return false;
        }
        railJob.holeType[static_cast<size_t>(s)] = *hole;
        railJob.holeName[static_cast<size_t>(s)] = hole->name;
    }
    if (!sides_.collectField(kHolesField, &PatternSide::holeCount) ||
        !sides_.collectField(kDistanceField, &PatternSide::distanceFromTop))
        return false;
    std::string text;
    if (!checkNumberField(form_, messages_, kSpacingField, FieldCheck::Collect, text))
        return false;
    assignNumber(kSpacingField, text, side(0).spacing);
    if (side(0).useOffsetting == 1) {
        if (!checkNumberField(form_, messages_, kOffsetField, FieldCheck::Collect, text))
            return false;
        assignNumber(kOffsetField, text, railJob.offsetAmount(0));
        side(0).alternateOffset = form_.checked(kSides[0].alternate) ? 1 : 0;
    }
    for (const auto& [rule, value] : {std::pair{&kRiseField, &railJob.rise}, {&kRunField, &railJob.run}}) {
        if (!checkNumberField(form_, messages_, *rule, FieldCheck::Collect, text))
            return false;
        if (text.empty())
            *value = 0;
        else
            assignNumber(*rule, text, *value);
    }
    railJob.sides = form_.checked(CutOneSide) ? 1 : 2;
    showLength(form_, kSides[0].spacing, side(0).spacing);
    return true;
}

// The settings without feed rates, the hole types on their stretched lengths, where every hole
// is cut; a settings failure lets the hole types be checked too.
bool CRails::checkJob(const RunContext& run, CheckPurpose, Messages& reasons)
{
    if (!patternJobIsChosen(railJob.material, railJob.holeType, railJob.sides, reasons))
        return false;
    const bool settingsOk = checkSettings(run.settings, std::nullopt, reasons);
    return checkRailHoleTypes(railJob, run, {"", ", side two."}, reasons) && settingsOk &&
           checkRailPlacement(railJob, run, reasons);
}

void CRails::writeProgram(ProgramOutput& out, const RunContext& run) const
{
    writeRailProgramTo(out, railJob, run);
}

void CRails::clear()
{
    refillLists(LibraryKind::Materials, form_, {MaterialList});
    refillLists(LibraryKind::Holes, form_, {kSides[0].holeList, kSides[1].holeList});
    form_.setText(MaterialList, "");
    railJob.material = MaterialRecord{"", kUnsetLength, kUnsetLength, kUnsetLength, kUnsetLength, 0, 0};
    railJob.materialName.clear();
    sides_.clearPattern();
    for (int s = 0; s < 2; ++s) {
        side(s).distanceFromBottom = kUnsetLength;
        for (ControlId RailFields::*field : {&RailFields::bottom, &RailFields::rise, &RailFields::run})
            form_.setText(kRailFields[static_cast<size_t>(s)].*field, "");
        previousCount_[static_cast<size_t>(s)] = 0;
    }
    forgetPageCounts();
    railJob.rise = railJob.run = 0;
    slope_ = {};
    for (int s = 0; s < 2; ++s)
        sides_.noOffsetting(s);
    form_.setFocus(MaterialList);
    ClearPreview(PageId::Rails);
}

// The job's values in the fields: unset values, and 0 for the distances and the slope, empty.
void CRails::showJob()
{
    const auto showSet = [&](ControlId field, float value) {
        showLength(form_, field, value == 0 ? kUnsetLength : value);
    };
    for (int s = 0; s < 2; ++s) {
        const RailSide& rs = side(s);
        showSet(kSides[static_cast<size_t>(s)].distance, rs.distanceFromTop);
        showLength(form_, kSides[static_cast<size_t>(s)].spacing, rs.spacing);
        showCount(form_, kSides[static_cast<size_t>(s)].holes, rs.holeCount);
        showSet(kRailFields[static_cast<size_t>(s)].bottom, rs.distanceFromBottom);
        showSet(kRailFields[static_cast<size_t>(s)].rise, railJob.rise);
        showSet(kRailFields[static_cast<size_t>(s)].run, railJob.run);
    }
}

// The job as the header recorded it: names straight from the header, the pattern from the holding
// fields, the sides and display as they were saved; side 2 is never filled from side 1.
void CRails::fillFromHeader(const LoadedHeader& header)
{
    if (!isUnset(header.sides))
        railJob.sides = header.sides == 2 ? 2 : 1;
    if (!isUnset(header.display))
        sides_.setDisplay(header.display == 0 ? 0 : 1);
    for (int s = 0; s < 2; ++s) {
        const HoldingFields::Pattern& h = holding.side[static_cast<size_t>(s)];
        RailSide& rs = side(s);
        rs.distanceFromTop = h.distanceFromTop;
        rs.spacing = h.spacing;
        rs.holeCount = h.holeCount;
        rs.useOffsetting = isUnset(h.useOffsetting) ? 0 : h.useOffsetting;
        railJob.offsetAmount(s) = h.offsetAmount;
        rs.alternateOffset = rs.useOffsetting == 1 && !isUnset(h.alternateOffset) ? h.alternateOffset : 0;
        rs.distanceFromBottom = s == 0 ? holding.distanceFromBottom : kUnsetLength;
        previousCount_[static_cast<size_t>(s)] = isUnset(rs.holeCount) ? 0 : rs.holeCount;
        countByPage_[static_cast<size_t>(s)] = false;
    }
    railJob.rise = isUnset(holding.rise) ? 0.0f : holding.rise;
    railJob.run = isUnset(holding.run) ? 0.0f : holding.run;
    refillLists(LibraryKind::Materials, form_, {MaterialList});
    refillLists(LibraryKind::Holes, form_, {kSides[0].holeList, kSides[1].holeList});
    const auto pick = [&](ControlId list, const std::string& name) {
        form_.selectRow(list, -1);
        form_.setText(list, name);
        return name.empty() || form_.selectByPrefix(list, name) < 0 ? -1 : form_.selectedRecord(list);
    };
    // Names come back upper-cased; the library's own spelling is taken where one matches.
    const MaterialRecord* material = libraryRecord(materialList, pick(MaterialList, railJob.materialName));
    railJob.material = material ? *material : MaterialRecord{};
    if (material)
        railJob.materialName = material->name;
    for (int s = 0; s < 2; ++s) {
        const auto index = static_cast<size_t>(s);
        const HoleRecord* hole = libraryRecord(holeList, pick(kSides[index].holeList, railJob.holeName[index]));
        railJob.holeType[index] = hole ? *hole : HoleRecord{};
        if (hole)
            railJob.holeName[index] = hole->name;
    }
    takeSlope();
    showJob();
    sides_.showPattern();
    enableSide2Rows(railJob.sides == 2);
    redraw();
    onRiseCommitted();
}

// The job's names in the lists, its values in the fields and its slope, drawn.
void CRails::showWholeJob()
{
    refillLists(LibraryKind::Materials, form_, {MaterialList});
    refillLists(LibraryKind::Holes, form_, {kSides[0].holeList, kSides[1].holeList});
    showJob();
    form_.setText(MaterialList, railJob.materialName);
    if (!railJob.materialName.empty())
        form_.selectByPrefix(MaterialList, railJob.materialName);
    sides_.selectHoleNames();
    if (railJob.holeType[0].name.empty())
        clear();
    takeSlope();
    sides_.showPattern();
    enableSide2Rows(railJob.sides == 2);
    redraw();
}

std::function<void()> CRails::keptJob()
{
    SavedPatternJob<RailJob> kept;
    kept.keep(railJob);
    return [this, kept, counts = KeptCounts{previousCount_, countByPage_}, display = sides_.display()] {
        kept.restore(railJob);
        previousCount_ = counts.previous;
        countByPage_ = counts.byPage;
        sides_.setDisplay(display);
        showWholeJob();
        for (int s = 0; s < 2; ++s)
            sides_.showOffsetting(s);
        onRiseCommitted();
    };
}

void CRails::onShown()
{
    leaving_ = false;
    saved_.restore(railJob);
    previousCount_ = keptCounts_.previous;
    countByPage_ = keptCounts_.byPage;
    showWholeJob();
    // A file handed over has been laid out by its own Rise handler already.
    const bool handedOver = flow_.pageShown();
    for (int s = 0; s < 2; ++s)
        sides_.showOffsetting(s);
    if (!handedOver)
        onRiseCommitted();
}

void CRails::onLeft()
{
    flow_.pageLeft();
    saved_.keep(railJob);
    keptCounts_ = {previousCount_, countByPage_};
    leaving_ = true;
    clear();
}
