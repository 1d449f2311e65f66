// The draw list file and its replay onto the preview image. The input is the pane's size (two
// 16-bit numbers), the table the home window is made from (five floats), then 40-byte records.
#include "fuzz_targets.h"
#include "scratch_home.h"

#include "preview/preview_state.h"
#include "preview/surface.h"

#include <cstring>

namespace {

class FixedPane : public PreviewPane {
public:
    explicit FixedPane(PaneSize size) : size_(size) {}
    PaneSize clientSize() const override { return size_; }
    void invalidate(bool) override {}

private:
    PaneSize size_;
};

// Counts the lines so that the replay's work can be bounded by the records it was given.
class CountingCanvas : public PreviewCanvas {
public:
    void fillWhite(int, int) override {}
    void selectPen(int) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override { ++lines; }
    long lines = 0;
};

template <class T>
T take(const uint8_t*& data, size_t& size)
{
    T value{};
    if (size >= sizeof(T)) {
        std::memcpy(&value, data, sizeof(T));
        data += sizeof(T);
        size -= sizeof(T);
    }
    return value;
}

} // namespace

int fuzzDrawList(const uint8_t* data, size_t size)
{
    freshProcess();
    const int width = take<uint16_t>(data, size) % 4096;
    const int height = take<uint16_t>(data, size) % 4096;
    float table[5];
    for (float& value : table)
        value = take<float>(data, size);
    drawList().setFolder(scratchHome());
    drawList().Restart();
    long records = 0;
    for (; size >= kDrawRecordSize; ++records) {
        DrawRecordImage image;
        std::memcpy(image.data(), data, kDrawRecordSize);
        data += kDrawRecordSize;
        size -= kDrawRecordSize;
        const DrawRecord r = decodeDrawRecord(image);
        drawList().AddRecord(r.kind, r.pen, {r.x1, r.y1, r.z1, r.cx}, {r.x2, r.y2, r.z2, r.cy});
    }
    FixedPane pane({width, height});
    attachPreviewPane(&pane);
    previewView().setHomeFromTable(table[0], table[1], table[2], table[3], table[4]);
    previewView().FitView();
    CountingCanvas canvas;
    previewView().Render(canvas);
    fuzzCheck(drawList().GetCount() == records, "every record given is in the draw list");
    attachPreviewPane(nullptr);
    drawList().reset();
    return 0;
}
