#pragma once

#include "gcode/output/job_records.h"
#include "pages/cutting_page.h"
#include "pages/job_flow.h"
#include "pages/pattern_sides.h"
#include "pages/posts_controls.h"
#include "pages/program_source.h"

class FileDialogs;
class Sheet;
class Messages;

// The Posts page: a regular pattern of rail holes down one or two faces of a post. It edits the
// process-wide postJob through its controls and redraws the preview after every change; Run,
// Save, Load and Clear are the flow the cutting pages share.
class CAutomatic : public PatternSideEvents, public ProgramSource, private CuttingPage {
public:
    CAutomatic(Form& form, Messages& messages, FileDialogs& dialogs, Sheet& window);

    // The controls' state when the page is created.
    void create();

    void onMaterialSelected();
    void onHoleSelected() override;
    void onSide2HoleFocusLost() override;
    // Each field commit takes both sides' fields, whichever side was left.
    void onDistanceCommitted(int side) override;
    void onSpacingCommitted(int side) override;
    void onHolesCommitted(int side) override;
    void onOffsetAmountCommitted(int side) override;
    void onUseOffsettingClicked(int side) override;
    void onNoOffsettingClicked(int side) override;
    void onAlternateClicked(int side) override;
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
    int display() const override { return sides_.display(); }
    // Reads the fields into postJob; false after the first field's message.
    bool collectPostJob();
    // Run: checks, the program, then the job list; on success the window closes or minimises.
    void runPosts() { flow_.run(); }
    JobFlow& flow() { return flow_; }

private:
    PageId pageId() const override { return PageId::Posts; }
    bool collectJob() override { return collectPostJob(); }
    bool checkJob(const RunContext& run, CheckPurpose purpose, Messages& reasons) override;
    void writeProgram(ProgramOutput& out, const RunContext& run) const override;
    int sidesCut() const override { return postJob.sides; }
    void clearJob() override;
    void fillFromHeader(const LoadedHeader& header) override;
    std::function<void()> keptJob() override;

    void redraw();
    void clear(bool keepDefaultOffset);
    void showJob();
    void takeLoadedPattern();
    void takeLoadedNames();

    Form& form_;
    Messages& messages_;
    PatternSides sides_;
    SavedPatternJob<PostJob> saved_;
    JobFlow flow_;
};
