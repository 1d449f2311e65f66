#include "ui/page_tooltips.h"

#include "pages/config_controls.h"
#include "pages/manual_controls.h"
#include "pages/posts_controls.h"
#include "pages/rails_controls.h"
#include "settings/settings.h"
#include "ui/qt_form.h"

#include <QString>

#include <initializer_list>

namespace {

struct Tip {
    ControlId id;
    const char* text;
};

struct SideTip {
    ControlId pattern::SideControls::*control;
    const char* text;
};

// Every length field reads fractions as a fence shop writes them.
const char* const kFractions = " A whole number and a fraction, such as 5 1/2 or 3/4, is read exactly.";

QString lengthTip(const char* text)
{
    return QString::fromUtf8(text) + QString::fromUtf8(kFractions);
}

void apply(QtForm& form, ControlId id, const QString& text)
{
    if (QWidget* control = form.control(id))
        control->setToolTip(text);
}

void apply(QtForm& form, std::initializer_list<Tip> tips)
{
    for (const Tip& tip : tips)
        apply(form, tip.id, QString::fromUtf8(tip.text));
}

void applyLengths(QtForm& form, std::initializer_list<Tip> tips)
{
    for (const Tip& tip : tips)
        apply(form, tip.id, lengthTip(tip.text));
}

// The controls every cutting page has, by the page's ids.
struct JobIds {
    ControlId material, tapFile, save, load, oneSide, bothSides, total, overlay, apart, run, clear;
};

// The tap file's tip names the page's own default program.
void applyJobTips(QtForm& form, const JobIds& id, const char* currentTapFile)
{
    apply(form, {
        {id.material, "The post material to cut, from the library on the Configurations page."},
        {id.tapFile, currentTapFile},
        {id.save, "Writes the job's program to a file you name, so that Load can bring the job back."},
        {id.load, "Brings back a job from a saved program; a program of another page opens on that page."},
        {id.oneSide, "Cuts the holes of side 1 only."},
        {id.bothSides, "Cuts side 1, pauses for the post to be turned over, then cuts side 2."},
        {id.total, "How many posts to cut in all, written into the job list for the controller."},
        {id.overlay, "The preview draws both sides on one post."},
        {id.apart, "The preview draws side 1 and side 2 next to each other."},
        {id.run, "Writes the program and the job list jobs.tap for the machine."},
        {id.clear, "Empties the page for a new job."},
    });
}

void applySideTips(QtForm& form, const pattern::SideControls& side, std::initializer_list<SideTip> tips)
{
    for (const SideTip& tip : tips)
        apply(form, side.*tip.control, QString::fromUtf8(tip.text));
}

void applyPatternTips(QtForm& form, const pattern::SideControls& side, const char* spacing, const char* holes)
{
    using S = pattern::SideControls;
    applySideTips(form, side, {
        {&S::holeList, "The hole type cut on this side, from the hole library."},
        {&S::holes, holes},
        {&S::useOffsetting, "Moves this side's holes off the centre line."},
        {&S::noOffsetting, "Puts this side's holes back on the centre line."},
        {&S::alternate, "Puts every other hole on the other side of the centre line."},
    });
    apply(form, side.distance, lengthTip("From the top end to the top of the first hole, in machine units."));
    apply(form, side.spacing, lengthTip(spacing));
    apply(form, side.offsetAmount,
          lengthTip("How far the holes sit off the centre line, in machine units: from the centre line to each "
                    "hole's centre, or, with Alternate Offset, to each hole's near edge."));
}

void applyPosts(QtForm& form)
{
    using namespace posts;
    applyJobTips(form, {MaterialList, CurrentTapFile, Save, Load, CutOneSide, CutBothSides, TotalPosts, Overlay, Apart, Run, Clear},
                 "The program file Run writes, named by the last Save or Load; when empty, Run writes Post.tap.");
    for (const pattern::SideControls& side : kSides)
        applyPatternTips(form, side, "The gap between one hole's bottom and the next hole's top, in machine units.",
                         "How many holes to cut down this side.");
}

void applyRails(QtForm& form)
{
    using namespace rails;
    applyJobTips(form, {MaterialList, CurrentTapFile, Save, Load, CutOneSide, CutBothSides, TotalPosts, Overlay, Apart, Run, Clear},
                 "The program file Run writes, named by the last Save or Load; when empty, Run writes Rail.tap.");
    apply(form, {{MakeEqual, "Centres the holes, so that the distance from the top equals the distance from the bottom."}});
    for (const pattern::SideControls& side : kSides)
        applyPatternTips(form, side,
                         "The gap between one hole's bottom and the next hole's top, before the slope stretches "
                         "it, in machine units.",
                         "How many holes to cut down this side; left empty, as many as fit.");
    for (const RailFields& side : kRailFields) {
        apply(form, {
            {side.bottom, "What is left from the bottom of the last hole to the bottom end, in machine units."},
            {side.holesNote, "The page filled in or changed Number of Holes itself: as many holes as fit."},
        });
        applyLengths(form, {
            {side.rise, "How much the rail rises over its Run, in machine units; typed on side 1."},
            {side.run, "The level distance over which the rail rises by its Rise, in machine units; typed on side 1."},
        });
    }
}

void applyManual(QtForm& form)
{
    using namespace manual;
    applyJobTips(form, {MaterialList, CurrentTapFile, Save, Load, CutOneSide, CutBothSides, TotalPosts, Overlay, Apart, Run, Clear},
                 "The program file Run writes, named by the last Save or Load; when empty, Run writes ManualPost.tap.");
    for (int side = 0; side < 2; ++side) {
        applyLengths(form, {
            {onSide(Spacing, side), "The gap from the bottom of the hole above (or from the top end) to the top of "
                                    "this hole, in machine units."},
            {onSide(Offset, side), "How far this hole's centre sits off the centre line while Offset is on, in "
                                   "machine units."},
        });
        apply(form, {
            {onSide(HoleList, side), "The hole type of the hole to add or change."},
            {onSide(OffsetToggle, side), "Turns the offsets of this side's holes on or off."},
            {onSide(Add, side), "Adds a hole with the hole type, spacing and offset above."},
            {onSide(Remove, side), "Removes the hole selected in the list."},
            {onSide(Change, side), "Gives the selected hole the hole type, spacing and offset above."},
            {onSide(Rows, side), "This side's holes from the top down: number, hole type, spacing and offset."},
        });
    }
}

void applyConfigLibraries(QtForm& form)
{
    using namespace config;
    apply(form, {
        {MaterialName, "The material to edit; type a new name and Save to add one."},
        {CutRate, "The feed rate while cutting this material, in machine units per minute."},
        {PlungeRate, "The feed rate while plunging into this material, in machine units per minute."},
        {MaterialSave, "Saves the material under the name above."},
        {MaterialDelete, "Deletes the material named above from the library."},
        {HoleName, "The hole type to edit; type a new name and Save to add one."},
        {Subprogram, "The hole is cut by the program of the same name in the G-Code File folder."},
        {HoleSave, "Saves the hole type under the name above."},
        {HoleDelete, "Deletes the hole type named above from the library."},
        {BitName, "The bit to edit; a name beginning with T and a number gives that tool number."},
        {BitSave, "Saves the bit under the name above."},
        {BitDelete, "Deletes the bit named above from the library."},
    });
    applyLengths(form, {
        {MaterialLength, "The material's length, in machine units."},
        {MaterialWidth, "The width of the face that is cut, in machine units."},
        {MaterialHeight, "The material's height, in machine units."},
        {MaterialThickness, "How thick the material is where the holes go through it, in machine units; on the Rails "
                            "page a slope lengthens each hole by this thickness times Rise over Run."},
        {HoleLength, "The hole's length along the post, in machine units."},
        {HoleWidth, "The hole's width across the post, in machine units."},
        {HoleRadius, "The radius of the hole's corners, in machine units."},
        {BitDiameter, "The bit's diameter, in machine units."},
    });
}

void applyConfigMachine(QtForm& form)
{
    using namespace config;
    apply(form, {
        {TimesToLoop, "How many fixture positions one load of posts uses; their X positions are below."},
        {HomesTop, "The machine homes at the top of the post."},
        {HomesBottom, "The machine homes at the bottom of the post."},
        {StyleNormal, "Holes are cut from the top of the post down."},
        {StyleInverted, "Holes are cut from the bottom of the post up."},
        {DepthFixed, "Every hole is cut to the same depth."},
        {DepthVariable, "The depth steps evenly from the first hole's to the last hole's."},
        {Heads, "How many vertical heads the machine runs at once, 1 to 4."},
        {AxisCharacters, "The axis letter of each vertical head, one per head, such as ZA."},
        {DefaultCutRate, "The feed rate while cutting a material whose Cut Rate is 0, in machine units per minute."},
        {DefaultPlungeRate,
         "The feed rate while plunging into a material whose Plunge Rate is 0, in machine units per minute."},
        {AlignLeft, "Posts are lined up on the fixtures by their left edge."},
        {AlignCenter, "Posts are lined up on the fixtures by their centre."},
        {AlignRight, "Posts are lined up on the fixtures by their right edge."},
        {Autozoom, "The preview zooms in on the material instead of showing the whole table."},
        {GcodePath, "The folder where programs (tap files) are written."},
        {JobPath, "The folder where the job list jobs.tap is written."},
        {ControllerPath, "The folder of the controller's files."},
        {RunMinimize, "Korvanta is minimised after a Run."},
        {RunClose, "Korvanta closes after a Run."},
    });
    applyLengths(form, {
        {FixtureY, "The Y of the starting position, in machine units."},
        {EndX, "The X the machine moves to when the program ends, in machine units."},
        {EndY, "The Y the machine moves to when the program ends, in machine units."},
        {Depth, "How deep the heads cut, in machine units; with Variable, the first hole's depth."},
        {Maximum, "With Variable, the last hole's depth, in machine units."},
        {LeadIn, "The radius of the arc on which the bit enters a hole's outline, in machine units."},
        {Exit, "The radius of the arc on which the bit leaves a hole's outline, in machine units."},
        {Clearance, "How high the heads rise to move between holes, in machine units."},
        {TableLowX, "The lowest X of the machine table, in machine units."},
        {TableLowY, "The lowest Y of the machine table, in machine units."},
        {TableHighX, "The highest X of the machine table, in machine units."},
        {TableHighY, "The highest Y of the machine table, in machine units."},
        {TableBorder, "The margin the preview shows around the table, in machine units."},
    });
    for (int k = 1; k <= kFixturePositions; ++k)
        apply(form, positionX(k), QStringLiteral("The X of fixture position %1, in machine units.").arg(k) +
                                      QString::fromUtf8(kFractions));
    for (int k = 1; k <= kMaxHeads; ++k) {
        apply(form, spindleOn(k), QStringLiteral("The command that starts head %1's spindle.").arg(k));
        apply(form, spindleOff(k), QStringLiteral("The command that stops head %1's spindle.").arg(k));
    }
}

} // namespace

void applyTooltips(QtForm& form, PageId page)
{
    switch (page) {
    case PageId::Posts: applyPosts(form); break;
    case PageId::Manual: applyManual(form); break;
    case PageId::Rails: applyRails(form); break;
    case PageId::Configurations:
        applyConfigLibraries(form);
        applyConfigMachine(form);
        break;
    case PageId::None: break;
    }
}
