// Program entry: the application under its title, the main window, the
// message loop until that window closes.
#include <QApplication>
#include <memory>

#include "app_icon.h"
#include "command.h"
#include "dialogs.h"
#include "vekt1.h"

int main(int argc, char** argv) {
    vektoria::ResetFloatingPointState();
    QApplication app(argc, argv);
    QApplication::setApplicationName(vektoria::kApplicationTitle);
    QApplication::setWindowIcon(vektoria::AppIcon());
    auto form = std::make_unique<vektoria::TForm1>();
    vektoria::Form1 = form.get();
    form->show();
    const int code = QApplication::exec();
    vektoria::Form1 = nullptr;
    return code;
}
