#include "WindowSupport.h"

#include <QApplication>
#include <QWidget>

#include "PlotFrame.h"

namespace pathsum::testing {
namespace {

constexpr int kPollMs = 10;
// How long a watcher for the next dialog waits at most.
constexpr int kMostPolls = 500;

}  // namespace

QPoint PixelAt(double x, double y) {
    return {static_cast<int>(PlotFrame::PixelX(x)), static_cast<int>(PlotFrame::PixelY(y))};
}

ModalAnswerer::ModalAnswerer(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
    timer_.setInterval(kPollMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

void ModalAnswerer::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == last_) {
        return;
    }
    last_ = modal;
    answer_(modal);
}

int& DialogWatchGeneration() {
    static int generation = 0;
    return generation;
}

void OnNextModal(std::function<void(QWidget*)> act) {
    // Owned by the application, so a watcher that never fires is still released at the end.
    auto* timer = new QTimer(qApp);
    const int generation = DialogWatchGeneration();
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, act = std::move(act), generation, tries = 0]() mutable {
                         if (generation != DialogWatchGeneration() || ++tries > kMostPolls) {
                             timer->stop();
                             timer->deleteLater();
                             return;
                         }
                         if (QWidget* modal = QApplication::activeModalWidget()) {
                             timer->stop();
                             timer->deleteLater();
                             act(modal);
                         }
                     });
    timer->start(kPollMs);
}

void CloseEveryModal() {
    while (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
    }
}

}  // namespace pathsum::testing
