#pragma once

#include "pages/program_source.h"
#include "gcode/job_checks.h"
#include "gcode/rail_layout_check.h"
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
    // The page is about to be left (true), or stays after all (false): the count's field, left on
    // the way, is not taken.
    void onLeaving(bool underway);

    int display() const { return sides_.display(); }
    bool collectRailJob();
    void runRails();

private:
    RailSide& side(int index) { return railJob.side[index == 1 ? 1 : 0]; }
    void enableSide2Rows(bool enabled);
    void takeSlope();
    // One change through the layout check, its result shown.
    void change(RailChange what, int index = 0);
    RailEntry entry() const;
    void show(const RailLayoutResult& result);
    void refuse(const RailLayoutResult& result);
    void setChangedText(ControlId id, const std::string& text);
    void showCountNotes();
    void forgetPageCounts();
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
    // The count the page filled in or changed itself, so far as the field still shows it.
    std::array<bool, 2> countByPage_{false, false};
    // Both, as the page was left.
    struct KeptCounts {
        std::array<int, 2> previous{0, 0};
        std::array<bool, 2> byPage{false, false};
    } keptCounts_;
    bool leaving_ = false;
};
