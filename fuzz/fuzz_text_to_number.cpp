// TextToNumber on any bytes: never a NaN, no fault but overflow, and a
// well-formed text gives the correctly rounded double of its decimal value.
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "arith_fault.h"
#include "fuzz_check.h"
#include "numtext.h"

namespace {

bool Digit(char c) { return c >= '0' && c <= '9'; }

// An independent reading of the form; fills the facts the check needs.
struct Form {
    bool wellFormed = false;
    bool negative = false;
    size_t significant = 0;  // mantissa digits after leading zeros
    long long scale = 0;     // saturated
    std::string body;        // the text after blanks and sign
};

Form Classify(std::string_view t) {
    Form f;
    size_t i = 0;
    while (i < t.size() && t[i] == ' ') ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) f.negative = t[i++] == '-';
    if (i == t.size()) return f;
    f.body = std::string(t.substr(i));
    std::string digits;
    long long fraction = 0;
    while (i < t.size() && Digit(t[i])) digits += t[i++];
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && Digit(t[i])) digits += t[i++], ++fraction;
    }
    long long exponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool expNeg = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) expNeg = t[i++] == '-';
        if (i == t.size() || !Digit(t[i])) return f;
        while (i < t.size() && Digit(t[i])) {
            exponent = exponent * 10 + (t[i++] - '0');
            if (exponent > 100000000) exponent = 100000000;
        }
        if (expNeg) exponent = -exponent;
    }
    if (i != t.size()) return f;
    f.wellFormed = true;
    const size_t first = digits.find_first_not_of('0');
    f.significant = first == std::string::npos ? 0 : digits.size() - first;
    f.scale = exponent - fraction;
    return f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::setlocale(LC_ALL, "C");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double value = 0;
    try {
        value = vektoria::TextToNumber(text);
    } catch (const vektoria::ArithFault& fault) {
        FUZZ_CHECK(fault.Kind() == vektoria::ArithKind::Overflow);
        return 0;
    }
    FUZZ_CHECK(!std::isnan(value));

    const Form f = Classify(text.substr(0, text.find('\0')));
    if (!f.wellFormed || f.significant == 0 || f.significant >= 4900) return 0;
    if (f.scale >= 5120 || f.scale <= -5120) return 0;
    // glibc's strtod is correctly rounded; the body holds only digits,
    // a point and an exponent here.
    errno = 0;
    const double reference = std::strtod(f.body.c_str(), nullptr);
    FUZZ_CHECK(!std::isinf(reference));  // would have been the overflow fault
    FUZZ_CHECK(value == (f.negative ? -reference : reference));
    FUZZ_CHECK(std::signbit(value) == f.negative);
    return 0;
}
