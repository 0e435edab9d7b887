// Runs the window tests on Qt's offscreen platform unless a display is asked for.
#include <gtest/gtest.h>

#include <QApplication>

#include "dialogs.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(vektoria::kApplicationTitle);
    return RUN_ALL_TESTS();
}
