#include "platform/form.h"

#include "platform/text_compare.h"

#include <algorithm>

namespace {
bool sortsBefore(const ListItem& a, const ListItem& b)
{
    return compareNoCase(a.text, b.text) < 0;
}
} // namespace

void Form::addSortedItems(ControlId id, std::vector<ListItem> items)
{
    std::stable_sort(items.begin(), items.end(), sortsBefore);
    if (itemCount(id) == 0) {
        appendItems(id, items);
        return;
    }
    for (ListItem& item : items) {
        // After the last listed item that does not sort after it.
        int low = 0;
        int high = itemCount(id);
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (compareNoCase(item.text, itemText(id, middle)) < 0)
                high = middle;
            else
                low = middle + 1;
        }
        insertItem(id, low, item.text, item.record);
    }
}

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
