#include "settings/start_values.h"

#include "settings/settings.h"

void setStartValues(const std::string& workingDir)
{
    gs.toolnumber.clear();
    homeDir = workingDir;
    gs.alignment = 1;
    gs.start = kUnsetCount;
    gs.bitname = "1/4";
    gs.bit = 0.25f;
    gs.cutatonce = 0;
    gs.autopostoffset = 0;
    gs.spare.fill(0);
}
