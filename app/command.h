// Every user command runs through RunCommand: it starts from the program's
// floating-point state, and a fault that leaves it is shown in the fault
// report instead of crossing Qt's event loop.  What the command stored
// before the fault stays.
#pragma once

#include <functional>

namespace vektoria {

// Rounding to nearest, extended precision, no traps: the state every
// command starts from.
void ResetFloatingPointState();

void RunCommand(const std::function<void()>& command);

}  // namespace vektoria
