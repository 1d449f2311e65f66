// The lettered values of a settings or header line, and the number check and the length reading
// of a typed field. The first byte picks the letters (those the readers use) and the number mode;
// the rest is the text.
#include "fuzz_targets.h"
#include "scratch_home.h"

#include "settings/text_helpers.h"

#include <array>
#include <cmath>

namespace {

const std::array<std::string_view, 8> kLetters = {"XY", "XYWHB", "NHCDMVAXYZ", "NFPLEXYHSOT",
                                                   "BSOCR", "TSHBOALDRC", "HSO", "ABCDEFGHIJKL"};

} // namespace

int fuzzLetterFields(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view letters = kLetters[data[0] % kLetters.size()];
    const std::string_view input = asText(data + 1, size - 1);
    std::string text(input);
    const LetterFields fields = ParseLetterFields(text, letters);
    fuzzCheck(text.size() <= input.size(), "the unparsed rest is part of the text");
    for (size_t i = letters.size(); i < fields.values.size(); ++i)
        fuzzCheck(!fields.has(i), "only listed letters take values");
    const bool number = IsNumberText(input, static_cast<int>(data[0] / kLetters.size() % 3));
    fuzzCheck(number || data[0] / kLetters.size() % 3 < 2, "any text counts as a number in the third mode");
    const int mode = data[0] % 2 == 0 ? kUnsigned : kSigned;
    if (const std::optional<double> fraction = fractionValue(input, mode)) {
        fuzzCheck(std::isfinite(*fraction) && std::fabs(*fraction) < 1e9 + 1, "a fraction is a whole number and a part");
        fuzzCheck(mode == kSigned || *fraction >= 0, "only a signed field reads a negative fraction");
        fuzzCheck(!IsNumberText(input, mode), "a fraction is no number of the number check");
        fuzzCheck(readLengthText(input, mode) == fraction, "a length field reads the fraction");
    }
    return 0;
}
