// The equation file as written.
#pragma once

#include <string>
#include <vector>

namespace vektoria {

// One row's line: its non-empty coefficient texts separated by single
// blanks, then "=", then the constant's text.  A row with no text at all
// gives "=" alone, which is not written.
std::string ComposeEquationLine(const std::vector<std::string>& coefficients,
                                const std::string& constant);

inline constexpr const char* kLineEnd = "\r\n";

}  // namespace vektoria
