#pragma once

#include "platform/form.h"
#include "platform/page_id.h"
#include "support/temp_dir.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Polls until the condition holds, handling events meanwhile; false after the timeout.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);
// Lets every event and zero-time timer that is already due run.
void settle();
// Shows a window and waits until it is the active window.
bool showActive(QWidget& window);

class QtForm;
// Chooses a row of a list as the operator does: the row shown, then the page told.
void pick(QtForm& form, ControlId list, int row);

class MainWindow;
// The page's controls all lie on it, left of the preview (but on Configurations, which hides it),
// and none covers another.
void expectLaidOut(MainWindow& window, PageId page);

// Each widget test starts from a fresh process's state, in a home folder of its own, with nothing
// waiting for the focus-lost queue and no settings remembered for the user.
class UiTest : public HomeDirTest {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Answers every modal box as soon as it shows, counting the boxes and the most that were open
// at once (one box opening inside another is the fault it is there to catch). As a desktop does,
// it gives the window back its activation as the box closes, before the code that showed the box
// goes on.
class ModalAnswerer {
public:
    explicit ModalAnswerer(QWidget* window);
    int boxes() const { return boxes_; }
    int mostOpenAtOnce() const { return mostOpen_; }

private:
    void answer();

    QWidget* window_;
    QTimer timer_;
    int boxes_ = 0;
    int mostOpen_ = 0;
};
