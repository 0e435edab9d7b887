// The program's start-up: the application under its title, the main window,
// the message loop until that window closes.
#pragma once

#include <functional>

#include "vekt1.h"

namespace vektoria {

// Runs the program; `beforeShow` may watch the window (for measurements).
int RunProgram(int argc, char** argv, const std::function<void(TForm1&)>& beforeShow = {});

}  // namespace vektoria
