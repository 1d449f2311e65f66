#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Removes leading and trailing spaces (only the space character).
void TrimSpaces(std::string& text);

// Mode 0: only digits and "."; mode 1: digits, "." and "-"; any other mode: always true.
// The empty text counts as a number.
bool IsNumberText(std::string_view text, int mode);
inline constexpr int kUnsigned = 0;
inline constexpr int kSigned = 1;

// A whole number and a fraction as a fence shop writes a length: "5 1/2", "5-1/2", "3 5/8", or a
// fraction alone, "1/4"; in mode 1 also with a leading "-" ("-1 1/2"). Spaces around it are
// allowed. The value is read exactly (5.5, 3.625, 0.25, -1.5); nothing for any other text, and
// for a whole number followed by a fraction of one or more ("5 3/2").
std::optional<double> fractionValue(std::string_view text, int mode);

// The value of a length field's text: a number in the mode of IsNumberText, by the leading-number
// rule (the empty text is 0), or a fraction as above. Nothing for any other text.
std::optional<double> readLengthText(std::string_view text, int mode);

// A length field read again: while its text still shows the value it holds with "%.3f", the value
// is kept (a fraction keeps its exact value); otherwise the text's value, 0 for a text that is no
// length.
float lengthFieldValue(std::string_view text, int mode, float held);

// The values found for each letter of a letter list: an empty slot when the letter did not occur;
// a present slot may hold an empty text, which converts to 0.
struct LetterFields {
    std::array<std::optional<std::string>, 12> values;
    const std::optional<std::string>& operator[](size_t i) const { return values[i]; }
    bool has(size_t i) const { return values[i].has_value(); }
};

// Reads lettered values such as X1.5 Y2 or N"NAME" from text, using the letters in the given
// list (up to 12 capital letters; the slot number is the letter's position). Parsing stops at the
// first character that is not a listed letter; text is left holding the unparsed rest.
LetterFields ParseLetterFields(std::string& text, std::string_view letters);

// The lines of a text, each ended by CR LF, LF or a lone CR (or the text's end), and cut at limit
// characters: the rest of a longer line is skipped, never read as a line of its own. Reading
// every line takes time in proportion to the text.
class TextLines {
public:
    TextLines(std::string_view text, size_t limit) : text_(text), limit_(limit) {}
    bool next(std::string_view& line);

private:
    std::string_view text_;
    size_t limit_;
    size_t pos_ = 0;
};
