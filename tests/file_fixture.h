// A window test that works in a directory of its own, the working
// directory, since file names without a directory refer to it.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "text_file.h"
#include "window_fixture.h"

namespace vektoria {

inline QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline QByteArray Fixture(const char* name) {
    return Bytes(QStringLiteral(VEKTORIA_FIXTURES "/") + QString::fromLatin1(name));
}

class FileTest : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        WindowTest::SetUp();
    }
    void TearDown() override {
        EXPECT_FALSE(EquationFile.IsOpen()) << "no file stays open between commands";
        SystemFileCalls() = saved;
        QDir::setCurrent(previous);
        WindowTest::TearDown();
    }

  public:
    static void Put(const QString& name, const QByteArray& bytes) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void Load(const QString& name) {
        dialogs.answers.push_back(name);
        Click(form->Button4);
    }
    void Save(const QString& name) {
        dialogs.answers.push_back(name);
        Click(form->Button3);
    }
    QStringList Row(int row, int cols = 7) const {
        QStringList texts;
        for (int c = 0; c < cols; ++c) texts << form->StringGrid1->Cell(c, row);
        return texts;
    }

    QTemporaryDir dir;
    QString previous;
    FileCalls saved = SystemFileCalls();
};

}  // namespace vektoria
