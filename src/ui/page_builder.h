#pragma once

#include "platform/form.h"

#include <QRect>
#include <QString>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QWidget;
class QtForm;

// The pages are laid out in dialog units of an 8-point dialog font (base units 6 x 13 pixels),
// so that they leave the preview panel its place at the right.
QRect fromDialogUnits(int x, int y, int width, int height);

// Creates a page's controls at their places, registers each under its id with the page's form,
// and returns it, so that a page binding reads as the page's control list:
//     builder.label("Spacing:", 10, 40, 50, 8);
//     form.onFocusLost(kSpacing, [this] { logic.onSpacingCommitted(); });
//     builder.lineEdit(kSpacing, 70, 38, 60, 12);
class PageBuilder {
public:
    PageBuilder(QWidget* page, QtForm& form) : page_(page), form_(form) {}

    QLineEdit* lineEdit(ControlId id, int x, int y, int w, int h, bool readOnly = false);
    // A drop-down list with editable text that never adds what the user typed.
    QComboBox* editableList(ControlId id, int x, int y, int w, int h);
    QListWidget* listBox(ControlId id, int x, int y, int w, int h);
    QPushButton* pushButton(ControlId id, const QString& caption, int x, int y, int w, int h);
    QCheckBox* checkBox(ControlId id, const QString& caption, int x, int y, int w, int h);
    // Radio buttons after startRadioGroup() form one group, in which a click picks one.
    void startRadioGroup();
    QRadioButton* radioButton(ControlId id, const QString& caption, int x, int y, int w, int h);
    // A label; kNoId leaves it unregistered.
    QLabel* label(const QString& caption, int x, int y, int w, int h, ControlId id = kNoId);
    QGroupBox* groupBox(const QString& caption, int x, int y, int w, int h, ControlId id = kNoId);

    static constexpr ControlId kNoId = -1;

private:
    template <class Control>
    Control* place(Control* control, ControlId id, int x, int y, int w, int h);

    QWidget* page_;
    QtForm& form_;
    QButtonGroup* radioGroup_ = nullptr;
};
