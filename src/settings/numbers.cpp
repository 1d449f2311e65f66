#include "settings/numbers.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Skips leading blanks and a sign; returns whether the number is negative.
bool skipBlanksAndSign(std::string_view& text)
{
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    text.remove_prefix(i);
    return negative;
}

int digitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

int parseDigits(std::string_view text, int base, bool negative)
{
    long long value = 0;
    for (char c : text) {
        const int d = digitValue(c);
        if (d >= base)
            break;
        value = value * base + d;
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    return static_cast<int>(value > INT_MAX ? INT_MAX : value);
}
} // namespace

double leadingDouble(std::string_view text)
{
    const bool negative = skipBlanksAndSign(text);
    if (text.empty() || !(isDigit(text[0]) || (text[0] == '.' && text.size() > 1 && isDigit(text[1]))))
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc())
        return 0.0;
    return negative ? -value : value;
}

float leadingFloat(std::string_view text)
{
    return static_cast<float>(leadingDouble(text));
}

int leadingInt(std::string_view text)
{
    const bool negative = skipBlanksAndSign(text);
    return parseDigits(text, 10, negative);
}

int leadingIntAutoBase(std::string_view text)
{
    const bool negative = skipBlanksAndSign(text);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') && digitValue(text[2]) < 16)
        return parseDigits(text.substr(2), 16, negative);
    if (!text.empty() && text[0] == '0')
        return parseDigits(text, 8, negative);
    return parseDigits(text, 10, negative);
}

void appendFixed(std::string& out, double value, int decimals)
{
    // Wide enough for the largest double in fixed notation.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    out.append(buffer, result.ptr);
}

void appendFixed3(std::string& out, float value)
{
    const double thousandths = std::nearbyint(static_cast<double>(value) * 1000.0);
    if (!(std::fabs(thousandths) < 1e15)) {
        appendFixed(out, value, 3);
        return;
    }
    auto whole = static_cast<long long>(thousandths);
    if (std::signbit(value)) {
        out += '-';
        whole = -whole;
    }
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof digits, whole / 1000).ptr;
    out.append(digits, end);
    const auto fraction = static_cast<int>(whole % 1000);
    out += '.';
    out += static_cast<char>('0' + fraction / 100);
    out += static_cast<char>('0' + fraction / 10 % 10);
    out += static_cast<char>('0' + fraction % 10);
}

std::string fixed3(float value)
{
    std::string out;
    appendFixed3(out, value);
    return out;
}

std::string formatFixed(double value, int decimals)
{
    std::string out;
    appendFixed(out, value, decimals);
    return out;
}
