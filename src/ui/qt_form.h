#pragma once

#include "platform/form.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>

class QKeyEvent;

// A page's controls as the page logic sees them: Qt widgets registered under their ids.
//
// Supported controls: QLineEdit, QComboBox (editable, with NoInsert), QListWidget, QPushButton,
// QCheckBox, QRadioButton, QLabel and QGroupBox. Text and caption are the same thing, the text
// the control shows. The form forwards the user's actions to handlers by id:
// - clicked: buttons, check boxes and radio buttons;
// - selection changed: the user picked an entry of a list (selecting from the logic never
//   reports);
// - selection cancelled: the user left a list box without a selected row;
// - focus lost: the user moved the focus away, reported after the move (see FocusLostQueue),
//   or pressed Enter in a text field or an editable list, which keep the focus.
class QtForm : public QObject, public Form {
public:
    using Handler = std::function<void()>;

    explicit QtForm(QObject* parent = nullptr);

    void add(ControlId id, QWidget* control);
    QWidget* control(ControlId id) const;

    void onClicked(ControlId id, Handler handler) { handlers(id).clicked = std::move(handler); }
    void onSelectionChanged(ControlId id, Handler handler) { handlers(id).selectionChanged = std::move(handler); }
    void onSelectionCancelled(ControlId id, Handler handler)
    {
        handlers(id).selectionCancelled = std::move(handler);
    }
    void onFocusLost(ControlId id, Handler handler) { handlers(id).focusLost = std::move(handler); }
    // A button the logic recaptions keeps its Alt key on the letter key of every caption it gets;
    // the logic reads and writes the caption without the "&".
    void keepAltKey(ControlId id, QChar key);

    std::string text(ControlId id) const override;
    void setText(ControlId id, const std::string& text) override;
    std::string caption(ControlId id) const override { return text(id); }
    void setCaption(ControlId id, const std::string& caption) override { setText(id, caption); }
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Handlers {
        Handler clicked;
        Handler selectionChanged;
        Handler selectionCancelled;
        Handler focusLost;
    };

    Handlers& handlers(ControlId id) { return handlers_[id]; }
    void listen(ControlId id, QWidget* control);
    void deliverClick(ControlId id, bool checkable);
    void deliverSelection(ControlId id, bool cancelled);
    void deliverFocusLost(ControlId id);
    void postFocusLost(QObject* control);
    bool commitOnEnter(QObject* control, QKeyEvent* event);

    std::map<ControlId, QPointer<QWidget>> controls_;
    std::map<ControlId, Handlers> handlers_;
    std::map<QObject*, ControlId> ids_;
    std::map<ControlId, QChar> altKeys_;
};
