#include "app_icon.h"

#include <QPixmap>

namespace vektoria {

namespace {
#include "icons/icon16.xpm"
#include "icons/icon32.xpm"
}  // namespace

QIcon AppIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap(icon32));
    icon.addPixmap(QPixmap(icon16));
    return icon;
}

}  // namespace vektoria
