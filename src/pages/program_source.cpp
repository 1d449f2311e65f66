#include "pages/program_source.h"

#include "platform/messages.h"

bool patternJobIsChosen(const MaterialRecord& material, const std::array<HoleRecord, 2>& holeTypes, int sides,
                        Messages& reasons)
{
    if (material.name.empty()) {
        reasons.show("Must Select a Material.");
        return false;
    }
    for (int side = 0; side < (sides == 2 ? 2 : 1); ++side) {
        if (holeTypes[static_cast<size_t>(side)].name.empty()) {
            reasons.show("Must Select a Hole.");
            return false;
        }
    }
    return true;
}
