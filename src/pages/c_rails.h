#pragma once

#include "pages/program_source.h"
#include "gcode/job_checks.h"
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
class CRails : public PatternSideEvents, public ProgramSource {
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
    bool composeProgram(ProgramOutput& out, Messages& reasons) override;
    void onShown();
    void onLeft();

    int display() const { return sides_.display(); }
    bool collectRailJob();
    void runRails();

private:
    RailSide& side(int index) { return railJob.side[index == 1 ? 1 : 0]; }
    void enableSide2Rows(bool enabled);
    float holeLength(int index) const;
    float spacingOf(int index) const;
    void takeSlope();
    void mirrorSlope();
    bool readRise(ControlId field, float& value, const char* message);
    void measure(int index);
    bool checkRailLayout(int index);
    bool checkFit(int index);
    bool layOut(int index);
    void addOrRemoveHoles(int index, int count);
    void spacingHandler();
    void redraw();
    void clear();
    void showJob();
    void save();
    LoadingPage loading();
    void fillFromHeader(const RecordedChoices& choices);
    bool runChecks(const HoleSuffixes& suffixes, Messages& messages);

    Form& form_;
    Messages& messages_;
    FileDialogs& dialogs_;
    Sheet& window_;
    PatternSides sides_;
    SavedPatternJob<RailJob> saved_;
    std::array<int, 2> previousCount_{0, 0};
    bool makeEqual_ = false;
    bool leaving_ = false;
};
