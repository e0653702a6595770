#pragma once

#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <functional>

class QWidget;

namespace pathsum::testing {

// The pixel of the client area at a point of the plot frame.
QPoint PixelAt(double x, double y);

// Hands every modal window that opens while it lives to `answer`, each once, as soon as it is
// open: a test can read and answer a dialog that an event procedure opens and waits on.
class ModalAnswerer {
  public:
    explicit ModalAnswerer(std::function<void(QWidget* modal)> answer);

  private:
    void Poll();

    std::function<void(QWidget*)> answer_;
    QTimer timer_;
    QPointer<QWidget> last_;
};

// Bumped at the end of every test, so that a watcher a test left waiting cannot act on a
// dialog of the next test.
int& DialogWatchGeneration();

// Runs `act` on the next modal dialog as soon as it is open; gives up after a few seconds or
// when the test that asked has ended.
void OnNextModal(std::function<void(QWidget* modal)> act);

// Closes every modal window that is open.
void CloseEveryModal();

}  // namespace pathsum::testing
