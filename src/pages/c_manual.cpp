#include "pages/c_manual.h"

CManual::CManual(Form& form, Messages& messages, FileDialogs& dialogs, Sheet& window)
    : form_(form), messages_(messages), dialogs_(dialogs), window_(window)
{
}

void CManual::create() {}
void CManual::onMaterialSelected() {}
void CManual::onRowSelected(int) {}
void CManual::onRowSelectionCancelled(int) {}
void CManual::onOffsetToggled(int) {}
void CManual::onAddClicked(int) {}
void CManual::onRemoveClicked(int) {}
void CManual::onChangeClicked(int) {}
void CManual::onCutOneSideClicked() {}
void CManual::onCutBothSidesClicked() {}
void CManual::onOverlayClicked() {}
void CManual::onApartClicked() {}
void CManual::onSaveClicked() {}
void CManual::onLoadClicked() {}
void CManual::onClearClicked() {}
void CManual::onRunClicked() {}
void CManual::onShown() {}
void CManual::onLeft() {}
bool CManual::collectManualJob()
{
    return false;
}

void CManual::runManual() {}
