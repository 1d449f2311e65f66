#include "cli/generate_command.h"

#include "cli/console_messages.h"
#include "gcode/output_folders.h"
#include "pages/c_automatic.h"
#include "pages/c_manual.h"
#include "pages/c_rails.h"
#include "pages/shown_page.h"
#include "platform/recording_sheet.h"
#include "platform/memory_form.h"
#include "platform/scripted_file_dialogs.h"
#include "preview/preview_state.h"
#include "settings/files.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "settings/start_values.h"
#include "setupfile/setup_reader.h"

#include <filesystem>
#include <ostream>
#include <random>
#include <ostream>

namespace {

// The draw list of the page's preview goes to a folder of its own, removed at the end, so that
// the command leaves nothing in the shop's folder.
class ScratchDrawList {
public:
    ScratchDrawList()
    {
        std::error_code error;
        const auto base = std::filesystem::temp_directory_path(error);
        for (int attempt = 0; !error && attempt < 100 && folder_.empty(); ++attempt) {
            const auto candidate = base / ("korvanta-cli-" + std::to_string(std::random_device{}()));
            if (std::filesystem::create_directory(candidate, error))
                folder_ = candidate;
        }
        if (!folder_.empty())
            drawList().setFolder(folder_.string());
    }
    bool ok() const { return !folder_.empty(); }
    ~ScratchDrawList()
    {
        drawList().reset();
        drawList().setFolder("");
        std::error_code ignored;
        if (!folder_.empty())
            std::filesystem::remove_all(folder_, ignored);
    }

private:
    std::filesystem::path folder_;
};

// Save on the page that took the file, as the operator would press it there.
template <class Page>
int saveOn(Page& page, ScriptedFileDialogs& dialogs, const GenerateRequest& request, ConsoleMessages& messages)
{
    if (messages.anyShown())
        return 1;
    dialogs.saveAnswer = request.target;
    page.onSaveClicked();
    return messages.anyShown() || dialogs.opened != 2 ? 1 : 0;
}

// Load's rule: a program is regenerated on the settings its header records, each difference from
// the shop's told as a note; with --shop-settings on the shop's own.
JobFlow::SettingsAnswer noteDifferences(const GenerateRequest& request, std::ostream& err)
{
    return [&request, &err](const std::vector<SettingsDifference>& differences) {
        for (const SettingsDifference& d : differences)
            err << "note: " << d.caption << ": " << d.program << " in the program, " << d.shop << " in this shop; "
                << (request.shopSettings ? "this shop's" : "the program's") << " is used.\n";
        return !request.shopSettings;
    };
}

// Load and Save on the page that wrote the file, shown as the window would show it.
template <class Page>
int regenerateOn(PageId id, const GenerateRequest& request, ConsoleMessages& messages, std::ostream& err)
{
    MemoryForm form;
    ScriptedFileDialogs dialogs;
    RecordingSheet window;
    Page page(form, messages, dialogs, window);
    page.flow().answerSettingsWith(noteDifferences(request, err));
    page.create();
    enterPage(id);
    page.onShown();
    dialogs.openAnswer = request.source;
    page.onLoadClicked();
    return saveOn(page, dialogs, request, messages);
}

int regenerate(const GenerateRequest& request, PageId screen, ConsoleMessages& messages, std::ostream& err)
{
    ScratchDrawList scratch;
    if (!scratch.ok()) {
        messages.show("Unable to create a temporary folder.", MessageIcon::None);
        return 1;
    }
    switch (screen) {
    case PageId::Manual: return regenerateOn<CManual>(screen, request, messages, err);
    case PageId::Rails: return regenerateOn<CRails>(screen, request, messages, err);
    default: return regenerateOn<CAutomatic>(PageId::Posts, request, messages, err);
    }
}

} // namespace

int runGenerate(const GenerateRequest& request, std::ostream& err)
{
    ConsoleMessages messages(err);
    const GenerateRequest full{absolutePath(request.source), absolutePath(request.target), absolutePath(request.home),
                               request.shopSettings};
    setStartValues(full.home);
    if (!ReadIniFile(messages)) {
        messages.show("Unable to read KORVANTA.INI file.", MessageIcon::None);
        return 1;
    }
    HeaderLines lines;
    if (!lines.open(full.source)) {
        messages.show("Unable to open " + full.source, MessageIcon::None);
        return 1;
    }
    if (!checkOutputFolder(folderOf(full.target), messages))
        return 1;
    // A file of no page goes to the Posts page, whose Load says what is wrong with it.
    return regenerate(full, readSetupScreen(lines), messages, err);
}
