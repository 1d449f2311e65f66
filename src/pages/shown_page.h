#pragma once

#include "platform/page_id.h"

// Records that a page is now the shown one: the preview draws only for it (activePage) and the
// next start opens it (gs.lastpage). The sheet calls it for every page it shows, before the page's
// own handler.
void enterPage(PageId page);
