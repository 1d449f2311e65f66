#include "pages/shown_page.h"

#include "preview/handover.h"
#include "settings/settings.h"

void enterPage(PageId page)
{
    activePage = page;
    gs.lastpage = pageNumber(page);
}
