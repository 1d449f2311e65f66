#include "pages/page_fields.h"

#include "platform/text_compare.h"
#include "settings/numbers.h"
#include "settings/settings.h"
#include "setupfile/current_tap_file.h"

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

std::string currentTapFileText()
{
    return currentTapFilePath();
}
