#include "platform/memory_form.h"

#include <algorithm>

namespace {
const MemoryForm::Control kDefault{};
}

const MemoryForm::Control* MemoryForm::find(ControlId id) const
{
    auto it = controls_.find(id);
    return it == controls_.end() ? &kDefault : &it->second;
}

std::string MemoryForm::text(ControlId id) const { return find(id)->text; }
void MemoryForm::setText(ControlId id, const std::string& text)
{
    Control& c = at(id);
    c.text = text;
    c.textSelected = focused_ == id;
}

std::string MemoryForm::caption(ControlId id) const { return find(id)->caption; }
void MemoryForm::setCaption(ControlId id, const std::string& caption) { at(id).caption = caption; }
bool MemoryForm::checked(ControlId id) const { return find(id)->checked; }
void MemoryForm::setChecked(ControlId id, bool checked) { at(id).checked = checked; }
bool MemoryForm::enabled(ControlId id) const { return find(id)->enabled; }
void MemoryForm::setEnabled(ControlId id, bool enabled) { at(id).enabled = enabled; }
bool MemoryForm::visible(ControlId id) const { return find(id)->visible; }
void MemoryForm::setVisible(ControlId id, bool visible) { at(id).visible = visible; }

void MemoryForm::setFocus(ControlId id)
{
    focused_ = id;
    focusMoves_.push_back(id);
}

void MemoryForm::selectAllText(ControlId id)
{
    at(id).textSelected = true;
}

void MemoryForm::clearItems(ControlId id)
{
    Control& c = at(id);
    c.items.clear();
    c.selected = -1;
}

void MemoryForm::appendItems(ControlId id, const std::vector<ListItem>& items)
{
    auto& listed = at(id).items;
    listed.insert(listed.end(), items.begin(), items.end());
}

void MemoryForm::insertItem(ControlId id, int row, const std::string& text, int record)
{
    Control& c = at(id);
    row = std::clamp(row, 0, static_cast<int>(c.items.size()));
    c.items.insert(c.items.begin() + row, Item{text, record});
    if (c.selected >= row)
        ++c.selected;
}

int MemoryForm::itemCount(ControlId id) const { return static_cast<int>(find(id)->items.size()); }

std::string MemoryForm::itemText(ControlId id, int row) const
{
    const auto& items = find(id)->items;
    return row >= 0 && row < static_cast<int>(items.size()) ? items[row].text : std::string();
}

int MemoryForm::itemRecord(ControlId id, int row) const
{
    const auto& items = find(id)->items;
    return row >= 0 && row < static_cast<int>(items.size()) ? items[row].record : -1;
}

int MemoryForm::selectedRow(ControlId id) const { return find(id)->selected; }

void MemoryForm::selectRow(ControlId id, int row)
{
    Control& c = at(id);
    if (row < 0 || row >= static_cast<int>(c.items.size())) {
        c.selected = -1;
        return;
    }
    c.selected = row;
    c.text = c.items[row].text;
}

std::vector<std::string> MemoryForm::itemTexts(ControlId id) const
{
    std::vector<std::string> texts;
    for (const Item& item : find(id)->items)
        texts.push_back(item.text);
    return texts;
}
