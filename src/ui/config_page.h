#pragma once

#include "pages/c_config.h"
#include "ui/qt_form.h"

class MainWindow;

// The Configurations page's widgets, bound to its logic and put on the fourth tab of the main
// window. The page has the whole tab: the preview is hidden while it is shown.
class ConfigPage {
public:
    explicit ConfigPage(MainWindow& window);

    QtForm& form() { return form_; }
    CConfig& logic() { return logic_; }

private:
    QWidget* build();
    void bind();
    void placeNote(MainWindow& window);

    QtForm form_;
    CConfig logic_;
};
