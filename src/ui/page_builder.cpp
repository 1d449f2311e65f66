#include "ui/page_builder.h"

#include "ui/button_press.h"
#include "ui/qt_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace {
constexpr double kPixelsPerUnitX = 6.0 / 4.0;
constexpr double kPixelsPerUnitY = 13.0 / 8.0;

int toPixels(int units, double factor)
{
    return static_cast<int>(std::lround(units * factor));
}
} // namespace

QRect fromDialogUnits(int x, int y, int width, int height)
{
    const int left = toPixels(x, kPixelsPerUnitX);
    const int top = toPixels(y, kPixelsPerUnitY);
    return QRect(left, top, toPixels(x + width, kPixelsPerUnitX) - left, toPixels(y + height, kPixelsPerUnitY) - top);
}

template <class Control>
Control* PageBuilder::place(Control* control, ControlId id, int x, int y, int w, int h)
{
    control->setGeometry(fromDialogUnits(x, y, w, h));
    if (id != kNoId)
        form_.add(id, control);
    return control;
}

QLineEdit* PageBuilder::lineEdit(ControlId id, int x, int y, int w, int h, bool readOnly)
{
    auto* edit = new QLineEdit(page_);
    edit->setReadOnly(readOnly);
    // Tab passes a field that cannot be typed in; a click still takes it, to copy its text.
    if (readOnly)
        edit->setFocusPolicy(Qt::ClickFocus);
    return place(edit, id, x, y, w, h);
}

QComboBox* PageBuilder::editableList(ControlId id, int x, int y, int w, int h)
{
    auto* box = new QComboBox(page_);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(12);
    return place(box, id, x, y, w, h);
}

QListWidget* PageBuilder::listBox(ControlId id, int x, int y, int w, int h)
{
    auto* list = new QListWidget(page_);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return place(list, id, x, y, w, h);
}

QPushButton* PageBuilder::pushButton(ControlId id, const QString& caption, int x, int y, int w, int h)
{
    auto* button = new QPushButton(caption, page_);
    button->setAutoDefault(false);
    pressOnMnemonicAsClicked(button);
    return place(button, id, x, y, w, h);
}

QCheckBox* PageBuilder::checkBox(ControlId id, const QString& caption, int x, int y, int w, int h)
{
    auto* box = new QCheckBox(caption, page_);
    pressOnMnemonicAsClicked(box);
    return place(box, id, x, y, w, h);
}

void PageBuilder::startRadioGroup()
{
    radioGroup_ = new QButtonGroup(page_);
}

QRadioButton* PageBuilder::radioButton(ControlId id, const QString& caption, int x, int y, int w, int h)
{
    auto* radio = new QRadioButton(caption, page_);
    pressOnMnemonicAsClicked(radio);
    if (!radioGroup_)
        startRadioGroup();
    radioGroup_->addButton(radio);
    return place(radio, id, x, y, w, h);
}

QLabel* PageBuilder::label(const QString& caption, int x, int y, int w, int h, ControlId id)
{
    return place(new QLabel(caption, page_), id, x, y, w, h);
}

QGroupBox* PageBuilder::groupBox(const QString& caption, int x, int y, int w, int h, ControlId id)
{
    auto* group = new QGroupBox(caption, page_);
    group->lower(); // behind the controls placed over it
    return place(group, id, x, y, w, h);
}
