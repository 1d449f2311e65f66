#pragma once

#include "preview/draw_list.h"
#include "preview/preview_view.h"

// The one draw list and the one preview view of the process.
DrawList& drawList();
PreviewView& previewView();

// The pane the view draws into; null detaches it.
void attachPreviewPane(PreviewPane* pane);

// A fresh process's preview: no file, no view, no pane, no active page (for tests).
void resetPreview();
