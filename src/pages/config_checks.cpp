#include "pages/config_checks.h"

#include "pages/config_fields.h"
#include "platform/messages.h"
#include "settings/numbers.h"
#include "settings/settings.h"

#include <climits>
#include <string>
#include <vector>

namespace config {

namespace {

// A field's rule, whether it must be filled in, and for a count the range it may hold.
struct FieldRule {
    const NumberField* rule;
    ControlId id;
    bool required = false;
    int lowest = INT_MIN;
    int highest = INT_MAX;
};

std::vector<FieldRule> fieldsInStoreOrder(const Form& form)
{
    std::vector<FieldRule> fields = {
        {&kLeadIn, LeadIn},
        {&kExit, Exit},
        {&kHeads, Heads, false, 1, kMaxHeads},
        {&kTimesToLoop, TimesToLoop, false, 1, kFixturePositions},
        {&kClearance, Clearance},
        {&kDepth, Depth},
    };
    if (form.visible(Maximum))
        fields.push_back({&kMaximum, Maximum});
    // The default rates stop below the unset marker, which a Run would take for no rate at all.
    fields.insert(fields.end(), {{&kCutRate, CutRate},
                                 {&kPlungeRate, PlungeRate},
                                 {&kDefaultCutRate, DefaultCutRate, true, 1, kUnsetCount - 1},
                                 {&kDefaultPlungeRate, DefaultPlungeRate, true, 1, kUnsetCount - 1}});
    // A position that Times to Loop leaves disabled is neither typed in nor read.
    for (int k = 1; k <= kFixturePositions; ++k) {
        if (k == 1 || form.enabled(positionX(k)))
            fields.push_back({&kPositionX, positionX(k)});
    }
    fields.insert(fields.end(), {{&kFixtureY, FixtureY},
                                 {&kEndX, EndX},
                                 {&kEndY, EndY},
                                 {&kTableLowX, TableLowX},
                                 {&kTableLowY, TableLowY},
                                 {&kTableHighX, TableHighX},
                                 {&kTableHighY, TableHighY},
                                 {&kTableBorder, TableBorder},
                                 {&kMaterialLength, MaterialLength},
                                 {&kMaterialWidth, MaterialWidth},
                                 {&kMaterialHeight, MaterialHeight},
                                 {&kMaterialThickness, MaterialThickness},
                                 {&kHoleLength, HoleLength},
                                 {&kHoleWidth, HoleWidth},
                                 {&kHoleRadius, HoleRadius},
                                 {&kBitDiameter, BitDiameter}});
    return fields;
}

bool outOfRange(const FieldRule& field, const std::string& text)
{
    if (text.empty() || field.rule->kind != NumberKind::Count)
        return false;
    const int value = leadingInt(text);
    return value < field.lowest || value > field.highest;
}

} // namespace

bool checkConfigFields(Form& form, Messages& messages)
{
    for (const FieldRule& field : fieldsInStoreOrder(form)) {
        const FieldCheck when = field.required ? FieldCheck::Collect : FieldCheck::Leave;
        std::string text;
        if (!checkNumberField(form, messages, *field.rule, when, text, field.id))
            return false;
        if (outOfRange(field, text)) {
            messages.show(field.rule->invalid);
            form.setFocus(field.id);
            return false;
        }
    }
    return true;
}

} // namespace config
