// Load of 1 MB, 10 MB and 100 MB equation files through the real window:
// time and peak memory, each size in a fresh process of its own.
//   bench_load            runs every size and shape, prints a table
//   bench_load --one F    loads F once and prints "seconds peak_growth_bytes"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "command.h"
#include "dialogs.h"
#include "vekt1.h"

namespace {

// A line of /proc/self/status, in bytes.
long long StatusBytes(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return std::stoll(line.substr(std::string(key).size())) * 1024;
    return -1;
}

class SilentDialogs : public vektoria::DialogLayer {
  public:
    void ShowMessage(const QString&) override {}
    void ShowFaultReport(const QString& text) override {
        std::fprintf(stderr, "fault: %s\n", text.toUtf8().constData());
    }
    QString PromptName(const QString&, const QString&, const QString& d) override { return d; }
};

int LoadOnce(int argc, char** argv, const QString& name) {
    QApplication app(argc, argv);
    auto form = std::make_unique<vektoria::TForm1>();
    vektoria::Form1 = form.get();
    SilentDialogs dialogs;
    vektoria::SetDialogs(&dialogs);
    QApplication::processEvents();
    const long long before = StatusBytes("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    vektoria::RunCommand([&] { vektoria::ReadEquationFile(name); });
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    const long long peak = StatusBytes("VmHWM:");
    std::printf("%.3f %lld\n", seconds, peak - before);
    vektoria::SetDialogs(nullptr);
    vektoria::Form1 = nullptr;
    return 0;
}

// Ten wide lines of numbers, or one line whose coefficient is a single token.
void Write(const QString& path, long long size, bool singleToken) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    if (singleToken) {
        out << std::string(static_cast<size_t>(size) - 4, 'x') << "=1\r\n";
        return;
    }
    const std::string piece = "1.5 -2.25 ";
    for (int line = 0; line < 10; ++line) {
        for (long long n = 0; n + static_cast<long long>(piece.size()) < size / 10;
             n += static_cast<long long>(piece.size()))
            out << piece;
        out << "=1\r\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::string(argv[1]) == "--one")
        return LoadOnce(1, argv, QString::fromLocal8Bit(argv[2]));

    QTemporaryDir dir;
    std::printf("%-14s %8s %10s %14s %10s\n", "shape", "size_MB", "seconds", "peak_growth_MB",
                "x_size");
    for (bool single : {false, true}) {
        double previous = 0;
        for (long long mb : {1, 10, 100}) {
            const QString path = dir.filePath(QStringLiteral("f%1.txt").arg(mb));
            Write(path, mb * 1000 * 1000, single);
            QProcess child;
            child.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--one"), path});
            child.waitForFinished(-1);
            double seconds = 0;
            long long growth = 0;
            std::sscanf(child.readAllStandardOutput().constData(), "%lf %lld", &seconds, &growth);
            const double sizeBytes = static_cast<double>(QFile(path).size());
            std::printf("%-14s %8lld %10.3f %14.1f %10.2f%s\n",
                        single ? "single-token" : "ten-lines", mb, seconds,
                        static_cast<double>(growth) / 1e6, static_cast<double>(growth) / sizeBytes,
                        previous > 0 ? qPrintable(QStringLiteral("   (x%1 time for x10 size)")
                                                      .arg(seconds / previous, 0, 'f', 1))
                                     : "");
            previous = seconds;
            QFile::remove(path);
        }
    }
    return 0;
}
