#pragma once

#include "gcode/hole_path.h"
#include "gcode/output/job_records.h"
#include "gcode/output/run_context.h"

#include <string>

class Messages;

// The checks that keep a program inside its holes, on its material and on the machine. They run
// after the settings check and before anything is written; each shows its first failure and
// returns false.

// One hole type as it is cut: the geometry check, then, unless it is a subprogram hole, the bit
// against the hole ("Bit Diameter Error") and the tool within the hole during the lead-in ("Lead
// in Arc Radius Error") and the exit arc ("Exit Arc Radius Error"), each followed by the suffix.
bool checkHoleCut(const HoleCut& cut, const Settings& settings, const std::string& suffix, Messages& messages);

// The suffixes of side 1's and side 2's hole type messages.
struct HoleSuffixes {
    std::string side1;
    std::string side2;
};

// Every hole type the program cuts: side 1, then side 2 when both sides are cut; the Manual job
// every filled slot, side 1 first, named by its side and slot.
bool checkPostHoleTypes(const PostJob& job, const RunContext& run, const HoleSuffixes& suffixes, Messages& messages);
bool checkRailHoleTypes(const RailJob& job, const RunContext& run, const HoleSuffixes& suffixes, Messages& messages);
bool checkManualHoleTypes(const ManualJob& job, const RunContext& run, Messages& messages);

// Every hole where the program cuts it, numbered from the top end (the Manual job by its slot),
// side 1 then side 2: on the material, within the machine table when its size is set, and away
// from the coordinate that the controller's words leave out.
bool checkPostPlacement(const PostJob& job, const RunContext& run, Messages& messages);
bool checkRailPlacement(const RailJob& job, const RunContext& run, Messages& messages);
bool checkManualPlacement(const ManualJob& job, const RunContext& run, Messages& messages);
