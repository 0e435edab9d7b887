// The equation file as read: one equation per line; a blank or "=" ends a
// coefficient token, the end of the line ends the equation, its last token
// being the constant.
#pragma once

#include <functional>
#include <string_view>

#include "equation_store.h"
#include "line_reader.h"

namespace vektoria {

// Where the texts of the tokens go (the grids, in the window).
class CellSink {
  public:
    virtual ~CellSink() = default;
    virtual void SetCoefficient(int col, int row, std::string_view text) = 0;
    virtual void SetConstant(int row, std::string_view text) = 0;
};

// Reads every line of `source` into the sink and the store, counting the
// extents from 0 and lowering them by one at the end, after `close` ran.
// Lines after the store's last row and positions after its last column are
// not stored; returns true when the file had any.
bool ReadEquations(LineSource& source, EquationStore& store, CellSink& sink,
                   const std::function<void()>& close);

}  // namespace vektoria
