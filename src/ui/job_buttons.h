#pragma once

#include "ui/file_buttons.h"
#include "ui/qt_form.h"

// The buttons every cutting page has: the sides and display choices, Save, Load, Clear and Run.
struct JobButtons {
    ControlId cutOneSide, cutBothSides, overlay, apart, save, load, clear, run;
};

// The ones File's actions press.
inline FileButtons fileButtons(const QtForm& form, const JobButtons& ids)
{
    const auto button = [&form](ControlId id) { return qobject_cast<QAbstractButton*>(form.control(id)); };
    return FileButtons{button(ids.load), button(ids.save), button(ids.run), button(ids.clear)};
}

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
