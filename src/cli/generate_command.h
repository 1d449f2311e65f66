#pragma once

#include <iosfwd>
#include <string>

// korvanta-cli generate: regenerates a saved program with this shop's libraries, as a user would
// by loading it on the page that wrote it and saving it again: on the settings its header records
// (each difference from the shop's told as a note), or on the shop's own with shopSettings.
struct GenerateRequest {
    std::string source;
    std::string target;
    std::string home; // holds korvanta.ini and the libraries
    // Regenerate on the settings of home, not on those the program's header records.
    bool shopSettings = false;
};

// Exit status: 0 when the target was written, 1 when anything failed (every message is written
// to err as a line of its own).
int runGenerate(const GenerateRequest& request, std::ostream& err);
