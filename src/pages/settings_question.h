#pragma once

#include "settings/settings.h"

#include <string>
#include <vector>

// A setting a program's header records that differs from the shop's, with the caption the
// Configurations page gives it and both values as that page shows them.
struct SettingsDifference {
    std::string caption;
    std::string program;
    std::string shop;
};

// The settings a loaded program was written with that differ from the shop's, in the order the
// Configurations page shows them. The autozoom choice and the spare length are the shop's own
// and never differ. Lengths are compared at the three decimals a header records.
std::vector<SettingsDifference> settingsDifferences(const Settings& program, const Settings& shop);

// The shop's settings with the program's in place of every one that differs.
void takeProgramSettings(const Settings& program, Settings& shop);

// The question Load asks: the differences and what OK and Cancel do.
std::string settingsQuestion(const std::vector<SettingsDifference>& differences);
