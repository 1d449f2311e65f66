#include "pages/c_rails.h"

using namespace rails;

CRails::CRails(Form& form, Messages& messages, FileDialogs& dialogs, Sheet& window)
    : form_(form), messages_(messages), dialogs_(dialogs), window_(window), sides_(form, messages, viewOf(railJob), kSides, kChoices)
{
}

void CRails::create() {}
void CRails::onMaterialSelected() {}
void CRails::onHoleSelected() {}
void CRails::onSide2HoleFocusLost() {}
void CRails::onDistanceCommitted(int) {}
void CRails::onSpacingCommitted(int) {}
void CRails::onHolesCommitted(int) {}
void CRails::onOffsetAmountCommitted(int) {}
void CRails::onUseOffsettingClicked(int) {}
void CRails::onNoOffsettingClicked(int) {}
void CRails::onAlternateClicked(int) {}
void CRails::onRiseCommitted() {}
void CRails::onRunCommitted() {}
void CRails::onMakeEqualClicked() {}
void CRails::onCutOneSideClicked() {}
void CRails::onCutBothSidesClicked() {}
void CRails::onOverlayClicked() {}
void CRails::onApartClicked() {}
void CRails::onSaveClicked() {}
void CRails::onLoadClicked() {}
void CRails::onClearClicked() {}
void CRails::onRunClicked() {}
void CRails::onShown() {}
void CRails::onLeft() {}
bool CRails::collectRailJob()
{
    return false;
}

void CRails::runRails() {}
