#include "cli/generate_command.h"

#include "cli/console_messages.h"
#include "pages/c_automatic.h"
#include "platform/sheet.h"
#include "platform/memory_form.h"
#include "platform/scripted_file_dialogs.h"
#include "preview/preview_state.h"
#include "settings/files.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "settings/start_values.h"
#include "setupfile/current_tap_file.h"
#include "setupfile/setup_reader.h"

#include <filesystem>
#include <random>
#include <ostream>

namespace {

// The command never closes, minimises or switches anything.
class NoWindow : public Sheet {
public:
    void showPage(PageId) override {}
    void closeWindow() override {}
    void minimizeWindow() override {}
};

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

std::string absolute(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.lexically_normal().string();
}

// The page's sides and display choices as the source recorded them.
bool readRecordedChoices(const std::string& source, Messages& messages, int& sides, int& overlay)
{
    gs.path = folderOf(source);
    filename = fileNameOf(source);
    sharedSides = 1;
    sharedOverlay = 1;
    if (!readSetupHeader(messages))
        return false;
    sides = sharedSides;
    overlay = sharedOverlay;
    return true;
}

int regeneratePostFile(const GenerateRequest& request, ConsoleMessages& messages)
{
    ScratchDrawList scratch;
    if (!scratch.ok()) {
        messages.show("Unable to create a temporary folder.", MessageIcon::None);
        return 1;
    }
    MemoryForm form;
    ScriptedFileDialogs dialogs;
    NoWindow window;
    CAutomatic page(form, messages, dialogs, window);
    page.create();
    page.onShown();

    int sides = 1;
    int overlay = 1;
    if (!readRecordedChoices(request.source, messages, sides, overlay))
        return 1;
    form.setChecked(posts::CutOneSide, sides != 2);
    form.setChecked(posts::CutBothSides, sides == 2);
    sides == 2 ? page.onCutBothSidesClicked() : page.onCutOneSideClicked();
    overlay == 1 ? page.onOverlayClicked() : page.onApartClicked();

    dialogs.openAnswer = request.source;
    page.onLoadClicked();
    if (messages.anyShown())
        return 1;
    dialogs.saveAnswer = request.target;
    page.onSaveClicked();
    return messages.anyShown() || dialogs.opened != 2 ? 1 : 0;
}

} // namespace

int runGenerate(const GenerateRequest& request, std::ostream& err)
{
    ConsoleMessages messages(err);
    const GenerateRequest full{absolute(request.source), absolute(request.target), absolute(request.home)};
    setStartValues(full.home);
    if (!ReadIniFile(messages)) {
        messages.show("Unable to read KORVANTA.INI file.", MessageIcon::None);
        return 1;
    }
    std::string bytes;
    if (!readWholeFile(full.source, bytes)) {
        messages.show("Unable to open " + full.source, MessageIcon::None);
        return 1;
    }
    gs.path = folderOf(full.source);
    filename = fileNameOf(full.source);
    PageId screen = PageId::None;
    readCurrentTapFileScreen(screen);
    switch (screen) {
    case PageId::Posts:
        return regeneratePostFile(full, messages);
    case PageId::Manual:
    case PageId::Rails:
        messages.show(filename + " was written by the " + (screen == PageId::Manual ? "Manual" : "Rails") +
                          " page; only programs of the Posts page can be regenerated.",
                      MessageIcon::None);
        return 1;
    default:
        messages.show("Error Loading " + filename + ".\nFile Not Created with Korvanta Software.", MessageIcon::None);
        return 1;
    }
}
