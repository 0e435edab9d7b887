#include "solver.h"

#include "extended.h"

namespace vektoria {

void SolveSystem(EquationStore& store, SolverView& view) {
    if (store.LastRow == 0 && store.LastCol == 0) {
        view.ShowMessage(kNoDataMessage);
        return;
    }
    if (store.LastRow != store.LastCol) {
        store.LastRow = 0;
        store.LastCol = 0;
        view.ShowMessage(kNotSquareMessage);
        return;
    }
    for (int32_t c = 0; c <= store.LastCol; ++c) EliminateColumn(store, c);
    BackSubstitute(store, view);
}

void EliminateColumn(EquationStore& store, int32_t c) {
    if (store.LastRow < c + 1) return;
    for (int32_t r = c + 1; r <= store.LastRow; ++r) {
        if (store.Factors[r][c] == 0.0) continue;  // rows already clear stay as they are
        const double factor = (-Extended(store.Factors[r][c]) / store.Factors[c][c]).Store();
        // Every column, also those left of the pivot: their rounding residues carry on.
        for (int32_t j = 0; j <= store.LastCol; ++j)
            store.Factors[r][j] =
                (Extended(store.Factors[c][j]) * factor + store.Factors[r][j]).Store();
        store.Constants[r] = (Extended(store.Constants[c]) * factor + store.Constants[r]).Store();
    }
}

void BackSubstitute(EquationStore& store, SolverView& view) {
    if (view.EchelonWanted()) view.ShowEchelon();
    for (int32_t i = 0; i <= store.LastRow; ++i) store.Results[i] = 0.0;
    for (int32_t top = store.LastRow; top >= 0; --top) {
        // Over every column: the unknowns not yet computed are still 0.0.
        double sum = 0.0;
        for (int32_t j = 0; j <= store.LastCol; ++j)
            sum = (Extended(store.Results[j]) * store.Factors[top][j] + sum).Store();
        store.Results[top] =
            ((Extended(store.Constants[top]) - sum) / store.Factors[top][top]).Store();
        view.ShowResult(top, store.Results[top]);
    }
}

}  // namespace vektoria
