#pragma once

#include "gcode/output/job_records.h"
#include "gcode/output/run_context.h"
#include "pages/page_fields.h"
#include "pages/pattern_side_controls.h"
#include "platform/page_id.h"

#include <array>

class Messages;

// What the widgets of a page's two pattern sides report; the Posts and Rails pages answer them.
// side is 0 (side 1) or 1 (side 2).
class PatternSideEvents {
public:
    virtual ~PatternSideEvents() = default;
    virtual void onHoleSelected() = 0;
    virtual void onSide2HoleFocusLost() = 0;
    virtual void onDistanceCommitted(int side) = 0;
    virtual void onSpacingCommitted(int side) = 0;
    virtual void onHolesCommitted(int side) = 0;
    virtual void onOffsetAmountCommitted(int side) = 0;
    virtual void onUseOffsettingClicked(int side) = 0;
    virtual void onNoOffsettingClicked(int side) = 0;
    virtual void onAlternateClicked(int side) = 0;
};

// The parts of a pattern job that its two sides edit, whatever the page.
struct PatternJobView {
    int& sides;
    MaterialRecord& material;
    std::array<HoleRecord, 2>& holeType;
    std::array<std::string, 2>& holeName;
    std::array<PatternSide*, 2> side;
    // Side 1's amount is a setting, side 2's lives in the job.
    std::array<float*, 2> amount;
};

template <class Job>
PatternJobView viewOf(Job& job)
{
    return {job.sides, job.material, job.holeType, job.holeName, {&job.side[0], &job.side[1]},
            {&job.offsetAmount(0), &job.offsetAmount(1)}};
}

// The two sides of a hole pattern on a page: their controls, their offsetting, the sides and
// display choices, and their drawing. The page keeps its own controls and its whole-job actions.
class PatternSides {
public:
    PatternSides(Form& form, Messages& messages, PatternJobView job, std::array<pattern::SideControls, 2> controls,
                 pattern::ChoiceControls choices);

    // 1 Overlay Sides, 0 Display Sides Apart.
    int display() const { return display_; }
    void setDisplay(int display) { display_ = display; }
    bool bothSides() const { return job_.sides == 2; }

    // A field left: side 1's text first and, while both sides are cut, side 2's, an empty one
    // taking side 1's text. False when nothing was taken (side 1 empty, or a text refused).
    template <class Value>
    bool commitField(const NumberField& rule, Value PatternSide::*value);
    // A field of each side cut, for Run: false after the message of a missing or refused one.
    template <class Value>
    bool collectField(const NumberField& rule, Value PatternSide::*value);
    // An Offset Amount left; false when a text was refused.
    bool commitOffsetAmount();
    // The offset amounts and Alternate Offset boxes of the sides that use offsetting, for Run.
    bool collectOffsets();
    // The selected hole types; while both sides are cut an empty side 2 takes side 1's.
    void takeSelectedHoles();
    void takeSide2HoleText();
    void takeAlternateBoxes();

    // Use Offsetting pressed: the side's amount shows and takes the focus with its text selected.
    void useOffsetting(int side);
    void noOffsetting(int side);
    // Shows a side's offsetting state as the job holds it.
    void showOffsetting(int side);

    // The Cut Both Sides click: side 2 takes what it lacks from side 1, then both-sides mode.
    void cutBothSides();
    // The sides choice as the job holds it: the radio buttons, side 2's controls, the display
    // buttons and side 2's hole type in its list. Side 2's fields are left as they are.
    void showSidesChoice();
    void oneSideMode();

    // Both sides' fields and offsetting as the job holds them, then the sides choice.
    void showPattern();
    // The hole names of the job in the lists, without taking their records again.
    void selectHoleNames();
    // Both sides unset and their fields emptied, offsetting off, one side cut.
    void clearPattern();
    // Distance and spacing as typed, for the copy kept while the page is not shown: a text that
    // is not a number in its mode keeps 0.
    void storeTypedPattern(const NumberField& distance, const NumberField& spacing);

    // ClearPreview, then side 2 (pen 1) while both sides are cut, then side 1 (pen 0).
    void redraw(PageId page, RailSlope slope = {}) const;

private:
    void drawSide(PageId page, int side, int pen, RailSlope slope) const;
    bool takeOffsetAmount(int side);
    bool takeListRecord(int side);
    void setSide2Enabled(bool enabled);
    ControlId idOf(ControlId pattern::SideControls::*control, int side) const;
    ControlId fieldOf(const NumberField& rule, int side) const;
    PatternSide& sideAt(int side) const { return *job_.side[side == 1 ? 1 : 0]; }
    float& amountAt(int side) const { return *job_.amount[side == 1 ? 1 : 0]; }

    Form& form_;
    Messages& messages_;
    PatternJobView job_;
    std::array<pattern::SideControls, 2> controls_;
    pattern::ChoiceControls choices_;
    int display_ = 1;
};

// The job as a page was left, with side 1's offset amount, restored when it is shown again.
template <class Job>
class SavedPatternJob {
public:
    void keep(Job& job)
    {
        job_ = job;
        side1Amount_ = job.offsetAmount(0);
        valid_ = true;
    }
    void restore(Job& job) const
    {
        if (!valid_)
            return;
        job = job_;
        job.offsetAmount(0) = side1Amount_;
    }

private:
    Job job_;
    float side1Amount_ = kUnsetLength;
    bool valid_ = false;
};

extern template bool PatternSides::commitField<float>(const NumberField&, float PatternSide::*);
extern template bool PatternSides::commitField<int>(const NumberField&, int PatternSide::*);
extern template bool PatternSides::collectField<float>(const NumberField&, float PatternSide::*);
extern template bool PatternSides::collectField<int>(const NumberField&, int PatternSide::*);
