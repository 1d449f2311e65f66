#pragma once

#include "gcode/output/job_records.h"
#include "gcode/output/run_context.h"
#include "gcode/output/program_output.h"
#include "platform/recording_messages.h"
#include "support/temp_dir.h"

#include <string>
#include <vector>

// Fresh process-wide state in a home folder of its own, for the program writers' tests.
class GcodeTest : public HomeDirTest {
protected:
    RecordingMessages messages;
};

// The machine of the worked example: one lettered head Z, m3/m5, feeds 120/30, bit 0.5, lead-in
// 0.25, exit 0.125, clearance 0.5, fixed depth 0.75, centred alignment, start (10, 40), end
// (0, 0), one post at a time, homing at the top and cutting from the top down. Programs go to
// the test's home folder.
void useExampleMachine();
// What a program is composed with on the machine the settings hold now: their feed rates, the
// display choice given, the slope given, subprograms in the settings' program folder.
RunContext shopRun(int display = 1, RailSlope slope = {});
// The example machine with two lettered heads Z and W and the tool number T1.
void useTwoHeadMachine();
// Variant 1 homes at the top of the post and cuts from the top down (gs.start 1, gs.direction
// 1); 2 (1, 0); 3 (0, 1); 4 (0, 0).
void useVariant(int variant);
// The worked example's post job: material 48 long, 5 wide, 3.5 high; hole 4 x 1.5, radius 0.5;
// distance 6, one hole, no offsetting.
PostJob examplePostJob();
HoleRecord exampleHole();

// The lines of a program without their CR LF ends.
std::vector<std::string> linesOf(const std::string& bytes);
// The program's lines after its setup header (from "G90").
std::vector<std::string> bodyLines(const std::string& program);
