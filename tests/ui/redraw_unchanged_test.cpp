// The largest Manual job's redraw gives the draw list and the preview's picture it has always
// given, byte for byte and pixel for pixel, however the redraw is made faster.
#include "pages/c_manual.h"
#include "pages/shown_page.h"
#include "platform/memory_form.h"
#include "platform/recording_messages.h"
#include "platform/recording_sheet.h"
#include "platform/scripted_file_dialogs.h"
#include "preview/draw_list.h"
#include "preview/preview_state.h"
#include "settings/settings.h"
#include "ui/qt_preview_canvas.h"
#include "ui_test_support.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

namespace {

// The preview's pane in a window of its default size.
class DefaultPane : public PreviewPane {
public:
    PaneSize clientSize() const override { return {246, 424}; }
    void invalidate(bool) override {}
};

// A thousand holes of two hole types on each side of a long post, offsets on.
ManualJob largestManualJob()
{
    ManualJob job;
    job.sides = 2;
    job.material = MaterialRecord{"VINYL 5X5 LONG", 2400, 5, 0.25f, 5, 0, 0};
    job.offsetOn = {1, 1};
    for (size_t side = 0; side < 2; ++side) {
        for (size_t k = 0; k < kManualSlots; ++k) {
            const bool square = k % 3 == 0;
            job.placedHoles[side][k] = {HoleRecord{square ? "SQUARE 1X1" : "RAIL 1.5X1", square ? 1.0f : 1.5f, 1,
                                                   square ? 0.0f : 0.25f, 0},
                                        0.75f, k % 2 == 0 ? 0.25f : -0.25f};
        }
    }
    job.side1HoleCount = kManualSlots;
    return job;
}

uint64_t fnv1a(std::string_view bytes)
{
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes)
        hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

class RedrawUnchangedTest : public UiTest {};

TEST_F(RedrawUnchangedTest, TheLargestManualJobDrawsTheSameBytesAndPixels)
{
    MemoryForm form;
    RecordingMessages messages;
    ScriptedFileDialogs dialogs;
    RecordingSheet sheet;
    CManual page(form, messages, dialogs, sheet);
    page.create();
    manualJob = largestManualJob();
    previewView().setHomeFromTable(gs.table.x, gs.table.y, gs.table.w, gs.table.h, gs.table.b);
    DefaultPane pane;
    attachPreviewPane(&pane);
    enterPage(PageId::Manual);
    QImage image(pane.clientSize().width, pane.clientSize().height, QImage::Format_RGB32);
    // Twice, as on screen, where the second redraw replaces the first.
    for (int redraw = 0; redraw < 2; ++redraw) {
        page.onApartClicked();
        QPainter painter(&image);
        QtPreviewCanvas canvas(painter, image.height());
        previewView().Render(canvas);
    }
    attachPreviewPane(nullptr);
    EXPECT_EQ(drawList().GetCount(), 2 * 4 + 2 * 1000 * 5);
    const std::string bytes = home.read(kDrawListFileName);
    EXPECT_EQ(bytes.size(), 40u * static_cast<size_t>(drawList().GetCount()));
    EXPECT_EQ(fnv1a(bytes), 13800873957061676313u);
    const auto* bits = reinterpret_cast<const char*>(image.constBits());
    EXPECT_EQ(fnv1a(std::string_view(bits, static_cast<size_t>(image.sizeInBytes()))), 5592362149769862623u);
}

} // namespace
