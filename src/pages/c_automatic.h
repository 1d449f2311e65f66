#pragma once

#include "gcode/output/job_records.h"
#include "pages/posts_controls.h"

class FileDialogs;
class Sheet;
class Messages;

// The Posts page: a regular pattern of rail holes down one or two faces of a post. It edits the
// process-wide postJob through its controls and redraws the preview after every change.
class CAutomatic {
public:
    CAutomatic(Form& form, Messages& messages, FileDialogs& dialogs, Sheet& window);

    // The controls' state when the page is created.
    void create();

    void onMaterialSelected();
    void onHoleSelected();
    void onSide2HoleFocusLost();
    void onDistanceCommitted();
    void onSpacingCommitted();
    void onHolesCommitted();
    void onOffsetAmountCommitted();
    void onUseOffsettingClicked(int side);
    void onNoOffsettingClicked(int side);
    void onAlternateClicked();
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
    // Reads the fields into postJob; false after the first field's message.
    bool collectPostJob();
    // Run: checks, the program, then the job list; on success the window closes or minimises.
    void runPosts();

private:
    using Store = void (*)(PatternSide&, const std::string&);
    void commitPatternField(ControlId field, int mode, const char* message, Store store);
    bool acceptNumber(ControlId field, int mode, const char* message);
    bool collectOffsets();
    bool takeListRecord(ControlId list, int side);

    void redraw();
    void drawSide(int side, int pen);
    void setOffsettingControls(int side);
    void oneSideMode();
    void bothSidesMode();
    void showSidesChoice();
    void showJob();
    void selectJobNames();
    void clear(bool keepDefaultOffset);
    void save();
    void load();
    void loadPostFile(bool lookUpBit);
    void takeLoadedPattern();

    Form& form_;
    Messages& messages_;
    FileDialogs& dialogs_;
    Sheet& window_;
    int display_ = 1;
    // The job as the page was left, with side 1's offset amount, restored when it is shown again.
    struct Saved {
        PostJob job;
        float side1Amount = kUnsetLength;
        bool valid = false;
    } saved_;
};
