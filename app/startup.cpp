#include "startup.h"

#include <QApplication>
#include <memory>

#include "app_icon.h"
#include "command.h"
#include "dialogs.h"

namespace vektoria {

int RunProgram(int argc, char** argv, const std::function<void(TForm1&)>& beforeShow) {
    ResetFloatingPointState();
    QApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setWindowIcon(AppIcon());
    auto form = std::make_unique<TForm1>();
    Form1 = form.get();
    if (beforeShow) beforeShow(*form);
    form->show();
    const int code = QApplication::exec();
    Form1 = nullptr;
    return code;
}

}  // namespace vektoria
