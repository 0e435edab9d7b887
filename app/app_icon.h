#pragma once

#include <QIcon>

namespace vektoria {

// The program's own icon, with its 32 x 32 and 16 x 16 images.
QIcon AppIcon();

}  // namespace vektoria
