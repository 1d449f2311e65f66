#pragma once

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

// Opens the current tap file and reads its setup header: settings into gs, page values into the
// page's job and the holding fields. False when the file cannot be opened (no message), when it
// was not written by this program, or at the first line that its form does not accept, a line
// with a length or count too large for a float among them.
bool readSetupHeader(Messages& messages);
// The screen of the current tap file; false when it cannot be opened.
bool readCurrentTapFileScreen(PageId& screen);
