#pragma once

#include "pages/c_rails.h"
#include "ui/qt_form.h"

class MainWindow;

// The Rails page's widgets, bound to its logic and put on the third tab of the main window.
class RailsPage {
public:
    explicit RailsPage(MainWindow& window);

    QtForm& form() { return form_; }
    CRails& logic() { return logic_; }

private:
    QWidget* build();
    void bind();

    QtForm form_;
    CRails logic_;
};
