#pragma once

#include "gcode/output/run_context.h"
#include "pages/cutting_page.h"
#include "pages/program_file.h"
#include "pages/settings_question.h"
#include "platform/form.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class FileDialogs;
class Messages;
class ProgramOutput;
struct ProgramReport;
class Sheet;

// The controls of a cutting page that the flow shows and reads.
struct FlowControls {
    ControlId currentTapFile;
    ControlId totalPosts;
};

// Run, Save, Load, Clear and Undo of a cutting page, written once for the three. The flow keeps
// what belongs to the page beside its job: its program file, its feed rates and its Total Number
// of Posts to Cut. Run and Save write the page's own file, and Current Tap File always shows the
// file the next Run writes. A refused Save or Load, or a cancelled dialog, changes nothing. Load
// changes the shop's settings only when the operator answers OK to the question that lists them.
class JobFlow {
public:
    JobFlow(CuttingPage& page, Form& form, Messages& messages, FileDialogs& dialogs, Sheet& window,
            FlowControls controls, std::string defaultName);

    // Run: collect, every check, the program read back and written, then jobs.tap naming it; on
    // success the window closes or is minimised.
    void run();
    // Save: collect and every check, then the file's name, then the program.
    void save();
    // Load: the file of this page is read into it; another page's is handed to that page.
    void load();
    // Clear: the page emptied and its file back to its default name.
    void clear();
    // The program Run would write now, composed and read back without writing or changing
    // anything; false with the first reason Run would give told to reasons. report holds the
    // reading back.
    bool compose(ProgramOutput& out, Messages& reasons, ProgramReport& report);

    // The page is shown: its file and total again, and a file handed over by another page taken.
    // True when a file was handed over.
    bool pageShown();
    // The page is left: its total kept for when it is shown again.
    void pageLeft();

    // Undo brings the page back as it was before its last Clear or Load; empty when there is none.
    const std::string& undoName() const { return undoName_; }
    void undo();

    // The page's feed rates follow the material chosen on it (the shop's defaults for a rate of 0).
    void takeMaterialFeeds(const MaterialRecord& material);
    const FeedRates& feeds() const { return feeds_; }
    // What a program of this page is composed with.
    RunContext runContext() const;
    const ProgramFile& file() const { return file_; }
    // How Load answers when a program's settings differ from the shop's: asked by default;
    // korvanta-cli answers for itself.
    using SettingsAnswer = std::function<bool(const std::vector<SettingsDifference>&)>;
    void answerSettingsWith(SettingsAnswer answer) { settingsAnswer_ = std::move(answer); }

private:
    bool readInto(const std::string& path);
    void clearPage();
    void keepForUndo(const std::string& what);
    void showFile();
    int totalPosts() const;
    bool programNameIsPlain(const std::string& name);

    CuttingPage& page_;
    Form& form_;
    Messages& messages_;
    FileDialogs& dialogs_;
    Sheet& window_;
    FlowControls controls_;
    ProgramFile file_;
    FeedRates feeds_;
    std::string totalText_;
    SettingsAnswer settingsAnswer_;

    struct Kept {
        std::function<void()> job;
        ProgramFile file{""};
        FeedRates feeds;
        std::string totalText;
    };
    Kept keptNow();
    std::string undoName_;
    std::optional<Kept> kept_;
};
