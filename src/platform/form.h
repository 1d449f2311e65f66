#pragma once

#include <string>
#include <vector>

// The controls of one page, addressed by id. Page logic reads and sets its controls only through
// this interface, so that the same logic runs on Qt widgets, on a recording fake in tests, and
// headless in the command-line tool.
using ControlId = int;

// A list item: its text and the index of its library record (-1 for items such as "(None)").
struct ListItem {
    std::string text;
    int record = -1;
};

class Form {
public:
    virtual ~Form() = default;

    // Edit text of fields and editable lists.
    virtual std::string text(ControlId id) const = 0;
    virtual void setText(ControlId id, const std::string& text) = 0;
    // Caption of buttons, check boxes and labels.
    virtual std::string caption(ControlId id) const = 0;
    virtual void setCaption(ControlId id, const std::string& caption) = 0;

    virtual bool checked(ControlId id) const = 0;
    virtual void setChecked(ControlId id, bool checked) = 0;
    virtual bool enabled(ControlId id) const = 0;
    virtual void setEnabled(ControlId id, bool enabled) = 0;
    virtual bool visible(ControlId id) const = 0;
    virtual void setVisible(ControlId id, bool visible) = 0;
    virtual void setFocus(ControlId id) = 0;
    // Selects the whole text of a field, so that what is typed next replaces it.
    virtual void selectAllText(ControlId id) = 0;

    // Lists: each item carries the index of its library record (-1 for items such as "(None)").
    virtual void clearItems(ControlId id) = 0;
    // Adds items keeping the list sorted by text without regard to letter case; items of equal
    // text keep their order, after those already listed. The items are sorted once and an empty
    // list is filled in order, so that a library of any size is listed at once.
    void addSortedItems(ControlId id, std::vector<ListItem> items);
    void addSortedItem(ControlId id, const std::string& text, int record) { addSortedItems(id, {{text, record}}); }
    // Adds items after the last one, in the order given.
    virtual void appendItems(ControlId id, const std::vector<ListItem>& items) = 0;
    virtual void insertItem(ControlId id, int row, const std::string& text, int record) = 0;
    virtual int itemCount(ControlId id) const = 0;
    virtual std::string itemText(ControlId id, int row) const = 0;
    virtual int itemRecord(ControlId id, int row) const = 0;
    virtual int selectedRow(ControlId id) const = 0;
    // Selects a row (-1 clears the selection). An editable list then shows the row's text.
    // Selecting from the logic never runs the page's selection handler.
    virtual void selectRow(ControlId id, int row) = 0;

    // Selects the first item whose text begins with prefix, letter case ignored, and returns its
    // row; returns -1 and leaves the selection alone when there is none.
    int selectByPrefix(ControlId id, const std::string& prefix);
    // The record index of the selected item, or -1 when nothing is selected.
    int selectedRecord(ControlId id) const;
};
