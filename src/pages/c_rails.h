#pragma once

#include "gcode/output/job_records.h"
#include "pages/pattern_sides.h"
#include "pages/rails_controls.h"
#include "pages/tap_file_load.h"

class FileDialogs;
class Messages;
class Sheet;

// The Rails page: a regular pattern of holes for rails that rise at a slope, every hole and
// spacing stretched by the slope. It edits the process-wide railJob and keeps the distance left
// below the last hole up to date.
class CRails : public PatternSideEvents {
public:
    CRails(Form& form, Messages& messages, FileDialogs& dialogs, Sheet& window);

    void create();

    void onMaterialSelected();
    void onHoleSelected() override;
    void onSide2HoleFocusLost() override;
    void onDistanceCommitted(int side) override;
    void onSpacingCommitted(int side) override;
    void onHolesCommitted(int side) override;
    void onOffsetAmountCommitted(int side) override;
    void onUseOffsettingClicked(int side) override;
    void onNoOffsettingClicked(int side) override;
    void onAlternateClicked(int side) override;
    void onRiseCommitted();
    void onRunCommitted();
    void onMakeEqualClicked();
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

    int display() const { return sides_.display(); }
    bool collectRailJob();
    void runRails();

private:
    Form& form_;
    Messages& messages_;
    FileDialogs& dialogs_;
    Sheet& window_;
    PatternSides sides_;
};
