// Arithmetic with a 64-bit significand between stores, rounded to double
// only where a value is stored.  Every operation checks the IEEE 754 fault
// conditions explicitly, so the outcome does not depend on trap settings:
// division by zero, invalid operation and overflow on store become
// ArithFault; underflow and inexact results stay silent.
#pragma once

#include <cfloat>
#include <cmath>
#include <limits>

#include "arith_fault.h"

namespace vektoria {

static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384,
              "Vektoria needs long double to be the 80-bit extended format "
              "(64-bit significand, as on x86-64 with GCC or Clang); "
              "other formats would compute other bits.");
static_assert(FLT_EVAL_METHOD == 0 || FLT_EVAL_METHOD == 2,
              "unexpected floating-point evaluation method");

// A value held at 64-bit precision.  Construct from a stored double, combine
// with the operators, and round back with Store().
class Extended {
  public:
    constexpr Extended(double v) : v_(v) {}  // NOLINT: implicit on purpose
    static constexpr Extended FromLong(long double v) { return Extended(v, 0); }

    long double Value() const { return v_; }

    friend Extended operator-(Extended a) { return FromLong(-a.v_); }

    friend Extended operator*(Extended a, Extended b) {
        if ((a.IsZero() && std::isinf(b.v_)) || (std::isinf(a.v_) && b.IsZero()))
            throw ArithFault(ArithKind::InvalidOperation);
        return FromLong(a.v_ * b.v_);
    }

    friend Extended operator+(Extended a, Extended b) {
        if (std::isinf(a.v_) && std::isinf(b.v_) && std::signbit(a.v_) != std::signbit(b.v_))
            throw ArithFault(ArithKind::InvalidOperation);
        return FromLong(a.v_ + b.v_);
    }

    friend Extended operator-(Extended a, Extended b) { return a + (-b); }

    friend Extended operator/(Extended a, Extended b) {
        if (b.IsZero()) {
            if (a.IsZero()) throw ArithFault(ArithKind::InvalidOperation);
            // Infinity over zero is an exact infinity, not a fault.
            if (!std::isinf(a.v_)) throw ArithFault(ArithKind::DivisionByZero);
        }
        if (std::isinf(a.v_) && std::isinf(b.v_)) throw ArithFault(ArithKind::InvalidOperation);
        return FromLong(a.v_ / b.v_);
    }

    // Rounds to double (nearest, ties to even) for storing.  A finite value
    // beyond the double range faults; an infinity stores as it is.
    double Store() const {
        const double d = static_cast<double>(v_);
        if (std::isinf(d) && !std::isinf(v_)) throw ArithFault(ArithKind::Overflow);
        return d;
    }

  private:
    constexpr Extended(long double v, int) : v_(v) {}
    bool IsZero() const { return v_ == 0.0L; }
    long double v_;
};

}  // namespace vektoria
