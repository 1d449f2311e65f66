// The Configurations page's library sections: Save and Delete of materials, hole types and bits.
#include "pages/c_config.h"

#include "gcode/output/job_records.h"
#include "pages/config_fields.h"
#include "platform/messages.h"
#include "settings/library_files.h"
#include "settings/numbers.h"
#include "settings/settings.h"

#include <algorithm>

using namespace config;

namespace {

// Every setup header carries the names quoted, so a double quote would end one early and the job
// could not be loaded back; control characters would break its line.
bool nameFits(const std::string& name)
{
    if (name.size() > kNameLimit)
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '"' || byte < 32 || byte == 127;
    });
}

constexpr const char* kNameRule = "Names can be at most 99 characters and cannot hold a double quote.";

} // namespace

// The name box's text as the record's new name; false, with the message, when there is none or
// it cannot be stored.
bool CConfig::takeName(ControlId nameBox, const char* missing, std::string& name)
{
    const std::string text = form_.text(nameBox);
    const char* problem = text.empty() ? missing : !nameFits(text) ? kNameRule : nullptr;
    if (problem) {
        messages_.show(problem);
        form_.setFocus(nameBox);
        return false;
    }
    name = text;
    return true;
}

template <class Value>
bool CConfig::takeField(const NumberField& rule, Value& target)
{
    std::string text;
    if (!checkNumberField(form_, messages_, rule, FieldCheck::Collect, text))
        return false;
    assignNumber(rule, text, target);
    return true;
}

// An empty rate, one below 1 and the unset one are the setting's; the job takes the rate too.
bool CConfig::takeRate(const NumberField& rule, int& rate, int& effective, int setting)
{
    std::string text;
    if (!checkNumberField(form_, messages_, rule, FieldCheck::Collect, text))
        return false;
    const int value = text.empty() ? setting : leadingInt(text);
    rate = effective = value < 1 || isUnset(value) ? setting : value;
    return true;
}

bool CConfig::takeMaterialFields()
{
    MaterialRecord& m = currentMaterial;
    if (!takeField(kMaterialLength, m.length) || !takeField(kMaterialWidth, m.width))
        return false;
    std::string thickness;
    if (!checkNumberField(form_, messages_, kMaterialThickness, FieldCheck::Collect, thickness))
        return false;
    if (thickness.empty())
        m.thickness = 0;
    else
        assignNumber(kMaterialThickness, thickness, m.thickness);
    return takeField(kMaterialHeight, m.height) &&
           takeRate(kPlungeRate, m.plungerate, sectionRates_.plunge, gs.plungefeed) &&
           takeRate(kCutRate, m.cutrate, sectionRates_.cut, gs.cutfeed);
}

// A refused name keeps the section as typed: only a Save that took the name shows the record
// again.
void CConfig::onMaterialSaveClicked()
{
    if (!takeName(MaterialName, "Must Name the Material Configuration", currentMaterial.name))
        return;
    if (takeMaterialFields())
        tellFailedSave(AddToSaveFile(LibraryKind::Materials, messages_), "Can not open posts save file.");
    refillLists(LibraryKind::Materials, form_, {MaterialName});
    form_.selectByPrefix(MaterialName, currentMaterial.name);
    showMaterial();
}

void CConfig::onHoleSaveClicked()
{
    HoleRecord& h = currentHole;
    if (!takeName(HoleName, "Must Name the Hole Configuration", h.name))
        return;
    if (takeField(kHoleLength, h.length) && takeField(kHoleWidth, h.width) && takeField(kHoleRadius, h.radius)) {
        h.subprogram = form_.checked(Subprogram) ? 1 : 0;
        tellFailedSave(AddToSaveFile(LibraryKind::Holes, messages_), "Can not open holes save file.");
    }
    refillLists(LibraryKind::Holes, form_, {HoleName});
    form_.setText(HoleName, currentHole.name);
    form_.selectByPrefix(HoleName, currentHole.name);
    showHole(true);
}

void CConfig::onBitSaveClicked()
{
    if (!takeName(BitName, "Must Name the Bit Configuration", gs.bitname))
        return;
    if (takeField(kBitDiameter, gs.bit))
        tellFailedSave(AddToSaveFile(LibraryKind::Bits, messages_), "Can not open bits save file.");
    refillLists(LibraryKind::Bits, form_, {BitName});
    form_.setText(BitName, gs.bitname);
    form_.selectByPrefix(BitName, gs.bitname);
    showLength(form_, BitDiameter, gs.bit);
}

// The section's sentence, then the file and the system's reason.
void CConfig::tellFailedSave(const WriteResult& saved, const char* sentence)
{
    if (!saved)
        messages_.show(std::string(sentence) + "\n" + saved.line());
}

// Removes the current record of the kind; false when nothing was to be done or it stays.
bool CConfig::removeCurrent(LibraryKind kind, ControlId nameBox, const char* missing, const char* cannotOpen)
{
    if (form_.text(nameBox).empty()) {
        messages_.show(missing);
        return false;
    }
    WriteResult failure = WriteResult::written();
    const RemoveResult result = RemoveFromSaveFile(kind, messages_, &failure);
    if (result == RemoveResult::CannotOpen)
        tellFailedSave(failure, cannotOpen);
    if (result == RemoveResult::CannotOpen || result == RemoveResult::Cancelled)
        return false;
    refillLists(kind, form_, {nameBox});
    form_.setText(nameBox, "");
    return true;
}

void CConfig::onMaterialDeleteClicked()
{
    if (!removeCurrent(LibraryKind::Materials, MaterialName, "Must Select a Material Configuration",
                       "Can not open materials save file."))
        return;
    currentMaterial = MaterialRecord{"", kUnsetLength, kUnsetLength, kUnsetLength, kUnsetLength, kUnsetCount, kUnsetCount};
    showMaterial();
}

void CConfig::onHoleDeleteClicked()
{
    if (!removeCurrent(LibraryKind::Holes, HoleName, "Must Select a Hole Configuration", "Can not open holes save file."))
        return;
    currentHole = HoleRecord{"", kUnsetLength, kUnsetLength, kUnsetLength, 0};
    showHole(false);
}

void CConfig::onBitDeleteClicked()
{
    if (!removeCurrent(LibraryKind::Bits, BitName, "Must Select a Bit Configuration", "Can not open bits save file."))
        return;
    gs.bit = kUnsetLength;
    gs.bitname.clear();
    form_.setText(BitDiameter, "");
}
