#include "ui/config_page.h"

#include "ui/config_groups.h"
#include "ui/main_window.h"
#include "ui/page_builder.h"
#include "ui/page_tooltips.h"

#include <QLabel>
#include <QTabWidget>

using namespace config;

ConfigPage::ConfigPage(MainWindow& window) : logic_(form_, window.messages())
{
    QWidget* page = build();
    bind();
    applyTooltips(form_, PageId::Configurations);
    window.setPage(PageId::Configurations, page,
                   PageHooks{[this] { logic_.onShown(); }, [this] { return logic_.store(); }});
    window.setConfigurationsStore([this] { return logic_.store(); });
    placeNote(window);
}

QWidget* ConfigPage::build()
{
    auto* page = new QWidget;
    PageBuilder b(page, form_);
    buildConfigGroups(b);
    return page;
}

// The greeting of a new shop stands at the top, beside the tabs, where the page has no room.
void ConfigPage::placeNote(MainWindow& window)
{
    auto* note = new QLabel;
    note->setContentsMargins(8, 0, 8, 0);
    note->setStyleSheet(QStringLiteral("font-weight: bold"));
    note->hide();
    form_.add(NewShopNote, note);
    window.tabs()->setCornerWidget(note, Qt::TopRightCorner);
}

void ConfigPage::bind()
{
    CConfig& l = logic_;
    form_.onSelectionChanged(MaterialName, [&l] { l.onMaterialSelected(); });
    form_.onSelectionChanged(HoleName, [&l] { l.onHoleSelected(); });
    form_.onSelectionChanged(BitName, [&l] { l.onBitSelected(); });
    form_.onClicked(MaterialSave, [&l] { l.onMaterialSaveClicked(); });
    form_.onClicked(MaterialDelete, [&l] { l.onMaterialDeleteClicked(); });
    form_.onClicked(HoleSave, [&l] { l.onHoleSaveClicked(); });
    form_.onClicked(HoleDelete, [&l] { l.onHoleDeleteClicked(); });
    form_.onClicked(BitSave, [&l] { l.onBitSaveClicked(); });
    form_.onClicked(BitDelete, [&l] { l.onBitDeleteClicked(); });
    // The heads and their axis letters are checked together, whichever of the two is left.
    form_.onFocusLost(Heads, [&l] { l.onHeadsCommitted(); });
    form_.onFocusLost(AxisCharacters, [&l] { l.onHeadsCommitted(); });
    form_.onClicked(DepthFixed, [&l] { l.onFixedClicked(); });
    form_.onClicked(DepthVariable, [&l] { l.onVariableClicked(); });
    form_.onFocusLost(Maximum, [&l] { l.onMaximumCommitted(); });
    form_.onFocusLost(TimesToLoop, [&l] { l.onTimesToLoopCommitted(); });
    form_.onFocusLost(LeadIn, [&l] { l.onLeadInCommitted(); });
    form_.onFocusLost(Exit, [&l] { l.onExitCommitted(); });
    form_.onFocusLost(CutRate, [&l] { l.onCutRateCommitted(); });
    form_.onFocusLost(PlungeRate, [&l] { l.onPlungeRateCommitted(); });
    form_.onClicked(Autozoom, [&l] { l.onAutozoomClicked(); });
}
