#pragma once

#include "pages/c_automatic.h"
#include "ui/qt_form.h"

class MainWindow;

// The Posts page's widgets, bound to its logic and put on the first tab of the main window.
class PostsPage {
public:
    explicit PostsPage(MainWindow& window);

    QtForm& form() { return form_; }
    CAutomatic& logic() { return logic_; }

private:
    QWidget* build();
    void bind();

    QtForm form_;
    CAutomatic logic_;
};
