#pragma once

#include "gcode/job_checks.h"
#include "gcode/output/job_records.h"
#include "gcode/rail_layout_check.h"
#include "pages/cutting_page.h"
#include "pages/job_flow.h"
#include "pages/pattern_sides.h"
#include "pages/program_source.h"
#include "pages/rails_controls.h"

class FileDialogs;
class Messages;
class Sheet;

// The Rails page: a regular pattern of holes for rails that rise at a slope, every hole and
// spacing stretched by the slope. It edits the process-wide railJob and keeps the distance left
// below the last hole up to date; Run, Save, Load and Clear are the flow the cutting pages share.
class CRails : public PatternSideEvents, public ProgramSource, private CuttingPage {
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
    // The page is about to be left (true), or stays after all (false): the count's field, left on
    // the way, is not taken.
    void onLeaving(bool underway);

    int display() const override { return sides_.display(); }
    bool collectRailJob();
    void runRails() { flow_.run(); }
    JobFlow& flow() { return flow_; }

private:
    PageId pageId() const override { return PageId::Rails; }
    bool collectJob() override { return collectRailJob(); }
    bool checkJob(const RunContext& run, CheckPurpose purpose, Messages& reasons) override;
    void writeProgram(ProgramOutput& out, const RunContext& run) const override;
    int sidesCut() const override { return railJob.sides; }
    RailSlope slope() const override { return slope_; }
    void clearJob() override { clear(); }
    void fillFromHeader(const LoadedHeader& header) override;
    std::function<void()> keptJob() override;

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
    void showWholeJob();

    Form& form_;
    Messages& messages_;
    PatternSides sides_;
    RailSlope slope_;
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
    JobFlow flow_;
};
