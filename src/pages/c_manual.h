#pragma once

#include "pages/program_source.h"
#include "gcode/output/job_records.h"
#include "pages/manual_controls.h"
#include "pages/tap_file_load.h"

#include <array>

class FileDialogs;
class Messages;
class Sheet;

// The Manual page: holes placed one by one on each face of a post, each with its own hole type,
// spacing from the hole above and offset. It edits the process-wide manualJob.
class CManual : public ProgramSource {
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
    bool composeProgram(ProgramOutput& out, Messages& reasons) override;
    void onShown();
    void onLeft();

    // 1 Overlay Sides, 0 Display Sides Apart.
    int display() const { return display_; }
    // The job check before Run and Save; false after its message.
    bool collectManualJob();
    // Run: every check, the program, then the job list; on success the window closes or minimises.
    void runManual();

private:
    int& count(int side);
    void rebuildLists();
    void fillHoleLists();
    void emptySides();
    void showOffsetToggle(int side);
    void showSidesChoice();
    bool readPlacedHole(int side, PlacedHole& hole);
    int selectedSlot(int side) const;
    void redraw();
    void drawHoles(int side, int pen);
    void clear();
    void save();
    LoadingPage loading();
    void fillFromHeader(const RecordedChoices& choices);
    void takeLoadedHoles(int side);

    Form& form_;
    Messages& messages_;
    FileDialogs& dialogs_;
    Sheet& window_;
    int display_ = 0;
    int side2Count_ = 0;
    std::array<int, 2> selectedRow_{-1, -1};
};
