#include "first_activation.h"

#include <QEvent>

namespace vektoria {

namespace {

class FirstActivationFilter : public QObject {
  public:
    FirstActivationFilter(QWidget& window, std::function<void()> handler)
        : QObject(&window), handler_(std::move(handler)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate) {
            watched->removeEventFilter(this);
            deleteLater();
            handler_();
        }
        return false;
    }

  private:
    std::function<void()> handler_;
};

}  // namespace

void OnFirstActivation(QWidget& window, std::function<void()> handler) {
    window.installEventFilter(new FirstActivationFilter(window, std::move(handler)));
}

}  // namespace vektoria
