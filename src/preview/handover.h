#pragma once

#include "platform/page_id.h"

#include <functional>

// How the pages draw into the preview. Each operation does nothing unless the calling page is
// the shown page, so a page that is not on screen never disturbs the picture.

// The page currently shown, set by enterPage (pages/shown_page.h).
extern PageId activePage;

// A fresh view at the pane's size and an empty draw list.
void ClearPreview(PageId caller);
// A line from (x, y) by (dx, dy); the pen position follows it.
void PreviewLine(PageId caller, int pen, float x, float y, float dx, float dy);
// A line from the end of the previous one by (dx, dy).
void PreviewLineBy(PageId caller, int pen, float dx, float dy);
// Fits the view around what was recorded and asks for a paint.
void FitPreview(PageId caller);
// The material's rectangle with its lower-left corner at (xOrigin, 0). Moves the home window to
// the material first (autozoom); sides is 1 or 2, as chosen on the page. The Posts and Rails
// pages fit after it; the Manual page fits once at the end of its drawing.
void DrawMaterialOutline(PageId caller, int pen, float xOrigin, float length, float width, int sides);
// One hole's rectangle whose top edge is centred on (x, y) and which hangs down by its length.
// The Posts and Rails pages fit after it.
void DrawHoleOutline(PageId caller, int pen, float holeWidth, float holeLength, float x, float y);

// Called after the shown page clears or fits its drawing, so that what else follows the page's
// drawing (the program view, the cutting time) can follow it too. Empty by default.
void setPreviewChangedHook(std::function<void()> hook);

// No active page, no hook and the pen position at the origin (for tests; resetPreview calls it).
void resetHandover();
