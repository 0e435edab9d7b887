// Start-up to the first painted frame: the program's window, or a bare Qt
// Widgets window built with the same Qt and flags.  Prints the wall-clock
// time (ns since the epoch) at the first frame and the peak resident memory,
// then quits.  bench/startup.py starts it many times and takes medians.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include "startup.h"

namespace {

long long PeakRss() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stoll(line.substr(6)) * 1024;
    return -1;
}

// Reports once, after the first paint of the window has been done.
class FirstFrame : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                std::printf("%lld %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec, PeakRss());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

  private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const bool bare = argc > 1 && std::string(argv[1]) == "bare";
    FirstFrame watcher;
    if (bare) {
        QApplication app(argc, argv);
        QWidget window;
        window.resize(652, 276);
        window.installEventFilter(&watcher);
        window.show();
        return QApplication::exec();
    }
    return vektoria::RunProgram(argc, argv,
                                [&](vektoria::TForm1& form) { form.installEventFilter(&watcher); });
}
