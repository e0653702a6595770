#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "MainForm.h"
#include "PlotFrame.h"

namespace pathsum::testing {

// Bumped at the end of every test, so that a dialog watcher a test left waiting cannot act on
// a dialog of the next test.
inline int& DialogWatchGeneration() {
    static int generation = 0;
    return generation;
}

// A shown main window, fresh for every test.
class FormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<MainForm>();
        form->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        ++DialogWatchGeneration();
        form.reset();
    }

    // The pixel of the window at a frame point.
    static QPoint PixelAt(double x, double y) {
        return {static_cast<int>(PlotFrame::PixelX(x)), static_cast<int>(PlotFrame::PixelY(y))};
    }

    std::unique_ptr<MainForm> form;
};

// Runs `act` on the next modal dialog as soon as it is open (polling, bounded), so a test can
// read and answer a dialog that an event procedure opens and waits on.
inline void OnNextModal(std::function<void(QWidget*)> act) {
    // Owned by the application, so a watcher that never fires is still released at the end.
    auto* timer = new QTimer(qApp);
    const int generation = DialogWatchGeneration();
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, act = std::move(act), generation, tries = 0]() mutable {
                         if (generation != DialogWatchGeneration() || ++tries > 500) {
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
    timer->start(10);
}

}  // namespace pathsum::testing
