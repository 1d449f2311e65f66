#pragma once

#include "random_shop.h"

#include "platform/page_id.h"

#include <string>
#include <vector>

// A random job laid out on a cutting page of a random shop through the page's own handlers, then
// Run as the operator presses it.
struct RunOutcome {
    std::vector<std::string> messages; // what Run said
    bool programWritten = false;
    bool jobListWritten = false;
    std::string problems; // what the program check finds in the written program
};
RunOutcome runRandomJob(Dice& dice, PageId page);

// Whether Run kept its promise: a job that its checks accept is written and reads back clean,
// and a job they refuse writes nothing. Empty when it did; otherwise what went wrong.
std::string brokenPromise(const RunOutcome& outcome);
