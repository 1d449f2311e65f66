// Load on the Posts page: a program's setup header back into the page.
#include "pages/c_automatic.h"

#include "pages/page_fields.h"
#include "settings/library_files.h"
#include "setupfile/load_state.h"
#include "setupfile/setup_reader.h"

using namespace posts;

namespace {

int orZero(int value) { return isUnset(value) ? 0 : value; }
float orZero(float value) { return isUnset(value) ? 0.0f : value; }

// The library record whose name begins with the loaded one, selected in the list; the list keeps
// the loaded name and loses its selection when there is none.
template <class Record>
const Record* selectLoaded(Form& form, ControlId list, const std::vector<Record>& library, const std::string& name)
{
    form.selectRow(list, -1);
    form.setText(list, name);
    if (name.empty() || form.selectByPrefix(list, name) < 0)
        return nullptr;
    return libraryRecord(library, form.selectedRecord(list));
}

} // namespace

// The pattern the header recorded: side 1 from its holding fields, side 2's distance, spacing
// and count already in the job, side 2's offsets from the holding fields.
void CAutomatic::takeLoadedPattern()
{
    const HoldingFields::Pattern& h1 = holding.side[0];
    PatternSide& s1 = postJob.side[0];
    s1.distanceFromTop = h1.distanceFromTop;
    s1.spacing = h1.spacing;
    s1.holeCount = h1.holeCount;
    s1.useOffsetting = orZero(h1.useOffsetting);
    postJob.offsetAmount(0) = h1.offsetAmount;
    s1.alternateOffset = s1.useOffsetting == 1 ? orZero(h1.alternateOffset) : 0;

    const HoldingFields::Pattern& h2 = holding.side[1];
    PatternSide& s2 = postJob.side[1];
    s2.useOffsetting = orZero(h2.useOffsetting);
    postJob.offsetAmount(1) = orZero(h2.offsetAmount);
    s2.alternateOffset = s2.useOffsetting == 1 ? orZero(h2.alternateOffset) : 0;
}

// The loaded names selected in the refilled lists; a name that no entry begins with keeps its
// text and leaves the job without that record. A job without a side 2 hole type has none.
void CAutomatic::takeLoadedNames()
{
    refillLists(LibraryKind::Materials, form_, {MaterialList});
    refillLists(LibraryKind::Holes, form_, {HoleList, onSide(HoleList, 1)});
    const MaterialRecord* material = selectLoaded(form_, MaterialList, materialList, holding.materialName);
    postJob.material = material ? *material : MaterialRecord{};
    postJob.materialName = material ? material->name : holding.materialName;
    const HoleRecord* hole1 = selectLoaded(form_, HoleList, holeList, holding.side1HoleName);
    postJob.holeType[0] = hole1 ? *hole1 : HoleRecord{};
    postJob.holeName[0] = hole1 ? hole1->name : holding.side1HoleName;
    // Side 2's name stays as loaded: Run takes the list's spelling only when both sides are cut.
    const HoleRecord* hole2 = selectLoaded(form_, onSide(HoleList, 1), holeList, postJob.holeName[1]);
    postJob.holeType[1] = hole2 ? *hole2 : HoleRecord{};
}

// The job comes back as it was saved, with the sides and display it was saved with; a header
// that does not record them leaves the page's own. Total Number of Posts to Cut stays as it was.
void CAutomatic::fillFromHeader(const LoadedHeader& header)
{
    if (!isUnset(header.sides))
        postJob.sides = header.sides == 2 ? 2 : 1;
    if (!isUnset(header.display))
        sides_.setDisplay(header.display == 0 ? 0 : 1);
    takeLoadedPattern();
    takeLoadedNames();
    sides_.showPattern();
    redraw();
}
