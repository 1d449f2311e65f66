#include "preview/handover.h"

#include "preview/preview_state.h"
#include "settings/settings.h"

PageId activePage = PageId::None;

namespace {

struct PenPosition {
    float startX = 0, startY = 0;
    float endX = 0, endY = 0;
};
PenPosition penPosition;
std::function<void()> previewChanged;

bool isShown(PageId caller)
{
    return caller != PageId::None && caller == activePage;
}

bool fitsAfterEachOutline(PageId caller)
{
    return caller == PageId::Posts || caller == PageId::Rails;
}

void recordLine(int pen)
{
    const PenPosition& p = penPosition;
    drawList().AddRecord(kLine, pen, {p.startX, p.startY, 0, 0}, {p.endX, p.endY, 0, 0});
}

} // namespace

void ClearPreview(PageId caller)
{
    if (!isShown(caller))
        return;
    previewView().ResetView();
    drawList().Restart();
    if (previewChanged)
        previewChanged();
}

void PreviewLine(PageId caller, int pen, float x, float y, float dx, float dy)
{
    if (!isShown(caller))
        return;
    penPosition = PenPosition{x, y, x + dx, y + dy};
    recordLine(pen);
}

void PreviewLineBy(PageId caller, int pen, float dx, float dy)
{
    if (!isShown(caller))
        return;
    PenPosition& p = penPosition;
    p.startX = p.endX;
    p.startY = p.endY;
    p.endX = p.startX + dx;
    p.endY = p.startY + dy;
    recordLine(pen);
}

void FitPreview(PageId caller)
{
    if (!isShown(caller))
        return;
    previewView().FitView();
    if (previewChanged)
        previewChanged();
}

void setPreviewChangedHook(std::function<void()> hook)
{
    previewChanged = std::move(hook);
}

void DrawMaterialOutline(PageId caller, int pen, float xOrigin, float length, float width, int sides)
{
    if (!isShown(caller))
        return;
    const MaterialView material{length, width, sides,
                                caller == PageId::Manual ? kManualAspectRatio : kPostsAspectRatio};
    const HomeMaximum corner = homeMaximumFor(material, gs.autozoom != 0, gs.table.w, gs.table.h);
    previewView().setHomeMaximum(corner.x, corner.y);
    PreviewLine(caller, pen, xOrigin, 0, 0, length);
    PreviewLineBy(caller, pen, width, 0);
    PreviewLineBy(caller, pen, 0, -length);
    PreviewLineBy(caller, pen, -width, 0);
    if (fitsAfterEachOutline(caller))
        FitPreview(caller);
}

void DrawHoleOutline(PageId caller, int pen, float holeWidth, float holeLength, float x, float y)
{
    if (!isShown(caller))
        return;
    PreviewLine(caller, pen, x, y, -holeWidth / 2, 0);
    PreviewLineBy(caller, pen, 0, -holeLength);
    PreviewLineBy(caller, pen, holeWidth, 0);
    PreviewLineBy(caller, pen, 0, holeLength);
    PreviewLineBy(caller, pen, -holeWidth / 2, 0);
    if (fitsAfterEachOutline(caller))
        FitPreview(caller);
}

void resetHandover()
{
    activePage = PageId::None;
    previewChanged = nullptr;
    penPosition = PenPosition{};
}
