#pragma once

#include "pages/c_manual.h"
#include "ui/qt_form.h"

class MainWindow;

// The Manual page's widgets, bound to its logic and put on the second tab of the main window.
class ManualPage {
public:
    explicit ManualPage(MainWindow& window);

    QtForm& form() { return form_; }
    CManual& logic() { return logic_; }

private:
    QWidget* build();
    void bind();
    void bindSide(int side);

    QtForm form_;
    CManual logic_;
};
