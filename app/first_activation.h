// The form's activation event: raised when the window first becomes the
// application's active window, not again when a modal box of the program
// closes or the user comes back from another application.
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>

namespace vektoria {

// Calls `handler` once, at the first activation of `window`.
void OnFirstActivation(QWidget& window, std::function<void()> handler);

}  // namespace vektoria
