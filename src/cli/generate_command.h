#pragma once

#include <iosfwd>
#include <string>

// korvanta-cli generate: regenerates a saved program on this machine's settings and libraries,
// as a user would by loading it on the page that wrote it and saving it again.
struct GenerateRequest {
    std::string source;
    std::string target;
    std::string home; // holds korvanta.ini and the libraries
};

// Exit status: 0 when the target was written, 1 when anything failed (every message is written
// to err as a line of its own).
int runGenerate(const GenerateRequest& request, std::ostream& err);
