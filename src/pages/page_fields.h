#pragma once

#include "platform/form.h"
#include "settings/library_files.h"

#include <string>
#include <vector>

// Helpers the pages share for their fields and lists.

// A length with "%.3f", or an empty field when it is unset.
void showLength(Form& form, ControlId id, float value);
// A count with "%d", or an empty field when it is unset.
void showCount(Form& form, ControlId id, int value);

// The library record named by a list's text: the selected item when its text is the list's text,
// otherwise the first item whose text begins with it (letter case ignored), which is then
// selected. -1 when the text is empty or names no item.
int resolveListRecord(Form& form, ControlId list);

// The record at a list item's index, or null for an index outside the library.
template <class Record>
const Record* libraryRecord(const std::vector<Record>& library, int index)
{
    return index >= 0 && index < static_cast<int>(library.size()) ? &library[index] : nullptr;
}

// Empties the lists and fills them from the library file again.
void refillLists(LibraryKind kind, Form& form, std::initializer_list<ControlId> lists);

// "%s\%s" of the current tap file, as every page shows it.
std::string currentTapFileText();
