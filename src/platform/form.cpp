#include "platform/form.h"

#include "platform/text_compare.h"

int Form::selectByPrefix(ControlId id, const std::string& prefix)
{
    const int count = itemCount(id);
    for (int row = 0; row < count; ++row) {
        if (startsWithNoCase(itemText(id, row), prefix)) {
            selectRow(id, row);
            return row;
        }
    }
    return -1;
}

int Form::selectedRecord(ControlId id) const
{
    const int row = selectedRow(id);
    return row < 0 || row >= itemCount(id) ? -1 : itemRecord(id, row);
}
