#include "manual_redraw.h"

#include "largest_jobs.h"

#include "pages/c_manual.h"
#include "pages/shown_page.h"
#include "platform/memory_form.h"
#include "platform/recording_messages.h"
#include "platform/recording_sheet.h"
#include "platform/scripted_file_dialogs.h"
#include "preview/preview_state.h"
#include "settings/settings.h"
#include "ui/qt_preview_canvas.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <memory>

namespace {

// The pane of the preview in a window of its default size.
class DefaultPane : public PreviewPane {
public:
    PaneSize clientSize() const override { return {246, 424}; }
    void invalidate(bool) override {}
};

void redraw(benchmark::State& state)
{
    MemoryForm form;
    RecordingMessages messages;
    ScriptedFileDialogs dialogs;
    RecordingSheet sheet;
    CManual page(form, messages, dialogs, sheet);
    page.create();
    manualJob = largestManualJob();
    DefaultPane pane;
    attachPreviewPane(&pane);
    enterPage(PageId::Manual);
    QImage image(pane.clientSize().width, pane.clientSize().height, QImage::Format_RGB32);
    for (auto _ : state) {
        page.onApartClicked(); // redraws the whole page
        QPainter painter(&image);
        QtPreviewCanvas canvas(painter, image.height());
        previewView().Render(canvas);
    }
    attachPreviewPane(nullptr);
}

} // namespace

void registerManualRedraw(const std::string& folder)
{
    // Painting needs a GUI application, though nothing is shown.
    static int argc = 1;
    static char name[] = "bench_generation";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static const auto app = std::make_unique<QGuiApplication>(argc, argv);
    homeDir = folder;
    previewView().setHomeFromTable(gs.table.x, gs.table.y, gs.table.w, gs.table.h, gs.table.b);
    benchmark::RegisterBenchmark(kManualRedrawName, redraw)->Unit(benchmark::kMillisecond);
}
