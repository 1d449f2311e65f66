#include "preview/preview_state.h"

#include "preview/handover.h"

namespace {
DrawList theDrawList;
PreviewView theView{theDrawList};
} // namespace

DrawList& drawList()
{
    return theDrawList;
}

PreviewView& previewView()
{
    return theView;
}

void attachPreviewPane(PreviewPane* pane)
{
    theView.setPane(pane);
}

void resetPreview()
{
    theDrawList.reset();
    theView.reset();
    resetHandover();
}
