#pragma once

#include "gcode/output/run_context.h"
#include "pages/config_controls.h"
#include "pages/page_fields.h"

#include <string>

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
    // Shows the line that greets a shop started afresh, until the page is first stored.
    void greetNewShop();

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
    void refillLibraries();
    void showMachine();
    void showFolders();
    void enablePositions(int count);
    void showRadioPairs();
    void showSpindleRows();
    void showMaterial();
    void showHole(bool known);
    template <class Value>
    void takeOnLeaving(const NumberField& rule, Value& target);

    bool takeName(ControlId nameBox, const char* missing, std::string& name);
    template <class Value>
    bool takeField(const NumberField& rule, Value& target);
    bool takeRate(const NumberField& rule, int& rate, int& effective, int setting);
    bool takeMaterialFields();
    void tellFailedSave(const WriteResult& saved, const char* sentence);
    bool removeCurrent(LibraryKind kind, ControlId nameBox, const char* missing, const char* cannotOpen);

    template <class Value>
    void readNumber(const NumberField& rule, Value& target, Value emptyValue, ControlId id = -1);
    bool readText(ControlId id, size_t limit, const char* tooLong, std::string& target);
    bool readDepths();
    void readPositions();
    bool readSpindleRows();
    bool readSettings();
    bool checkSettings();
    bool makeMissingFolders();

    Form& form_;
    Messages& messages_;
    bool filled_ = false;
    // The material section's feed rates as the page last read them; they are the page's own, and
    // no cutting page takes them.
    FeedRates sectionRates_;
};
