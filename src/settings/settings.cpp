#include "settings/settings.h"

Settings gs;
std::string homeDir;

namespace {
using Command = std::string Settings::*;
constexpr Command kOn[kMaxHeads] = {&Settings::head1on, &Settings::head2on, &Settings::head3on,
                                    &Settings::head4on};
constexpr Command kOff[kMaxHeads] = {&Settings::head1off, &Settings::head2off, &Settings::head3off,
                                     &Settings::head4off};
} // namespace

std::string& Settings::headOn(int head) { return this->*kOn[head - 1]; }
std::string& Settings::headOff(int head) { return this->*kOff[head - 1]; }
const std::string& Settings::headOn(int head) const { return this->*kOn[head - 1]; }
const std::string& Settings::headOff(int head) const { return this->*kOff[head - 1]; }

void resetSettings()
{
    gs = Settings{};
    homeDir.clear();
}
