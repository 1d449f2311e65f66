#include "pages/job_flow.h"

#include "gcode/checked_program.h"
#include "gcode/job_list.h"
#include "gcode/output_folders.h"
#include "platform/file_dialogs.h"
#include "platform/messages.h"
#include "platform/sheet.h"
#include "settings/files.h"
#include "settings/library_files.h"
#include "settings/numbers.h"
#include "settings/text_helpers.h"
#include "setupfile/load_state.h"
#include "setupfile/setup_reader.h"

namespace {

// The bit the loaded name names in the bit library, exactly; the diameter stays when none does.
void lookUpBit(Settings& settings)
{
    LoadSaveFile(LibraryKind::Bits);
    for (const BitRecord& bit : bitList) {
        if (bit.name == settings.bitname) {
            settings.bit = bit.diameter;
            return;
        }
    }
}

} // namespace

JobFlow::JobFlow(CuttingPage& page, Form& form, Messages& messages, FileDialogs& dialogs, Sheet& window,
                 FlowControls controls, std::string defaultName)
    : page_(page), form_(form), messages_(messages), dialogs_(dialogs), window_(window), controls_(controls),
      file_(std::move(defaultName))
{
}

RunContext JobFlow::runContext() const
{
    RunContext run;
    run.settings = gs;
    run.slope = page_.slope();
    run.feeds = feeds_;
    run.display = page_.display();
    run.programFolder = inShopFolder(gs.path);
    return run;
}

void JobFlow::takeMaterialFeeds(const MaterialRecord& material)
{
    feeds_ = feedRatesOf(material, gs);
}

int JobFlow::totalPosts() const
{
    const std::string total = form_.text(controls_.totalPosts);
    return IsNumberText(total, kUnsigned) ? leadingInt(total) : 0;
}

void JobFlow::showFile()
{
    form_.setText(controls_.currentTapFile, file_.path());
}

void JobFlow::run()
{
    if (!page_.collectJob())
        return;
    RunContext run = runContext();
    if (!page_.checkJob(run, CheckPurpose::Run, messages_))
        return;
    const std::string path = file_.path();
    if (path.find('"') != std::string::npos) {
        messages_.show("The job list cannot name a program whose folder or name holds a double quote (\"):\n" + path +
                       "\nPlease Save the job under another name.");
        return;
    }
    // Both folders before anything is written: a refused Run leaves both as they were.
    if (!checkOutputFolders(folderOf(path), inShopFolder(gs.autopath), messages_))
        return;
    ProgramOutput out;
    page_.writeProgram(out, run);
    // The job list names the program only once the program is written, so the controller never
    // points at a missing or stale one.
    run.settings.autopath = inShopFolder(gs.autopath);
    if (!saveCheckedProgram(out, path, run.settings, messages_) ||
        !writeJobList(path, page_.sidesCut(), totalPosts(), run.settings, messages_))
        return;
    tapFileUsed(path);
    showFile();
    if (gs.autoexit != 0)
        window_.closeWindow();
    else
        window_.minimizeWindow();
}

bool JobFlow::programNameIsPlain(const std::string& name)
{
    if (name.find_first_of("\"/\\") == std::string::npos)
        return true;
    messages_.show("A program's name cannot hold a double quote (\") or a folder separator (/ or \\): " + name +
                   "\nPlease choose another name.");
    return false;
}

void JobFlow::save()
{
    if (!page_.collectJob())
        return;
    const RunContext run = runContext();
    if (!page_.checkJob(run, CheckPurpose::Save, messages_))
        return;
    const std::optional<ChosenFile> chosen = dialogs_.chooseTapFileToSave(file_.dialogFolder(), fileNameOf(file_.path()));
    if (!chosen)
        return;
    file_.leaveDialogsIn(chosen->folder);
    if (!programNameIsPlain(chosen->name))
        return;
    const std::string path = joinPath(chosen->folder, chosen->name);
    ProgramOutput out;
    page_.writeProgram(out, run);
    if (!saveCheckedProgram(out, path, run.settings, messages_))
        return;
    file_.choose(path);
    tapFileUsed(path);
    showFile();
}

void JobFlow::load()
{
    const std::optional<std::string> chosen = dialogs_.chooseTapFileToOpen(file_.dialogFolder());
    if (!chosen)
        return;
    file_.leaveDialogsIn(folderOf(*chosen));
    PageId screen = PageId::None;
    if (!readTapFileScreen(*chosen, screen))
        return;
    if (screen == PageId::None) {
        messages_.show("Error Loading " + fileNameOf(*chosen) + ".\nFile Not Created with Korvanta Software.");
        return;
    }
    if (screen != page_.pageId()) {
        // The page that wrote the file takes it when it is shown; this one is cleared, as Clear
        // does it, and Undo brings it back.
        keepForUndo("Load");
        clearPage();
        pendingLoad = *chosen;
        window_.showPage(screen);
        return;
    }
    readInto(*chosen);
}

bool JobFlow::readInto(const std::string& path)
{
    // The page as it stands, before the header's values reach its job.
    Kept before = keptNow();
    LoadedHeader header;
    if (!readSetupHeader(path, gs, header, messages_)) {
        messages_.show("Load Failed");
        return false;
    }
    lookUpBit(header.settings);
    const std::vector<SettingsDifference> differences = settingsDifferences(header.settings, gs);
    const bool takeProgram = !differences.empty() &&
                             (settingsAnswer_ ? settingsAnswer_(differences)
                                              : messages_.askOkCancel(settingsQuestion(differences)));
    if (takeProgram)
        takeProgramSettings(header.settings, gs);
    kept_ = std::move(before);
    undoName_ = "Load";
    // The feed rates the program was written with, as its header recorded them.
    if (!isUnset(header.feeds.cut))
        feeds_.cut = header.feeds.cut;
    if (!isUnset(header.feeds.plunge))
        feeds_.plunge = header.feeds.plunge;
    page_.fillFromHeader(header);
    file_.choose(path);
    showFile();
    tapFileUsed(path);
    return true;
}

bool JobFlow::pageShown()
{
    form_.setText(controls_.totalPosts, totalText_);
    showFile();
    if (!pendingLoad)
        return false;
    // A file handed to a page that could not take it is not this page's to read.
    const std::string path = *pendingLoad;
    pendingLoad.reset();
    PageId screen = PageId::None;
    if (readTapFileScreen(path, screen) && screen == page_.pageId())
        readInto(path);
    return true;
}

void JobFlow::pageLeft()
{
    totalText_ = form_.text(controls_.totalPosts);
}

void JobFlow::clear()
{
    keepForUndo("Clear");
    clearPage();
}

void JobFlow::clearPage()
{
    page_.clearJob();
    file_.reset();
    totalText_.clear();
    form_.setText(controls_.totalPosts, "");
    showFile();
}

JobFlow::Kept JobFlow::keptNow()
{
    totalText_ = form_.text(controls_.totalPosts);
    return Kept{page_.keptJob(), file_, feeds_, totalText_};
}

void JobFlow::keepForUndo(const std::string& what)
{
    kept_ = keptNow();
    undoName_ = what;
}

void JobFlow::undo()
{
    if (!kept_)
        return;
    Kept kept = std::move(*kept_);
    kept_.reset();
    undoName_.clear();
    file_ = kept.file;
    feeds_ = kept.feeds;
    totalText_ = kept.totalText;
    kept.job();
    form_.setText(controls_.totalPosts, totalText_);
    showFile();
}

bool JobFlow::compose(ProgramOutput& out, Messages& reasons, ProgramReport& report)
{
    const RunContext run = runContext();
    if (!page_.checkJob(run, CheckPurpose::Run, reasons))
        return false;
    page_.writeProgram(out, run);
    // The reading back that Run does too, so that the view says why Run would refuse.
    return programPassesItsCheck(out, run.settings, reasons, report);
}
