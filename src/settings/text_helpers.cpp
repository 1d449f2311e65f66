#include "settings/text_helpers.h"

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
