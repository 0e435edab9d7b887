#include "numtext.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "arith_fault.h"

namespace vektoria {
namespace {

using std::string_literals::operator""s;

const double kInf = std::numeric_limits<double>::infinity();

uint64_t Bits(double v) { return std::bit_cast<uint64_t>(v); }

struct ReadCase {
    std::string text;
    double expected;
};

// Bitwise comparison: the sign of zero matters.
void PrintTo(const ReadCase& c, std::ostream* os) { *os << '[' << c.text.substr(0, 60) << ']'; }

class TextToNumberTable : public testing::TestWithParam<ReadCase> {};

TEST_P(TextToNumberTable, GivesTheExactDouble) {
    const ReadCase& c = GetParam();
    const double got = TextToNumber(c.text);
    EXPECT_EQ(Bits(got), Bits(c.expected)) << "text [" << c.text << "] gave " << got;
}

INSTANTIATE_TEST_SUITE_P(
    WellFormed, TextToNumberTable,
    testing::Values(ReadCase{"12", 12}, ReadCase{"  -3.25", -3.25}, ReadCase{"+7", 7},
                    ReadCase{".5", 0.5}, ReadCase{"5.", 5}, ReadCase{"007.50", 7.5},
                    ReadCase{"1e3", 1000}, ReadCase{"1.5E-2", 0.015}, ReadCase{"1E+02", 100},
                    ReadCase{"-0", -0.0}, ReadCase{".", 0}, ReadCase{"E5", 0},
                    ReadCase{"-.e1", -0.0}, ReadCase{"1e308", 1e308},
                    ReadCase{"1.7976931348623158e308", DBL_MAX}, ReadCase{"1e5120", kInf},
                    ReadCase{"-1e5120", -kInf}, ReadCase{"1e99999999999999999999", kInf},
                    ReadCase{"0e5120", 0}, ReadCase{"-0e9999", -0.0}, ReadCase{"1e-400", 0},
                    ReadCase{"1e-5120", 0}, ReadCase{"-1e-5120", -0.0}, ReadCase{"-1e-400", -0.0},
                    ReadCase{"4.9e-324", std::numeric_limits<double>::denorm_min()},
                    ReadCase{"2.2250738585072011e-308", 2.2250738585072011e-308},
                    // 5201 decimal places, but the scale stays inside the bounds.
                    ReadCase{"0." + std::string(5200, '0') + "1e5200", 1e-1},
                    // Correct rounding where the digits decide a tie.
                    ReadCase{"9007199254740993", 9007199254740992.0},
                    ReadCase{"9007199254740993.000000000000000000000001", 9007199254740994.0},
                    ReadCase{"0.1000000000000000055511151231257827021181583404541015625", 0.1}));

INSTANTIATE_TEST_SUITE_P(
    Malformed, TextToNumberTable,
    testing::Values(ReadCase{"", 0}, ReadCase{"   ", 0}, ReadCase{"-", 0}, ReadCase{"+", 0},
                    ReadCase{"abc", 0}, ReadCase{"2x", 2}, ReadCase{"1,5", 1}, ReadCase{"-1,5", 1},
                    ReadCase{"12 ", 12}, ReadCase{"-12 ", 12}, ReadCase{"1.5 ", 15},
                    ReadCase{"0.001x", 1}, ReadCase{"1.2.3", 12}, ReadCase{"2.5e", 25},
                    ReadCase{"1e-", 1}, ReadCase{"1e+", 1}, ReadCase{"1e5x", 1}, ReadCase{"$10", 0},
                    ReadCase{"0x10", 0}, ReadCase{"\t3", 0}, ReadCase{"- 5", 0}, ReadCase{"+-5", 0},
                    ReadCase{"1d5", 1},
                    ReadCase{"-\xA0"
                             "5",
                             0},
                    ReadCase{"1.5e2 ", 15},
                    ReadCase{"12\0"
                             "34"s,
                             12},
                    ReadCase{"-0 ", 0}));

class TextToNumberOverflow : public testing::TestWithParam<std::string> {};

TEST_P(TextToNumberOverflow, RaisesTheOverflowFault) {
    try {
        TextToNumber(GetParam());
        FAIL() << "no fault for [" << GetParam().substr(0, 40) << "]";
    } catch (const ArithFault& f) {
        EXPECT_EQ(f.Kind(), ArithKind::Overflow);
        EXPECT_STREQ(f.what(),
                     "Gleitkomma\xC3\xBC"
                     "berlauf");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToNumberOverflow,
    testing::Values("1.7976931348623159e308", "1e400", "-1e400", "1e5000", "1e5119",
                    std::string(5000, '1'), std::string(2500, '1') + "." + std::string(2500, '1'),
                    // Too many digits fault whatever the scale, even malformed ones.
                    std::string(5000, '1') + "e-9999", std::string(5000, '1') + "x",
                    // Malformed, but the digits alone exceed the double range.
                    "1" + std::string(400, '0') + "x", "1.5" + std::string(400, '0') + " "));

TEST(TextToNumber, DigitIntegerLimitLiesAtTheExtendedRange) {
    // 4933 significant digits: 1.1e4932 still fits the 64-bit intermediate,
    // 1.2e4932 does not.  Leading zeros do not count.
    const std::string fits = "000" + std::string("11") + std::string(4931, '0');
    const std::string overflows = "12" + std::string(4931, '0');
    EXPECT_EQ(TextToNumber(fits + "e-9000"), 0.0);
    EXPECT_THROW(TextToNumber(overflows + "e-9000"), ArithFault);
    EXPECT_EQ(TextToNumber(fits + "e-4932"), 1.1);
}

TEST(TextToNumber, LongTextsStayCheap) {
    // One megabyte of blanks and zeros reads without quadratic cost.
    EXPECT_EQ(TextToNumber(std::string(1 << 20, ' ') + "7"), 7.0);
    EXPECT_EQ(TextToNumber("0." + std::string(1 << 20, '0') + "1e1048576"), 0.1);
    EXPECT_EQ(TextToNumber("1e" + std::string(1 << 20, '9')), kInf);
}

struct WriteCase {
    double value;
    std::string text;
    int blanksAt8;
    int blanksAt5;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.text; }

class NumberToTextTable : public testing::TestWithParam<WriteCase> {};

TEST_P(NumberToTextTable, PadsTheSameTextToBothWidths) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(NumberToText(c.value, 8, 4), std::string(c.blanksAt8, ' ') + c.text);
    EXPECT_EQ(NumberToText(c.value, 5, 4), std::string(c.blanksAt5, ' ') + c.text);
}

TEST_P(NumberToTextTable, ReadsBackAsTheValueShown) {
    const WriteCase& c = GetParam();
    const double back = TextToNumber(NumberToText(c.value, 8, 4));
    if (std::isinf(c.value)) {
        EXPECT_EQ(Bits(back), Bits(0.0));
    } else {
        EXPECT_EQ(Bits(back), Bits(TextToNumber(c.text))) << c.text;
        EXPECT_EQ(std::signbit(back), std::signbit(c.value));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberToTextTable,
    testing::Values(WriteCase{1, "1.0000", 2, 0}, WriteCase{-1, "-1.0000", 1, 0},
                    WriteCase{0, "0.0000", 2, 0}, WriteCase{-0.0, "-0.0000", 1, 0},
                    WriteCase{0.5, "0.5000", 2, 0}, WriteCase{2.0 / 3, "0.6667", 2, 0},
                    WriteCase{-2.0 / 3, "-0.6667", 1, 0}, WriteCase{99.5, "99.5000", 1, 0},
                    WriteCase{123.456, "123.4560", 0, 0}, WriteCase{12345.6789, "12345.6789", 0, 0},
                    WriteCase{-0.00004, "-0.0000", 1, 0}, WriteCase{-1e-17, "-0.0000", 1, 0},
                    WriteCase{0.00005, "0.0001", 2, 0}, WriteCase{0.000049999, "0.0000", 2, 0},
                    WriteCase{0.00015, "0.0002", 2, 0}, WriteCase{0.03125, "0.0313", 2, 0},
                    WriteCase{-0.03125, "-0.0313", 1, 0}, WriteCase{9.99995, "10.0000", 1, 0},
                    WriteCase{999.99995, "1000.0000", 0, 0},
                    WriteCase{1e20, "100000000000000000000.0000", 0, 0},
                    WriteCase{1180591620717411303424.0, "1180591620717411300000.0000", 0, 0},
                    WriteCase{2e36, " 2.0E+0036", 0, 0}, WriteCase{-2e36, "-2.0E+0036", 0, 0},
                    WriteCase{9.96e36, " 1.0E+0037", 0, 0}, WriteCase{1e100, " 1.0E+0100", 0, 0},
                    WriteCase{kInf, "+Inf", 4, 1}, WriteCase{-kInf, "-Inf", 4, 1}));

struct FormatCase {
    double value;
    int width;
    int decimals;
    std::string text;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.value << " width " << c.width << " decimals " << c.decimals;
}

class NumberToTextFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(NumberToTextFormats, FollowsWidthAndDecimals) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(NumberToText(c.value, c.width, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberToTextFormats,
    testing::Values(FormatCase{12345.6789, 10, 2, "  12345.68"}, FormatCase{2.5, 0, 0, "3"},
                    FormatCase{0.5, 0, 0, "1"}, FormatCase{-0.5, 0, 0, "-1"},
                    FormatCase{0.4, 0, 0, "0"}, FormatCase{std::nan(""), 5, 4, "  Nan"},
                    // Places beyond the digit string are zeros, with no second rounding.
                    FormatCase{0.1, 0, 20, "0.10000000000000001000"},
                    FormatCase{1e20, 0, 1, "100000000000000000000.0"},
                    // Exponent form: significant digits follow the width.
                    FormatCase{2e36, 14, 4, " 2.00000E+0036"},
                    FormatCase{-1.5e300, 40, 0,
                               std::string(14, ' ') + "-1.50000000000000008E+0300"},
                    FormatCase{DBL_MAX, 8, 4, " 1.8E+0308"},
                    // Just below the switch to exponent form, 37 integer digits.
                    FormatCase{std::nextafter(std::ldexp(1.0, 120), 0.0), 0, 0,
                               "1329227995784915730000000000000000000"},
                    FormatCase{1.0, -5, -3, "1"}));

TEST(NumberToText, NeverExceeds255Characters) {
    const double longest = -std::nextafter(std::ldexp(1.0, 120), 0.0);
    const std::string text = NumberToText(longest, 1000, 1000);
    EXPECT_EQ(text.size(), 255u);
    EXPECT_EQ(text.substr(0, 3), "-13");
    EXPECT_EQ(text.find('.'), 38u);  // sign, 37 digits, then 216 decimals
    EXPECT_EQ(NumberToText(1.0, 300, 4).size(), 255u);
    EXPECT_EQ(NumberToText(1.0, 0, 300).size(), 218u);
}

}  // namespace
}  // namespace vektoria
