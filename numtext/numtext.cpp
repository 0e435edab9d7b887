#include "numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

#include "arith_fault.h"

namespace vektoria {

namespace {

// ---------------------------------------------------------------- reading

// Decimal scales at or beyond this bound give infinity or zero outright.
constexpr int64_t kScaleBound = 5120;
// The digit integer is gathered at 64-bit precision, whose largest finite
// value has 4933 digits: fewer digits never overflow it, more always do.
constexpr size_t kExtendedDigits = 4933;
// Exponent digits beyond this magnitude cannot change the outcome.
constexpr int64_t kExponentCap = 1'000'000'000;

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// The mantissa digits of a text, in the two pieces before and after the point.
struct Digits {
    std::string_view whole;
    std::string_view fraction;

    size_t Count() const { return whole.size() + fraction.size(); }
    char At(size_t i) const { return i < whole.size() ? whole[i] : fraction[i - whole.size()]; }
};

struct Scan {
    bool negative = false;
    bool wellFormed = false;
    Digits digits;
    int64_t exponent = 0;
    // Counted on the way: leading zeros and significant digits.
    size_t leadingZeros = 0;
    size_t significant = 0;
};

std::string_view TakeDigits(std::string_view text, size_t& i, Scan& scan) {
    const size_t begin = i;
    const size_t end = text.size();
    if (scan.significant == 0)
        for (; i < end && text[i] == '0'; ++i) ++scan.leadingZeros;
    const size_t digitsFrom = i;
    while (i < end && IsDigit(text[i])) ++i;
    scan.significant += i - digitsFrom;
    return text.substr(begin, i - begin);
}

// Reads as far as the text follows the form; `wellFormed` tells whether it
// did to the end.  A character of code 0 ends the text: nothing after it is
// read, and no character breaks the form by being one.
Scan ScanText(std::string_view text) {
    Scan scan;
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) scan.negative = text[i++] == '-';
    if (i == text.size() || text[i] == '\0') return scan;  // nothing, or a lone sign

    scan.digits.whole = TakeDigits(text, i, scan);
    if (i < text.size() && text[i] == '.') scan.digits.fraction = TakeDigits(text, ++i, scan);
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) expNegative = text[i++] == '-';
        if (i == text.size() || !IsDigit(text[i])) return scan;
        int64_t exponent = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentCap);
        scan.exponent = expNegative ? -exponent : exponent;
    }
    scan.wellFormed = i == text.size() || text[i] == '\0';
    return scan;
}

// Whether the digit integer, gathered digit by digit at 64-bit precision,
// grows beyond that format's range.
[[gnu::noinline]] bool DigitIntegerOverflows(const Digits& digits, size_t first) {
    const size_t significant = digits.Count() - first;
    if (significant > kExtendedDigits) return true;
    long double m = 0.0L;
    for (size_t i = first; i < digits.Count(); ++i) m = m * 10.0L + (digits.At(i) - '0');
    return std::isinf(m);
}

// The double nearest to digits × 10^scale, for a non-zero digit integer.
[[gnu::noinline]] double NearestDouble(const Digits& digits, size_t first, int64_t scale) {
    const size_t significant = digits.Count() - first;
    char small[96];
    std::string large;
    char* buf = small;
    const size_t need = significant + 24;
    if (need > sizeof small) {
        large.resize(need);
        buf = large.data();
    }
    char* p = buf;
    for (size_t i = first; i < digits.Count(); ++i) *p++ = digits.At(i);
    *p++ = 'e';
    p = std::to_chars(p, buf + need, scale).ptr;
    double value = 0.0;
    const auto result = std::from_chars(buf, p, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: at least 1 means too large, else too small.
        if (static_cast<int64_t>(significant) + scale > 0) throw ArithFault(ArithKind::Overflow);
        return 0.0;
    }
    return value;
}

// Bodies up to this length go to the standard conversion as they stand.
constexpr size_t kDirectBodyMax = 64;

// The common case in one step: blanks, a sign and a short body that the
// standard conversion takes whole and in range.  Its syntax, from a digit
// or a point on, is the well-formed one; anything else takes the full path.
bool QuickValue(std::string_view text, double& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::string_view body = text.substr(i);
    if (body.empty() || body.size() > kDirectBodyMax || !(IsDigit(body[0]) || body[0] == '.'))
        return false;
    const char* end = body.data() + body.size();
    const auto result = std::from_chars(body.data(), end, value);
    if (result.ec != std::errc() || (result.ptr != end && *result.ptr != '\0')) return false;
    if (negative) value = -value;
    return true;
}

}  // namespace

double TextToNumber(std::string_view text) {
    if (double quick; QuickValue(text, quick)) return quick;
    const Scan scan = ScanText(text);
    const size_t first = scan.leadingZeros;
    if (scan.significant >= kExtendedDigits && DigitIntegerOverflows(scan.digits, first))
        throw ArithFault(ArithKind::Overflow);
    const bool zero = scan.significant == 0;

    // A malformed text gives the digits read so far as an integer, unsigned.
    if (!scan.wellFormed) return zero ? 0.0 : NearestDouble(scan.digits, first, 0);

    const double sign = scan.negative ? -1.0 : 1.0;
    if (zero) return std::copysign(0.0, sign);
    const int64_t scale = scan.exponent - static_cast<int64_t>(scan.digits.fraction.size());
    if (scale >= kScaleBound) return std::copysign(std::numeric_limits<double>::infinity(), sign);
    if (scale <= -kScaleBound) return std::copysign(0.0, sign);
    return std::copysign(NearestDouble(scan.digits, first, scale), sign);
}

// ---------------------------------------------------------------- writing

namespace {

constexpr int kMaxWidth = 255;
constexpr int kMaxDecimals = 216;
// From this magnitude on, numbers are written in exponent form.
const double kExponentFormFrom = std::ldexp(1.0, 120);

// A decimal digit string with the count of digits before the point.
struct DecimalDigits {
    std::string digits;
    int intLength = 0;

    // Rounds half up so that `keep` digits remain; a carry out of the leading
    // digit adds a digit in front.
    void RoundHalfUpTo(size_t keep) {
        if (keep >= digits.size()) return;
        const bool up = digits[keep] >= '5';
        digits.resize(keep);
        if (!up) return;
        size_t i = keep;
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i > 0) {
            ++digits[i - 1];
        } else {
            digits.insert(digits.begin(), '1');
            ++intLength;
        }
    }
};

// The magnitude at 18 significant digits, or at 17 decimal places below 10.
DecimalDigits MagnitudeDigits(double magnitude) {
    char buf[64];
    DecimalDigits d;
    if (magnitude < 10.0) {
        const auto end =
            std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed, 17).ptr;
        const std::string_view text(buf, static_cast<size_t>(end - buf));
        const size_t point = text.find('.');
        d.digits.assign(text.substr(0, point));
        d.digits.append(text.substr(point + 1));
        d.intLength = static_cast<int>(point);
    } else {
        const auto end =
            std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 17).ptr;
        const std::string_view text(buf, static_cast<size_t>(end - buf));
        const size_t e = text.find('e');
        d.digits.push_back(text[0]);
        d.digits.append(text.substr(2, e - 2));
        int exp10 = 0;
        std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(),
                        exp10);
        d.intLength = exp10 + 1;
    }
    return d;
}

std::string FixedText(double value, int decimals) {
    DecimalDigits d = MagnitudeDigits(std::fabs(value));
    const size_t keep = static_cast<size_t>(d.intLength + decimals);
    if (keep < d.digits.size())
        d.RoundHalfUpTo(keep);
    else
        d.digits.append(keep - d.digits.size(), '0');  // no second rounding
    const std::string_view all(d.digits);
    std::string_view whole = all.substr(0, static_cast<size_t>(d.intLength));
    while (whole.size() > 1 && whole.front() == '0') whole.remove_prefix(1);
    std::string text = std::signbit(value) ? "-" : "";
    text.append(whole);
    if (decimals > 0) {
        text.push_back('.');
        text.append(all.substr(static_cast<size_t>(d.intLength)));
    }
    return text;
}

std::string ExponentText(double value, int width) {
    const int significant = std::clamp(width - 8, 2, 18);
    DecimalDigits d = MagnitudeDigits(std::fabs(value));
    int exp10 = d.intLength - 1;
    d.RoundHalfUpTo(static_cast<size_t>(significant));
    if (d.digits.size() > static_cast<size_t>(significant)) {  // carried to 10
        d.digits.pop_back();
        ++exp10;
    }
    std::string text(1, std::signbit(value) ? '-' : ' ');
    text.push_back(d.digits[0]);
    text.push_back('.');
    text.append(d.digits, 1);
    char exp[8];
    const auto end = std::to_chars(exp, exp + sizeof exp, exp10).ptr;
    text.append("E+");
    text.append(static_cast<size_t>(4 - (end - exp)), '0');
    text.append(exp, end);
    return text;
}

}  // namespace

std::string NumberToText(double value, int width, int decimals) {
    width = std::clamp(width, 0, kMaxWidth);
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    std::string text;
    if (std::isnan(value))
        text = "Nan";
    else if (std::isinf(value))
        text = value > 0 ? "+Inf" : "-Inf";
    else if (std::fabs(value) < kExponentFormFrom)
        text = FixedText(value, decimals);
    else
        text = ExponentText(value, width);
    if (text.size() < static_cast<size_t>(width))
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

}  // namespace vektoria
