#pragma once

#include "pages/config_controls.h"

class Messages;

// The Configurations page: the machine settings in gs and the libraries of materials, hole types
// and bits. Its fields are read back into gs when the page is left; leaving is refused while a
// setting is missing or wrong.
class CConfig {
public:
    CConfig(Form& form, Messages& messages);

    // The page became the shown page: filled from gs the first time, refreshed every time.
    void onShown();
    // The fields into gs, checked, and the settings file written. False keeps the page shown.
    bool store();

    void onMaterialSelected();
    void onHoleSelected();
    void onBitSelected();
    void onMaterialSaveClicked();
    void onMaterialDeleteClicked();
    void onHoleSaveClicked();
    void onHoleDeleteClicked();
    void onBitSaveClicked();
    void onBitDeleteClicked();
    // Number of Heads or Vertical Axis Characters left.
    void onHeadsCommitted();
    void onFixedClicked();
    void onVariableClicked();
    void onMaximumCommitted();
    void onTimesToLoopCommitted();
    void onLeadInCommitted();
    void onExitCommitted();
    void onCutRateCommitted();
    void onPlungeRateCommitted();
    void onAutozoomClicked();

private:
    void fill();
    void activate();
    void showHeadsAndAxes();
    void showCutStyle();
    void enablePositions(int count);
    void showRadioPairs();
    void showMaterial();
    void showHole();
    void showBit();
    bool readSettings();
    bool checkSettings();

    Form& form_;
    Messages& messages_;
    bool filled_ = false;
};
