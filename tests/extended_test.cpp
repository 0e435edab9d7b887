#include "extended.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

namespace vektoria {
namespace {

const double kInf = std::numeric_limits<double>::infinity();

struct OpCase {
    const char* name;
    std::function<Extended()> op;
    std::optional<ArithKind> fault;  // none: the operation succeeds
};

class ExtendedRules : public testing::TestWithParam<OpCase> {};

TEST_P(ExtendedRules, FaultExactlyWhereIeeeTraps) {
    const OpCase& c = GetParam();
    if (c.fault) {
        try {
            c.op().Store();
            FAIL() << "no fault";
        } catch (const ArithFault& f) {
            EXPECT_EQ(f.Kind(), *c.fault);
        }
    } else {
        EXPECT_FALSE(std::isnan(c.op().Store()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtendedRules,
    testing::Values(
        OpCase{"FiniteOverZero", [] { return Extended(1.0) / 0.0; }, ArithKind::DivisionByZero},
        OpCase{"FiniteOverNegZero", [] { return Extended(-1.0) / -0.0; },
               ArithKind::DivisionByZero},
        OpCase{"ZeroOverZero", [] { return Extended(0.0) / -0.0; }, ArithKind::InvalidOperation},
        OpCase{"InfOverInf", [] { return Extended(kInf) / -kInf; }, ArithKind::InvalidOperation},
        OpCase{"ZeroTimesInf", [] { return Extended(0.0) * kInf; }, ArithKind::InvalidOperation},
        OpCase{"InfTimesZero", [] { return Extended(-kInf) * -0.0; }, ArithKind::InvalidOperation},
        OpCase{"InfMinusInf", [] { return Extended(kInf) - kInf; }, ArithKind::InvalidOperation},
        OpCase{"InfPlusNegInf", [] { return Extended(-kInf) + kInf; }, ArithKind::InvalidOperation},
        OpCase{"InfOverZero", [] { return Extended(kInf) / 0.0; }, std::nullopt},
        OpCase{"InfPlusInf", [] { return Extended(kInf) + kInf; }, std::nullopt},
        OpCase{"StoreBeyondRange", [] { return Extended(DBL_MAX) * 2.0; }, ArithKind::Overflow},
        OpCase{"StoreQuotientBeyondRange", [] { return Extended(1e300) / 1e-300; },
               ArithKind::Overflow},
        OpCase{"Underflow", [] { return Extended(1e-300) * 1e-300; }, std::nullopt},
        OpCase{"StoreInfinity", [] { return Extended(kInf) * 2.0; }, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Extended, IntermediatesKeep64Bits) {
    // (1 + 2^-60) survives inside one assignment and vanishes only when stored.
    const Extended tiny = Extended(1.0) + std::ldexp(1.0, -60);
    EXPECT_EQ((tiny - 1.0).Store(), std::ldexp(1.0, -60));
    EXPECT_EQ(tiny.Store(), 1.0);
    // Ties at the store round to even.
    EXPECT_EQ((Extended(1.0) + std::ldexp(1.0, -53)).Store(), 1.0);
    EXPECT_EQ((Extended(1.0 + std::ldexp(1.0, -52)) + std::ldexp(1.0, -53)).Store(),
              1.0 + std::ldexp(1.0, -51));
    // The largest value that still rounds to a finite double stores without fault.
    EXPECT_EQ((Extended(DBL_MAX) + std::ldexp(1.0, 969)).Store(), DBL_MAX);
    EXPECT_THROW((Extended(DBL_MAX) + std::ldexp(1.0, 970)).Store(), ArithFault);
}

TEST(Extended, SignedZerosFollowIeee) {
    EXPECT_TRUE(std::signbit((-Extended(0.0)).Store()));
    EXPECT_TRUE(std::signbit((Extended(-0.0) * 5.0).Store()));
    EXPECT_FALSE(std::signbit((Extended(-0.0) + 0.0).Store()));
    EXPECT_TRUE(std::signbit((Extended(-kInf) / 0.0).Store()));
}

}  // namespace
}  // namespace vektoria
