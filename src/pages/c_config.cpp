// The Configurations page: filling it, what its fields and buttons do as the user edits, and
// choosing a library record.
#include "pages/c_config.h"

#include "gcode/output/job_records.h"
#include "pages/config_fields.h"
#include "platform/messages.h"
#include "settings/library_files.h"
#include "settings/numbers.h"
#include "settings/settings.h"

#include <algorithm>
#include <cmath>
#include <optional>

using namespace config;

namespace {

const char* const kOrdinals[] = {"First", "Second", "Third", "Fourth"};

int atMostTwelve(int count) { return std::clamp(count, 0, kFixturePositions); }

// A bit named T with one digit after it is that tool of the changer; "T" alone is tool T.
std::string toolNumberOf(const std::string& bitName)
{
    if (bitName.empty() || (bitName[0] != 't' && bitName[0] != 'T'))
        return "";
    const std::string second = bitName.substr(1, 1);
    return IsNumberText(second, kUnsigned) ? "T" + second : "";
}

// A radio setting other than 0 or 1 is read as 1.
int normalised(int& value)
{
    if (value != 0)
        value = 1;
    return value;
}

} // namespace

CConfig::CConfig(Form& form, Messages& messages) : form_(form), messages_(messages)
{
    for (int k = 1; k <= 4; ++k) {
        form_.setCaption(spindleOnLabel(k), std::string(kOrdinals[k - 1]) + " Spindle On:");
        form_.setCaption(spindleOffLabel(k), std::string(kOrdinals[k - 1]) + " Spindle Off:");
    }
    form_.setVisible(NewShopNote, false);
}

void CConfig::onShown()
{
    if (!filled_)
        fill();
    filled_ = true;
    activate();
}

void CConfig::refillLibraries()
{
    refillLists(LibraryKind::Materials, form_, {MaterialName});
    refillLists(LibraryKind::Holes, form_, {HoleName});
    refillLists(LibraryKind::Bits, form_, {BitName});
}

// Fill's own step: a run count never set takes the number of heads.
void CConfig::fill()
{
    if (gs.cutatonce == 0 || isUnset(gs.cutatonce))
        gs.cutatonce = gs.heads;
}

// Every setting is shown again at each activation: a Load that took a program's settings changed
// them meanwhile, and the page must never store what it no longer shows.
void CConfig::activate()
{
    refillLibraries();
    for (ControlId id : {MaterialName, MaterialLength, MaterialWidth, MaterialHeight, MaterialThickness, CutRate, PlungeRate})
        form_.setText(id, "");
    const bool holeKnown = !isUnset(currentHole.length) && !isUnset(currentHole.width) && !currentHole.name.empty() &&
                           currentHole.name != "(None)";
    if (holeKnown) {
        form_.setText(HoleName, currentHole.name);
        form_.selectByPrefix(HoleName, currentHole.name);
    }
    showHole(holeKnown);
    form_.setChecked(Autozoom, gs.autozoom != 0);
    if (!isUnset(gs.bit) && !gs.bitname.empty()) {
        form_.setText(BitName, gs.bitname);
        form_.selectByPrefix(BitName, gs.bitname);
        showLength(form_, BitDiameter, gs.bit);
    } else {
        form_.setText(BitDiameter, "");
    }
    showLength(form_, LeadIn, gs.leadin);
    showLength(form_, Exit, gs.exit);
    showCount(form_, TimesToLoop, gs.cutatonce);
    showMachine();
    showRadioPairs();
    if (gs.alignment < 1 || gs.alignment > 3)
        gs.alignment = 2;
    form_.setChecked(AlignLeft, gs.alignment == 1);
    form_.setChecked(AlignCenter, gs.alignment == 2);
    form_.setChecked(AlignRight, gs.alignment == 3);
    onBitSelected();
    onHeadsCommitted();
}

void CConfig::showMachine()
{
    form_.setText(Heads, std::to_string(gs.heads));
    showFolders();
    form_.setText(AxisCharacters, gs.headchars);
    showLength(form_, Clearance, gs.clearance);
    showLength(form_, Depth, gs.depth);
    showLength(form_, Maximum, gs.maxdepth);
    showCount(form_, DefaultCutRate, gs.cutfeed);
    showCount(form_, DefaultPlungeRate, gs.plungefeed);
    const float table[] = {gs.table.x, gs.table.y, gs.table.w, gs.table.h, gs.table.b};
    const ControlId tableFields[] = {TableLowX, TableLowY, TableHighX, TableHighY, TableBorder};
    for (size_t i = 0; i < 5; ++i)
        showLength(form_, tableFields[i], table[i]);
    enablePositions(gs.cutatonce);
    for (int k = 1; k <= kFixturePositions; ++k)
        showLength(form_, positionX(k), gs.spos[static_cast<size_t>(k - 1)]);
    showLength(form_, FixtureY, gs.startpos.y);
    showLength(form_, EndX, gs.endpos.x);
    showLength(form_, EndY, gs.endpos.y);
}

// Folders are shown and stored as typed: their letter case matters.
void CConfig::showFolders()
{
    form_.setText(GcodePath, gs.path);
    form_.setText(JobPath, gs.autopath);
    form_.setText(ControllerPath, gs.controlpath);
}

void CConfig::greetNewShop()
{
    form_.setCaption(NewShopNote, "A new shop: set up your machine, then lay out a job.");
    form_.setVisible(NewShopNote, true);
}

void CConfig::showRadioPairs()
{
    const bool top = normalised(gs.start) == 1;
    form_.setChecked(HomesTop, top);
    form_.setChecked(HomesBottom, !top);
    const bool close = normalised(gs.autoexit) == 1;
    form_.setChecked(RunClose, close);
    form_.setChecked(RunMinimize, !close);
    const bool normal = normalised(gs.direction) == 1;
    form_.setChecked(StyleNormal, normal);
    form_.setChecked(StyleInverted, !normal);
    if (gs.cutstyle == 1)
        onVariableClicked();
    else
        onFixedClicked();
}

void CConfig::enablePositions(int count)
{
    gs.repeat = count < 2 ? 0 : 1;
    for (int k = 2; k <= kFixturePositions; ++k) {
        const bool on = gs.repeat == 1 && k <= atMostTwelve(count);
        form_.setEnabled(positionX(k), on);
        form_.setEnabled(positionLabel(k), on);
    }
}

void CConfig::onHeadsCommitted()
{
    const std::string heads = form_.text(Heads);
    if (heads.empty())
        gs.heads = kUnsetCount;
    else if (isNumberFor(kHeads, heads))
        gs.heads = leadingInt(heads);
    if (gs.heads > kMaxHeads) {
        messages_.show("Maximum allowable heads is 4.");
        form_.setFocus(Heads);
        gs.heads = kUnsetCount;
        return;
    }
    const std::string axes = form_.text(AxisCharacters);
    if (axes.size() > kHeadCharsLimit) {
        messages_.show("Too many Axis Characters.");
        form_.setFocus(AxisCharacters);
        gs.headchars.clear();
        return;
    }
    gs.headchars = axes;
    showSpindleRows();
}

void CConfig::showSpindleRows()
{
    for (int k = 1; k <= 4; ++k) {
        const bool on = k <= gs.heads && static_cast<int>(gs.headchars.size()) >= k;
        for (ControlId id : {spindleOn(k), spindleOff(k)})
            form_.setEnabled(id, on);
        form_.setText(spindleOn(k), on ? gs.headOn(k) : "");
        form_.setText(spindleOff(k), on ? gs.headOff(k) : "");
        const std::string axis = on ? std::string(1, gs.headchars[static_cast<size_t>(k - 1)]) : "";
        form_.setCaption(spindleOnLabel(k), on ? axis + " Spindle On:" : "Disabled");
        form_.setCaption(spindleOffLabel(k), on ? axis + " Spindle Off:" : "Disabled");
    }
}

void CConfig::onFixedClicked()
{
    gs.cutstyle = 0;
    form_.setChecked(DepthFixed, true);
    form_.setChecked(DepthVariable, false);
    form_.setVisible(MaximumLabel, false);
    form_.setVisible(Maximum, false);
    form_.setCaption(DepthLabel, "Depth:");
}

void CConfig::onVariableClicked()
{
    gs.cutstyle = 1;
    form_.setChecked(DepthFixed, false);
    form_.setChecked(DepthVariable, true);
    form_.setVisible(MaximumLabel, true);
    form_.setVisible(Maximum, true);
    form_.setCaption(DepthLabel, "Minimum:");
    // The Minimum as typed, which the settings take only when the page is left.
    const std::string typed = form_.text(Depth);
    const float depth = !typed.empty() && isNumberFor(kDepth, typed) ? lengthFieldValue(typed, kDepth.mode, gs.depth)
                                                                     : gs.depth;
    if (isUnset(gs.maxdepth) || gs.maxdepth == 0 || gs.maxdepth < depth)
        gs.maxdepth = depth;
    showLength(form_, Maximum, gs.maxdepth);
}

void CConfig::onMaximumCommitted()
{
    gs.cutstyle = 1;
    const std::string text = form_.text(Maximum);
    const std::optional<double> maximum = text.empty() ? std::nullopt : readLengthText(text, kUnsigned);
    if (maximum && std::isfinite(static_cast<float>(*maximum)) && static_cast<float>(*maximum) >= gs.depth) {
        showFractionAsDecimal(form_, kMaximum, text);
        gs.maxdepth = lengthFieldValue(text, kUnsigned, gs.maxdepth);
        return;
    }
    messages_.show("Maximum Depth must be a positive number equal to or greater than Minimum Depth.");
    form_.setText(Maximum, "");
    form_.setFocus(Maximum);
    gs.maxdepth = 0;
}

// Only a count the page can store is taken; leaving or storing the page names what is wrong.
void CConfig::onTimesToLoopCommitted()
{
    const std::string text = form_.text(TimesToLoop);
    if (text.empty() || !isNumberFor(kTimesToLoop, text))
        return;
    const int count = leadingInt(text);
    if (count < 1 || count > kFixturePositions)
        return;
    gs.cutatonce = count;
    enablePositions(gs.cutatonce);
}

// A field left: a number is taken, anything else is refused with the field's message; the focus
// stays where the user moved it.
template <class Value>
void CConfig::takeOnLeaving(const NumberField& rule, Value& target)
{
    const std::string text = form_.text(rule.id);
    if (text.empty())
        return;
    if (isNumberFor(rule, text)) {
        assignNumber(rule, text, target);
        showFractionAsDecimal(form_, rule, text);
    } else {
        messages_.show(rule.invalid);
    }
}

void CConfig::onLeadInCommitted() { takeOnLeaving(kLeadIn, gs.leadin); }
void CConfig::onExitCommitted() { takeOnLeaving(kExit, gs.exit); }
void CConfig::onCutRateCommitted() { takeOnLeaving(kCutRate, sectionRates_.cut); }
void CConfig::onPlungeRateCommitted() { takeOnLeaving(kPlungeRate, sectionRates_.plunge); }

void CConfig::onAutozoomClicked()
{
    gs.autozoom = form_.checked(Autozoom) ? 1 : 0;
}

void CConfig::showMaterial()
{
    form_.setText(MaterialName, currentMaterial.name);
    showLength(form_, MaterialLength, currentMaterial.length);
    showLength(form_, MaterialWidth, currentMaterial.width);
    showLength(form_, MaterialHeight, currentMaterial.height);
    showLength(form_, MaterialThickness, currentMaterial.thickness);
    showCount(form_, CutRate, currentMaterial.cutrate);
    showCount(form_, PlungeRate, currentMaterial.plungerate);
}

void CConfig::showHole(bool known)
{
    for (ControlId id : {HoleLength, HoleWidth, HoleRadius})
        form_.setText(id, "");
    form_.setChecked(Subprogram, known && currentHole.subprogram != 0);
    if (!known)
        return;
    showLength(form_, HoleLength, currentHole.length);
    showLength(form_, HoleWidth, currentHole.width);
    showLength(form_, HoleRadius, currentHole.radius);
}

void CConfig::onMaterialSelected()
{
    const MaterialRecord* material = libraryRecord(materialList, form_.selectedRecord(MaterialName));
    if (!material)
        return;
    currentMaterial = *material;
    sectionRates_ = feedRatesOf(currentMaterial, gs);
    showMaterial();
}

void CConfig::onHoleSelected()
{
    const HoleRecord* hole = libraryRecord(holeList, form_.selectedRecord(HoleName));
    if (!hole)
        return;
    currentHole = *hole;
    form_.setText(HoleName, currentHole.name);
    showHole(true);
}

void CConfig::onBitSelected()
{
    const BitRecord* bit = libraryRecord(bitList, form_.selectedRecord(BitName));
    if (!bit)
        return;
    gs.bitname = bit->name;
    gs.bit = bit->diameter;
    gs.toolnumber = toolNumberOf(gs.bitname);
    form_.setText(BitName, gs.bitname);
    showLength(form_, BitDiameter, gs.bit);
}
