#pragma once

#include "pages/program_source.h"
#include "gcode/output/job_records.h"
#include "pages/pattern_sides.h"
#include "pages/posts_controls.h"
#include "pages/tap_file_load.h"

class FileDialogs;
class Sheet;
class Messages;

// The Posts page: a regular pattern of rail holes down one or two faces of a post. It edits the
// process-wide postJob through its controls and redraws the preview after every change.
class CAutomatic : public PatternSideEvents, public ProgramSource {
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
    void onSaveClicked();
    void onLoadClicked();
    void onClearClicked();
    void onRunClicked();
    bool composeProgram(ProgramOutput& out, Messages& reasons) override;
    void onShown();
    void onLeft();

    // 1 Overlay Sides, 0 Display Sides Apart.
    int display() const { return sides_.display(); }
    // Reads the fields into postJob; false after the first field's message.
    bool collectPostJob();
    // Run: checks, the program, then the job list; on success the window closes or minimises.
    void runPosts();

private:
    void redraw();
    void clear(bool keepDefaultOffset);
    void save();
    void load();
    LoadingPage loading();
    void fillFromHeader(const RecordedChoices& choices);
    void takeLoadedPattern();
    void takeLoadedNames();

    Form& form_;
    Messages& messages_;
    FileDialogs& dialogs_;
    Sheet& window_;
    PatternSides sides_;
    SavedPatternJob<PostJob> saved_;
};
