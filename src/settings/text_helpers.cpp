#include "settings/text_helpers.h"

#include "settings/numbers.h"

#include <algorithm>

void TrimSpaces(std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    const size_t last = text.find_last_not_of(' ');
    text = text.substr(first, last - first + 1);
}

bool IsNumberText(std::string_view text, int mode)
{
    std::string_view allowed;
    if (mode == kUnsigned)
        allowed = "0123456789.";
    else if (mode == kSigned)
        allowed = "0123456789.-";
    else
        return true;
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

namespace {

// Nine digits at most, so that every part is a whole number a double holds exactly.
constexpr size_t kFractionDigits = 9;

// Reads a run of one to kFractionDigits digits at the front of text.
std::optional<double> takeDigits(std::string_view& text)
{
    size_t n = 0;
    while (n < text.size() && text[n] >= '0' && text[n] <= '9')
        ++n;
    if (n == 0 || n > kFractionDigits)
        return std::nullopt;
    double value = 0;
    for (size_t i = 0; i < n; ++i)
        value = value * 10 + (text[i] - '0');
    text.remove_prefix(n);
    return value;
}

bool takeChar(std::string_view& text, char c)
{
    if (text.empty() || text.front() != c)
        return false;
    text.remove_prefix(1);
    return true;
}

} // namespace

std::optional<double> fractionValue(std::string_view text, int mode)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const bool negative = mode == kSigned && takeChar(text, '-');
    const std::optional<double> first = takeDigits(text);
    if (!first)
        return std::nullopt;
    double whole = 0;
    std::optional<double> numerator = first;
    const bool hasWhole = !takeChar(text, '/');
    if (hasWhole) {
        // The whole number, then one hyphen or one or more spaces, then the fraction.
        whole = *first;
        if (!takeChar(text, '-')) {
            if (!takeChar(text, ' '))
                return std::nullopt;
            while (takeChar(text, ' ')) {
            }
        }
        numerator = takeDigits(text);
        if (!numerator || !takeChar(text, '/'))
            return std::nullopt;
    }
    const std::optional<double> denominator = takeDigits(text);
    if (!denominator || *denominator == 0 || !text.empty())
        return std::nullopt;
    if (hasWhole && *numerator >= *denominator)
        return std::nullopt;
    const double value = whole + *numerator / *denominator;
    return negative ? -value : value;
}

std::optional<double> readLengthText(std::string_view text, int mode)
{
    if (IsNumberText(text, mode))
        return leadingDouble(text);
    return fractionValue(text, mode);
}

float lengthFieldValue(std::string_view text, int mode, float held)
{
    if (text == fixed3(held))
        return held;
    return static_cast<float>(readLengthText(text, mode).value_or(0.0));
}

namespace {
size_t skip(const std::string& text, size_t pos, std::string_view chars)
{
    const size_t next = text.find_first_not_of(chars, pos);
    return next == std::string::npos ? text.size() : next;
}
} // namespace

LetterFields ParseLetterFields(std::string& text, std::string_view letters)
{
    const size_t lineEnd = text.find_first_of("\r\n");
    if (lineEnd != std::string::npos && lineEnd != 0)
        text.resize(lineEnd);
    size_t pos = skip(text, 0, " ,\t");
    const size_t comment = text.find('[', pos);
    if (comment != std::string::npos)
        text.resize(comment);

    LetterFields fields;
    pos = skip(text, pos, " \t");
    while (pos < text.size()) {
        const size_t slot = letters.find(text[pos]);
        if (slot == std::string_view::npos || slot >= fields.values.size())
            break;
        pos = skip(text, pos + 1, " \t");
        std::string value;
        if (pos < text.size() && text[pos] == '"') {
            const size_t close = text.find('"', pos + 1);
            const size_t end = close == std::string::npos ? text.size() : close;
            value = text.substr(pos + 1, end - pos - 1);
            pos = close == std::string::npos ? text.size() : close + 1;
        } else {
            const size_t end = skip(text, pos, "0123456789+-.");
            value = text.substr(pos, end - pos);
            pos = end;
        }
        fields.values[slot] = std::move(value);
        pos = skip(text, pos, " \t");
        if (pos < text.size() && text[pos] == '[')
            break;
    }
    text.erase(0, pos);
    return fields;
}

bool TextLines::next(std::string_view& line)
{
    if (pos_ >= text_.size())
        return false;
    const size_t end = std::min(text_.find_first_of("\r\n", pos_), text_.size());
    line = text_.substr(pos_, std::min(end - pos_, limit_));
    pos_ = end;
    if (pos_ < text_.size())
        pos_ += text_.compare(pos_, 2, "\r\n") == 0 ? 2 : 1;
    return true;
}
