#include "setupfile/load_state.h"

namespace {
TapFileListener listener;
}

std::optional<std::string> pendingLoad;
HoldingFields holding;

void setTapFileListener(TapFileListener newListener)
{
    listener = std::move(newListener);
}

void tapFileUsed(const std::string& path)
{
    if (listener)
        listener(path);
}

void resetSetupState()
{
    pendingLoad.reset();
    holding = HoldingFields{};
}
