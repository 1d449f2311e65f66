#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// korvanta-cli verify: reads programs back as the controller would and reports every problem.
struct VerifyRequest {
    std::vector<std::string> programs;
    std::string home = "."; // holds korvanta.ini and the bit library
    std::optional<double> bit; // overrides the bit diameter
    bool json = false;
};

// Exit status: 0 when every program is clean, 1 when any has a problem or cannot be read.
int runVerify(const VerifyRequest& request, std::ostream& out, std::ostream& err);
