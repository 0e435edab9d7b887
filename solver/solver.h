// Gaussian elimination on the diagonal pivots, then back-substitution.
#pragma once

#include <cstdint>
#include <string>

#include "equation_store.h"

namespace vektoria {

// What the solver needs of the window.
class SolverView {
  public:
    virtual ~SolverView() = default;
    virtual bool EchelonWanted() = 0;  // option "Gestaffelte Matrix ausgeben"
    virtual void ShowEchelon() = 0;
    virtual void ShowResult(int32_t row, double value) = 0;  // right after Results[row] is stored
    virtual void ShowMessage(const std::string& text) = 0;   // the message box
};

inline constexpr const char* kNoDataMessage = "Keine Daten vorhanden!";
inline constexpr const char* kNotSquareMessage = "Matrix nicht quadratisch!";

void SolveSystem(EquationStore& store, SolverView& view);
void EliminateColumn(EquationStore& store, int32_t c);
void BackSubstitute(EquationStore& store, SolverView& view);

}  // namespace vektoria
