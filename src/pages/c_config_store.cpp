// The Configurations page's store: its fields read back into gs in a fixed order, checked, and
// the settings file written.
#include "pages/c_config.h"

#include "gcode/output/job_records.h"
#include "gcode/run_checks.h"
#include "pages/config_checks.h"
#include "pages/config_fields.h"
#include "platform/messages.h"
#include "settings/files.h"
#include "settings/ini_file.h"
#include "settings/settings.h"

#include <algorithm>

using namespace config;

namespace {

const char* const kOrdinals[] = {"First", "Second", "Third", "Fourth"};

struct Refusal {
    bool fails;
    const char* message;
    ControlId field;
};

int rowsWithAxes() { return std::min({gs.heads, kMaxHeads, static_cast<int>(gs.headchars.size())}); }

} // namespace

template <class Value>
void CConfig::readNumber(const NumberField& rule, Value& target, Value emptyValue, ControlId id)
{
    const std::string text = form_.text(id < 0 ? rule.id : id);
    if (text.empty())
        target = emptyValue;
    else if (isNumberFor(rule, text)) {
        assignNumber(rule, text, target);
        showFractionAsDecimal(form_, rule, text, id);
    }
}

// A text field into its setting; one longer than the setting holds is refused with its message.
bool CConfig::readText(ControlId id, size_t limit, const char* tooLong, std::string& target)
{
    const std::string text = form_.text(id);
    if (text.size() > limit) {
        messages_.show(tooLong);
        form_.setFocus(id);
        return false;
    }
    target = text;
    return true;
}

bool CConfig::readDepths()
{
    readNumber(kClearance, gs.clearance, kUnsetLength);
    readNumber(kDepth, gs.depth, kUnsetLength);
    if (gs.cutstyle != 1)
        return true;
    readNumber(kMaximum, gs.maxdepth, gs.depth);
    if (gs.depth <= gs.maxdepth)
        return true;
    messages_.show("Maximum cutting depth must be greater than or equal to Minimum cutting depth.");
    gs.maxdepth = gs.depth;
    showLength(form_, Maximum, gs.maxdepth);
    form_.setFocus(Maximum);
    return false;
}

void CConfig::readPositions()
{
    readNumber(kPositionX, gs.spos[0], kUnsetLength, positionX(1));
    gs.repeat = gs.cutatonce < 2 ? 0 : 1;
    for (int k = 2; gs.repeat == 1 && k <= std::min(gs.cutatonce, kFixturePositions); ++k)
        readNumber(kPositionX, gs.spos[static_cast<size_t>(k - 1)], kUnsetLength, positionX(k));
    readNumber(kFixtureY, gs.startpos.y, 0.0f);
    readNumber(kEndX, gs.endpos.x, 0.0f);
    readNumber(kEndY, gs.endpos.y, 0.0f);
}

bool CConfig::readSpindleRows()
{
    for (int k = 1; k <= rowsWithAxes(); ++k) {
        for (bool on : {true, false}) {
            const ControlId field = on ? spindleOn(k) : spindleOff(k);
            std::string& command = on ? gs.headOn(k) : gs.headOff(k);
            if (!readText(field, kHeadCommandLimit, "Spindle commands can be at most 9 characters.", command))
                return false;
            if (command.empty()) {
                messages_.show(std::string(kOrdinals[k - 1]) + " axis " + (on ? "On" : "Off") +
                               " command cannot be blank.");
                form_.setFocus(field);
                return false;
            }
        }
    }
    return true;
}

bool CConfig::readSettings()
{
    readNumber(kLeadIn, gs.leadin, kUnsetLength);
    readNumber(kExit, gs.exit, kUnsetLength);
    gs.start = form_.checked(HomesBottom) ? 0 : 1;
    gs.autozoom = form_.checked(Autozoom) ? 1 : 0;
    readNumber(kHeads, gs.heads, kUnsetCount);
    readNumber(kTimesToLoop, gs.cutatonce, gs.heads);
    if (!readDepths())
        return false;
    const char* folderTooLong = "Folders can be at most 255 characters.";
    const std::pair<ControlId, std::string*> folders[] = {{GcodePath, &gs.path}, {JobPath, &gs.autopath},
                                                          {ControllerPath, &gs.controlpath}};
    const char* const defaults[] = {"C:\\Qelmar", "C:\\Qelmar\\AutoRun", "C:\\Qelmar"};
    for (size_t i = 0; i < 3; ++i) {
        if (!readText(folders[i].first, kPathLimit, folderTooLong, *folders[i].second))
            return false;
        if (folders[i].second->empty())
            *folders[i].second = defaults[i];
    }
    if (!readText(AxisCharacters, kHeadCharsLimit, "Too many Axis Characters.", gs.headchars))
        return false;
    readNumber(kCutRate, sectionRates_.cut, kUnsetCount);
    readNumber(kPlungeRate, sectionRates_.plunge, kUnsetCount);
    readNumber(kDefaultCutRate, gs.cutfeed, gs.cutfeed);
    readNumber(kDefaultPlungeRate, gs.plungefeed, gs.plungefeed);
    readPositions();
    gs.autoexit = form_.checked(RunClose) ? 1 : 0;
    gs.direction = form_.checked(StyleNormal) ? 1 : 0;
    for (const auto& [button, alignment] : {std::pair{AlignLeft, 1}, {AlignCenter, 2}, {AlignRight, 3}}) {
        if (form_.checked(button))
            gs.alignment = alignment;
    }
    readNumber(kTableLowX, gs.table.x, 0.0f);
    readNumber(kTableLowY, gs.table.y, 0.0f);
    readNumber(kTableHighX, gs.table.w, 0.0f);
    readNumber(kTableHighY, gs.table.h, 0.0f);
    readNumber(kTableBorder, gs.table.b, 0.0f);
    return readSpindleRows();
}

bool CConfig::checkSettings()
{
    if (isUnset(sectionRates_.cut))
        sectionRates_.cut = gs.cutfeed;
    if (isUnset(sectionRates_.plunge))
        sectionRates_.plunge = gs.plungefeed;
    // Every head needs its letter, however many heads were typed.
    const bool axesMissing = static_cast<int>(gs.headchars.size()) < gs.heads;
    // The last three refuse a machine no program could be written for, as Run would.
    const Refusal refusals[] = {
        {isUnset(gs.heads), "Number of heads can not be blank", Heads},
        {isUnset(gs.leadin), "Lead in radius can not be blank", LeadIn},
        {gs.leadin == 0, "Lead in radius can not be zero", LeadIn},
        {isUnset(gs.exit), "Exit radius can not be blank", Exit},
        {isUnset(gs.cutatonce), "Number of posts to cut at once cannot be blank", TimesToLoop},
        {isUnset(gs.clearance), "Clearance height can not be blank", Clearance},
        {isUnset(gs.depth), "Depth to cut at can not be blank", Depth},
        {axesMissing, "Must specify the axis characters for the vertical heads", AxisCharacters},
        {gs.leadin < 0, "Please specify a lead in radius under the configuration tab.", LeadIn},
        {gs.cutstyle == 1 && gs.maxdepth < gs.depth,
         "Maximum cutting depth must be greater than or equal to Minimum cutting depth.", Maximum},
        {!headCharactersAreAxes(gs), "Please specify an axis character for each vertical head\nunder the configuration tab",
         AxisCharacters},
    };
    for (const Refusal& refusal : refusals) {
        if (refusal.fails) {
            messages_.show(refusal.message);
            form_.setFocus(refusal.field);
            return false;
        }
    }
    return true;
}

// A program or job folder that is not there is offered to be made, so that the first Run finds
// it; Cancel stores the folder as typed.
bool CConfig::makeMissingFolders()
{
    for (const auto& [field, folder] : {std::pair{GcodePath, &gs.path}, {JobPath, &gs.autopath}}) {
        if (pathExists(*folder) ||
            !messages_.askOkCancel("The folder " + absolutePath(*folder) + " does not exist. Make it?"))
            continue;
        const WriteResult made = makeFolder(*folder);
        if (!made) {
            messages_.show("Unable to make the folder.\n" + made.line());
            form_.setFocus(field);
            return false;
        }
    }
    return true;
}

// Nothing is written unless every field holds what the page can store; the fields then show
// what was stored.
bool CConfig::store()
{
    if (!checkConfigFields(form_, messages_) || !readSettings() || !checkSettings() || !makeMissingFolders() ||
        !WriteIniFile(messages_))
        return false;
    showFolders();
    form_.setVisible(NewShopNote, false);
    return true;
}
