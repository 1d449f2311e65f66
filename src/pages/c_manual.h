#pragma once

#include "pages/manual_controls.h"
#include "pages/tap_file_load.h"

class FileDialogs;
class Messages;
class Sheet;

// The Manual page: holes placed one by one on each face of a post, each with its own hole type,
// spacing from the hole above and offset. It edits the process-wide manualJob.
class CManual {
public:
    CManual(Form& form, Messages& messages, FileDialogs& dialogs, Sheet& window);

    // The controls' state when the page is created.
    void create();

    void onMaterialSelected();
    void onRowSelected(int side);
    void onRowSelectionCancelled(int side);
    void onOffsetToggled(int side);
    void onAddClicked(int side);
    void onRemoveClicked(int side);
    void onChangeClicked(int side);
    void onCutOneSideClicked();
    void onCutBothSidesClicked();
    void onOverlayClicked();
    void onApartClicked();
    void onSaveClicked();
    void onLoadClicked();
    void onClearClicked();
    void onRunClicked();
    void onShown();
    void onLeft();

    // 1 Overlay Sides, 0 Display Sides Apart.
    int display() const { return display_; }
    // The job check before Run and Save; false after its message.
    bool collectManualJob();
    // Run: every check, the program, then the job list; on success the window closes or minimises.
    void runManual();

private:
    Form& form_;
    Messages& messages_;
    FileDialogs& dialogs_;
    Sheet& window_;
    int display_ = 0;
};
