#pragma once

#include "ui/qt_form.h"

// The buttons every cutting page has: the sides and display choices, Save, Load, Clear and Run.
struct JobButtons {
    ControlId cutOneSide, cutBothSides, overlay, apart, save, load, clear, run;
};

// Binds them to the page's handlers of the same names.
template <class Page>
void bindJobButtons(QtForm& form, const JobButtons& ids, Page& page)
{
    form.onClicked(ids.cutOneSide, [&page] { page.onCutOneSideClicked(); });
    form.onClicked(ids.cutBothSides, [&page] { page.onCutBothSidesClicked(); });
    form.onClicked(ids.overlay, [&page] { page.onOverlayClicked(); });
    form.onClicked(ids.apart, [&page] { page.onApartClicked(); });
    form.onClicked(ids.save, [&page] { page.onSaveClicked(); });
    form.onClicked(ids.load, [&page] { page.onLoadClicked(); });
    form.onClicked(ids.clear, [&page] { page.onClearClicked(); });
    form.onClicked(ids.run, [&page] { page.onRunClicked(); });
}
