// NumberToText on any double, width and decimals: bounded length, at least
// the width, and for fixed-form values a text that reads back as the value
// rounded to the printed decimals.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "numtext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 12) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    int16_t w, d;
    std::memcpy(&w, data + 8, 2);
    std::memcpy(&d, data + 10, 2);
    const int width = std::abs(w % 302) - 1;     // -1 ... 300
    const int decimals = std::abs(d % 302) - 1;  // -1 ... 300

    const std::string text = vektoria::NumberToText(value, width, decimals);
    FUZZ_CHECK(text.size() <= 255);
    FUZZ_CHECK(text.size() >= static_cast<size_t>(std::min(std::max(width, 0), 255)));
    if (std::isnan(value) || std::isinf(value) || std::fabs(value) >= std::ldexp(1.0, 120))
        return 0;

    const int places = std::min(std::max(decimals, 0), 216);
    const double back = vektoria::TextToNumber(text);
    // The same reading as a correctly rounded conversion of the text.
    FUZZ_CHECK(back == std::strtod(text.c_str(), nullptr));
    FUZZ_CHECK(std::signbit(back) == std::signbit(value));
    // Within half a unit of the last printed place, plus the rounding of
    // the 18-digit string underneath and of the text read back (one ulp).
    const long double magnitude = std::fabs(static_cast<long double>(value));
    const long double digitError = magnitude < 10 ? 0.5e-17L : magnitude * 1e-17L;
    const long double bound = 0.5L * std::pow(10.0L, -places) + digitError +
                              std::fabs(static_cast<long double>(back)) * 0x1p-52L;
    FUZZ_CHECK(std::fabs(static_cast<long double>(back) - value) <= bound);
    return 0;
}
