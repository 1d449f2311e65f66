#pragma once

#include <string>
#include <string_view>

// Number reading and writing that never depends on the user's locale.

// The leading decimal number of a text (leading blanks skipped, an optional sign, digits with a
// point and an optional exponent); 0 when the text does not begin with one.
double leadingDouble(std::string_view text);
float leadingFloat(std::string_view text);
// The leading whole number in base 10; 0 when there is none. Clamped to the range of int.
int leadingInt(std::string_view text);
// The leading whole number with the base taken from its prefix: "0x" hexadecimal, "0" octal,
// otherwise decimal.
int leadingIntAutoBase(std::string_view text);

// Exactly what printf's "%.<decimals>f" writes for the value, with a point as decimal mark.
void appendFixed(std::string& out, double value, int decimals);
std::string formatFixed(double value, int decimals);
// "%.3f" of a single-precision value, the format of every length. A float times 1000 is exact in
// double precision, so rounding that product to a whole number (ties to even, as printf) gives
// the exact three-decimal result without a general formatter.
void appendFixed3(std::string& out, float value);
std::string fixed3(float value);
