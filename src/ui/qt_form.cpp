#include "ui/qt_form.h"

#include "ui/focus_lost_queue.h"
#include "ui/text.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStandardItemModel>

#include <algorithm>

namespace {

// An editable list keeps its text when its items or its selection go, as the logic expects.
class KeepEditText {
public:
    explicit KeepEditText(QComboBox* box) : box_(box), text_(box->currentText()) {}
    ~KeepEditText()
    {
        if (box_->isEditable() && box_->currentIndex() < 0)
            box_->setEditText(text_);
    }

private:
    QComboBox* box_;
    QString text_;
};

} // namespace

QtForm::QtForm(QObject* parent) : QObject(parent) {}

void QtForm::add(ControlId id, QWidget* control)
{
    controls_[id] = control;
    ids_[control] = id;
    control->installEventFilter(this);
    listen(id, control);
}

QWidget* QtForm::control(ControlId id) const
{
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second.data();
}

void QtForm::listen(ControlId id, QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, id, button] { deliverClick(id, button->isCheckable()); });
    } else if (auto* box = qobject_cast<QComboBox*>(control)) {
        // activated is the user's choice only; the logic's own selections do not emit it.
        connect(box, &QComboBox::activated, this, [this, id] { deliverSelection(id, false); });
        if (QLineEdit* edit = box->lineEdit()) {
            ids_[edit] = id;
            edit->installEventFilter(this);
        }
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        // Only the user changes a list's selection without blocking its signals, and only on a
        // list that is shown; a list being destroyed may still report.
        connect(list, &QListWidget::itemSelectionChanged, this, [this, id, list] {
            if (list->isVisible())
                deliverSelection(id, selectedRow(id) < 0);
        });
    }
}

void QtForm::deliverClick(ControlId id, bool checkable)
{
    // A field left by this click is checked first. When it was refused with a box, the click
    // is dropped as on a desktop where the box takes the mouse; a check box or radio button
    // has already changed, so the page still hears of it.
    const bool noBox = FocusLostQueue::instance().flush();
    if (!noBox && !checkable)
        return;
    if (auto it = handlers_.find(id); it != handlers_.end() && it->second.clicked)
        it->second.clicked();
}

void QtForm::deliverSelection(ControlId id, bool cancelled)
{
    FocusLostQueue::instance().flush();
    auto it = handlers_.find(id);
    if (it == handlers_.end())
        return;
    const Handler& handler = cancelled ? it->second.selectionCancelled : it->second.selectionChanged;
    if (handler)
        handler();
}

void QtForm::deliverFocusLost(ControlId id)
{
    if (auto it = handlers_.find(id); it != handlers_.end() && it->second.focusLost)
        it->second.focusLost();
}

void QtForm::postFocusLost(QObject* control)
{
    FocusLostQueue& queue = FocusLostQueue::instance();
    auto it = ids_.find(control);
    if (it == ids_.end() || queue.busy())
        return;
    const ControlId id = it->second;
    if (handlers_[id].focusLost) {
        QPointer<QtForm> self(this);
        queue.post([self, id] {
            if (self)
                self->deliverFocusLost(id);
        });
    }
}

bool QtForm::commitOnEnter(QObject* control, QKeyEvent* event)
{
    auto* box = qobject_cast<QComboBox*>(control);
    if (!qobject_cast<QLineEdit*>(control) && !(box && box->isEditable()))
        return false;
    // Enter commits the field as leaving it does, while the field keeps the focus.
    if (!event->isAutoRepeat())
        postFocusLost(control);
    // The field still handles the key (an editable list picks the entry typed), but the key
    // goes no further: passed on to the parents, as an unaccepted key is, it could press a
    // default button or accept a dialog.
    control->event(event);
    event->accept();
    return true;
}

bool QtForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            return commitOnEnter(watched, key);
        return false;
    }
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // Another window took over (a box, another program), a list opened its drop-down or Alt
    // went to the menu bar: the user has not left the field.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
        reason == Qt::MenuBarFocusReason)
        return false;
    postFocusLost(watched);
    return false;
}

void QtForm::keepAltKey(ControlId id, QChar key)
{
    altKeys_[id] = key;
    if (auto* button = qobject_cast<QAbstractButton*>(control(id)))
        setText(id, fromQt(button->text().remove(QLatin1Char('&'))));
}

std::string QtForm::text(ControlId id) const
{
    QWidget* w = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return fromQt(edit->text());
    if (auto* box = qobject_cast<QComboBox*>(w))
        return fromQt(box->currentText());
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return fromQt(altKeys_.count(id) ? QString(button->text()).remove(QLatin1Char('&')) : button->text());
    if (auto* label = qobject_cast<QLabel*>(w))
        return fromQt(label->text());
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return fromQt(group->title());
    return {};
}

void QtForm::setText(ControlId id, const std::string& text)
{
    QWidget* w = control(id);
    const QString value = toQt(text);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(value);
        // Focus-lost handlers run after the focus has moved, so a field they fill may already
        // have the focus: its text is selected, as the move would have selected it, so that
        // typing replaces it instead of adding to it.
        if (edit->hasFocus())
            edit->selectAll();
    } else if (auto* box = qobject_cast<QComboBox*>(w)) {
        if (box->isEditable())
            box->setEditText(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        QString caption = value;
        if (auto key = altKeys_.find(id); key != altKeys_.end()) {
            auto at = caption.indexOf(key->second);
            if (at < 0)
                at = caption.indexOf(key->second, 0, Qt::CaseInsensitive);
            if (at >= 0)
                caption.insert(at, QLatin1Char('&'));
        }
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(value);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(value);
    }
}

bool QtForm::checked(ControlId id) const
{
    auto* button = qobject_cast<QAbstractButton*>(control(id));
    return button && button->isChecked();
}

void QtForm::setChecked(ControlId id, bool checked)
{
    auto* button = qobject_cast<QAbstractButton*>(control(id));
    if (!button)
        return;
    // The logic sets each radio button on its own, as it also clears them; only the user's
    // clicks are exclusive.
    QButtonGroup* group = button->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive)
        group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive)
        group->setExclusive(true);
    // Tab stops at a group's ticked button, as it does after the user ticks one.
    if (checked && group && groupExclusive) {
        for (QAbstractButton* member : group->buttons()) {
            const auto policy = member->focusPolicy();
            member->setFocusPolicy(member == button ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                    : Qt::FocusPolicy(policy & ~Qt::TabFocus));
        }
    }
}

bool QtForm::enabled(ControlId id) const
{
    QWidget* w = control(id);
    return w && !w->testAttribute(Qt::WA_ForceDisabled);
}

void QtForm::setEnabled(ControlId id, bool enabled)
{
    if (QWidget* w = control(id))
        FocusLostQueue::instance().quietly([w, enabled] { w->setEnabled(enabled); });
}

bool QtForm::visible(ControlId id) const
{
    QWidget* w = control(id);
    return w && !w->isHidden();
}

void QtForm::setVisible(ControlId id, bool visible)
{
    if (QWidget* w = control(id))
        FocusLostQueue::instance().quietly([w, visible] { w->setVisible(visible); });
}

void QtForm::setFocus(ControlId id)
{
    if (QWidget* w = control(id))
        FocusLostQueue::instance().quietly([w] { w->setFocus(Qt::OtherFocusReason); });
}

void QtForm::selectAllText(ControlId id)
{
    QWidget* w = control(id);
    if (auto* box = qobject_cast<QComboBox*>(w))
        w = box->lineEdit();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->selectAll();
}

void QtForm::clearItems(ControlId id)
{
    QWidget* w = control(id);
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        const QSignalBlocker blocker(box);
        const KeepEditText keep(box);
        box->clear();
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        const QSignalBlocker blocker(list);
        list->clear();
    }
}

void QtForm::appendItems(ControlId id, const std::vector<ListItem>& items)
{
    QWidget* w = control(id);
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        auto* model = qobject_cast<QStandardItemModel*>(box->model());
        if (!model)
            return;
        const QSignalBlocker blocker(box);
        const bool wasEmpty = box->currentIndex() < 0;
        const KeepEditText keep(box);
        // One insertion of all rows: the model and the view update once, not once per item.
        QList<QStandardItem*> rows;
        rows.reserve(static_cast<qsizetype>(items.size()));
        for (const ListItem& item : items) {
            auto* row = new QStandardItem(toQt(item.text));
            row->setData(QVariant(item.record), Qt::UserRole);
            rows.append(row);
        }
        model->invisibleRootItem()->appendRows(rows);
        if (wasEmpty)
            box->setCurrentIndex(-1); // an insertion never selects
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        const QSignalBlocker blocker(list);
        for (const ListItem& item : items) {
            auto* row = new QListWidgetItem(toQt(item.text), list);
            row->setData(Qt::UserRole, QVariant(item.record));
        }
    }
}

void QtForm::insertItem(ControlId id, int row, const std::string& text, int record)
{
    QWidget* w = control(id);
    row = std::clamp(row, 0, itemCount(id));
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        const QSignalBlocker blocker(box);
        const bool wasEmpty = box->currentIndex() < 0;
        const KeepEditText keep(box);
        box->insertItem(row, toQt(text), QVariant(record));
        if (wasEmpty)
            box->setCurrentIndex(-1); // an insertion never selects
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        const QSignalBlocker blocker(list);
        auto* item = new QListWidgetItem(toQt(text));
        item->setData(Qt::UserRole, QVariant(record));
        list->insertItem(row, item);
    }
}

int QtForm::itemCount(ControlId id) const
{
    QWidget* w = control(id);
    if (auto* box = qobject_cast<QComboBox*>(w))
        return box->count();
    if (auto* list = qobject_cast<QListWidget*>(w))
        return list->count();
    return 0;
}

std::string QtForm::itemText(ControlId id, int row) const
{
    QWidget* w = control(id);
    if (row < 0 || row >= itemCount(id))
        return {};
    if (auto* box = qobject_cast<QComboBox*>(w))
        return fromQt(box->itemText(row));
    if (auto* list = qobject_cast<QListWidget*>(w))
        return fromQt(list->item(row)->text());
    return {};
}

int QtForm::itemRecord(ControlId id, int row) const
{
    QWidget* w = control(id);
    if (row < 0 || row >= itemCount(id))
        return -1;
    QVariant data;
    if (auto* box = qobject_cast<QComboBox*>(w))
        data = box->itemData(row);
    else if (auto* list = qobject_cast<QListWidget*>(w))
        data = list->item(row)->data(Qt::UserRole);
    bool ok = false;
    const int record = data.toInt(&ok);
    return ok ? record : -1;
}

int QtForm::selectedRow(ControlId id) const
{
    QWidget* w = control(id);
    if (auto* box = qobject_cast<QComboBox*>(w))
        return box->currentIndex();
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        return selected.isEmpty() ? -1 : list->row(selected.first());
    }
    return -1;
}

void QtForm::selectRow(ControlId id, int row)
{
    QWidget* w = control(id);
    const bool valid = row >= 0 && row < itemCount(id);
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        const QSignalBlocker blocker(box);
        const KeepEditText keep(box);
        box->setCurrentIndex(valid ? row : -1);
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        const QSignalBlocker blocker(list);
        if (valid) {
            list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        } else {
            list->clearSelection();
        }
    }
}
