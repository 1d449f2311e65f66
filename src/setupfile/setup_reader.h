#pragma once

#include "gcode/output/run_context.h"
#include "platform/page_id.h"
#include "settings/text_helpers.h"

#include <string>

class Messages;

// The lines of a tap file as the header reader sees them: ended by CR LF, LF or a lone CR, cut at
// 255 characters (the rest of a longer line is skipped), upper-cased, a line that does not begin
// with "[" counting as empty, trailing blanks stripped.
class HeaderLines {
public:
    bool open(const std::string& path);
    bool next(std::string& line);

private:
    static constexpr size_t kPiece = 255;
    std::string bytes_;
    TextLines lines_{{}, kPiece};
};

// Reads lines until the "[screen=" line tells which page wrote the file: Posts, Manual, Rails,
// or None when another setting line comes first or the file ends. The reader is left after the
// screen line.
PageId readSetupScreen(HeaderLines& lines);

// What a setup header read for Load holds besides the page's values (which go to the holding
// fields and the job): the shop's settings with the header's settings items in their place, the
// feed rates it recorded, and its sides and display choices, each unset when it recorded none.
struct LoadedHeader {
    Settings settings;
    FeedRates feeds{kUnsetCount, kUnsetCount};
    int sides = kUnsetCount;   // 1 one side, 2 both sides
    int display = kUnsetCount; // 1 overlay, 0 apart
};

// Opens the tap file and reads its setup header: the settings items over a copy of the shop's
// settings, and the page values into the page's job and the holding fields. False when the file
// cannot be opened (no message), when it was not written by this program, or at the first line
// that its form does not accept, a line with a length or count too large for a float among them.
// The shop's own settings are never changed here.
bool readSetupHeader(const std::string& path, const Settings& shop, LoadedHeader& header, Messages& messages);
// The screen of the tap file; false when it cannot be opened.
bool readTapFileScreen(const std::string& path, PageId& screen);
