#include "pages/c_config.h"

CConfig::CConfig(Form& form, Messages& messages) : form_(form), messages_(messages) {}

void CConfig::onShown() {}
bool CConfig::store()
{
    return true;
}

void CConfig::onMaterialSelected() {}
void CConfig::onHoleSelected() {}
void CConfig::onBitSelected() {}
void CConfig::onMaterialSaveClicked() {}
void CConfig::onMaterialDeleteClicked() {}
void CConfig::onHoleSaveClicked() {}
void CConfig::onHoleDeleteClicked() {}
void CConfig::onBitSaveClicked() {}
void CConfig::onBitDeleteClicked() {}
void CConfig::onHeadsCommitted() {}
void CConfig::onFixedClicked() {}
void CConfig::onVariableClicked() {}
void CConfig::onMaximumCommitted() {}
void CConfig::onTimesToLoopCommitted() {}
void CConfig::onLeadInCommitted() {}
void CConfig::onExitCommitted() {}
void CConfig::onCutRateCommitted() {}
void CConfig::onPlungeRateCommitted() {}
void CConfig::onAutozoomClicked() {}
