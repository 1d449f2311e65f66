#pragma once

#include "platform/form.h"

#include <map>
#include <vector>

// A Form without a display: it keeps every control's state in memory and the order in which
// the logic moved the focus. Tests assert on it; the command-line tool drives pages with it.
class MemoryForm : public Form {
public:
    using Item = ListItem;
    struct Control {
        std::string text;
        std::string caption;
        bool checked = false;
        bool enabled = true;
        bool visible = true;
        std::vector<Item> items;
        int selected = -1;
        // The whole text is selected: typing would replace it.
        bool textSelected = false;
    };

    std::string text(ControlId id) const override;
    void setText(ControlId id, const std::string& text) override;
    std::string caption(ControlId id) const override;
    void setCaption(ControlId id, const std::string& caption) override;
    bool checked(ControlId id) const override;
    void setChecked(ControlId id, bool checked) override;
    bool enabled(ControlId id) const override;
    void setEnabled(ControlId id, bool enabled) override;
    bool visible(ControlId id) const override;
    void setVisible(ControlId id, bool visible) override;
    void setFocus(ControlId id) override;
    void selectAllText(ControlId id) override;

    void clearItems(ControlId id) override;
    void appendItems(ControlId id, const std::vector<ListItem>& items) override;
    void insertItem(ControlId id, int row, const std::string& text, int record) override;
    int itemCount(ControlId id) const override;
    std::string itemText(ControlId id, int row) const override;
    int itemRecord(ControlId id, int row) const override;
    int selectedRow(ControlId id) const override;
    void selectRow(ControlId id, int row) override;

    // The control that has the focus (-1 before the logic moved it) and every move in order.
    ControlId focused() const { return focused_; }
    const std::vector<ControlId>& focusMoves() const { return focusMoves_; }
    std::vector<std::string> itemTexts(ControlId id) const;
    // As on screen: a new text is selected only in the field that has the focus.
    bool textSelected(ControlId id) const { return find(id)->textSelected; }

private:
    const Control* find(ControlId id) const;
    Control& at(ControlId id) { return controls_[id]; }

    std::map<ControlId, Control> controls_;
    ControlId focused_ = -1;
    std::vector<ControlId> focusMoves_;
};
