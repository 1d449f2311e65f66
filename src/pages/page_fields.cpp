#include "pages/page_fields.h"

#include "platform/messages.h"
#include "settings/numbers.h"
#include "settings/settings.h"
#include "settings/text_helpers.h"

#include <cmath>

bool isNumberFor(const NumberField& rule, const std::string& text)
{
    if (rule.mode == kDigitsOnly)
        return text.find_first_not_of("0123456789") == std::string::npos;
    if (IsNumberText(text, rule.mode))
        return std::isfinite(leadingFloat(text));
    const std::optional<double> fraction = rule.kind == NumberKind::Length ? fractionValue(text, rule.mode) : std::nullopt;
    return fraction && std::isfinite(static_cast<float>(*fraction));
}

void showFractionAsDecimal(Form& form, const NumberField& rule, const std::string& text, ControlId id)
{
    if (rule.kind == NumberKind::Length && !IsNumberText(text, rule.mode))
        form.setText(id < 0 ? rule.id : id, fixed3(static_cast<float>(readLengthText(text, rule.mode).value_or(0))));
}

bool checkNumberField(Form& form, Messages& messages, const NumberField& rule, FieldCheck when,
                      std::string& text, ControlId id)
{
    const ControlId field = id < 0 ? rule.id : id;
    text = form.text(field);
    const char* problem = nullptr;
    if (text.empty())
        problem = when == FieldCheck::Collect ? rule.missing : nullptr;
    else if (!isNumberFor(rule, text))
        problem = when == FieldCheck::Leave && rule.invalidOnLeave ? rule.invalidOnLeave : rule.invalid;
    if (!problem) {
        showFractionAsDecimal(form, rule, text, field);
        return true;
    }
    messages.show(problem);
    form.setFocus(field);
    form.selectAllText(field);
    return false;
}

template <class Value>
void assignNumber(const NumberField& rule, const std::string& text, Value& value)
{
    if (rule.kind == NumberKind::Count)
        value = static_cast<Value>(leadingInt(text));
    else
        value = static_cast<Value>(lengthFieldValue(text, rule.mode, static_cast<float>(value)));
}

template void assignNumber<float>(const NumberField&, const std::string&, float&);
template void assignNumber<int>(const NumberField&, const std::string&, int&);

void showLength(Form& form, ControlId id, float value)
{
    form.setText(id, isUnset(value) ? std::string() : fixed3(value));
}

void showCount(Form& form, ControlId id, int value)
{
    form.setText(id, isUnset(value) ? std::string() : std::to_string(value));
}

int resolveListRecord(Form& form, ControlId list)
{
    const std::string text = form.text(list);
    if (text.empty())
        return -1;
    const int row = form.selectedRow(list);
    if (row >= 0 && form.itemText(list, row) == text)
        return form.itemRecord(list, row);
    return form.selectByPrefix(list, text) < 0 ? -1 : form.selectedRecord(list);
}

void refillLists(LibraryKind kind, Form& form, std::initializer_list<ControlId> lists)
{
    std::vector<ListTarget> targets;
    for (ControlId list : lists) {
        form.clearItems(list);
        targets.push_back({form, list});
    }
    LoadSaveFile(kind, targets);
}

