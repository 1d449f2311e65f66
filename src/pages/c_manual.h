#pragma once

#include "gcode/output/job_records.h"
#include "pages/cutting_page.h"
#include "pages/job_flow.h"
#include "pages/manual_controls.h"
#include "pages/program_source.h"

#include <array>

class FileDialogs;
class Messages;
class Sheet;

// The Manual page: holes placed one by one on each face of a post, each with its own hole type,
// spacing from the hole above and offset. It edits the process-wide manualJob; Run, Save, Load and
// Clear are the flow the cutting pages share.
class CManual : public ProgramSource, private CuttingPage {
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
    void onSaveClicked() { flow_.save(); }
    void onLoadClicked() { flow_.load(); }
    void onClearClicked() { flow_.clear(); }
    void onRunClicked() { flow_.run(); }
    bool composeProgram(ProgramOutput& out, Messages& reasons, ProgramReport& report) override
    {
        return flow_.compose(out, reasons, report);
    }
    using ProgramSource::composeProgram;
    void onShown();
    void onLeft();

    // 1 Overlay Sides, 0 Display Sides Apart.
    int display() const override { return display_; }
    // The job check before Run and Save; false after its message.
    bool collectManualJob();
    // Run: every check, the program, then the job list; on success the window closes or minimises.
    void runManual() { flow_.run(); }
    JobFlow& flow() { return flow_; }

private:
    PageId pageId() const override { return PageId::Manual; }
    bool collectJob() override { return collectManualJob(); }
    bool checkJob(const RunContext& run, CheckPurpose purpose, Messages& reasons) override;
    void writeProgram(ProgramOutput& out, const RunContext& run) const override;
    int sidesCut() const override { return manualJob.sides; }
    void clearJob() override { clear(); }
    void fillFromHeader(const LoadedHeader& header) override;
    std::function<void()> keptJob() override;

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
    void showJob();
    void takeLoadedHoles(int side);

    Form& form_;
    Messages& messages_;
    int display_ = 0;
    int side2Count_ = 0;
    std::array<int, 2> selectedRow_{-1, -1};
    JobFlow flow_;
};
