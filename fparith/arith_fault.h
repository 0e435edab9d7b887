// The arithmetic faults that end a command: shared by the solver and the
// number text conversion.
#pragma once

#include <exception>

namespace vektoria {

enum class ArithKind { DivisionByZero, InvalidOperation, Overflow };

class ArithFault : public std::exception {
  public:
    explicit ArithFault(ArithKind kind) noexcept : kind_(kind) {}
    ArithKind Kind() const noexcept { return kind_; }
    // The fault's own text in UTF-8, without a final full stop.
    const char* what() const noexcept override {
        switch (kind_) {
            case ArithKind::DivisionByZero:
                return "Gleitkommadivision durch Null";
            case ArithKind::InvalidOperation:
                return "Ung\xC3\xBCltige Gleitkommaoperation";
            case ArithKind::Overflow:
                return "Gleitkomma\xC3\xBC"
                       "berlauf";
        }
        return "";
    }

  private:
    ArithKind kind_;
};

}  // namespace vektoria
