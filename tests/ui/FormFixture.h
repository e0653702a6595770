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
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    const int generation = DialogWatchGeneration();
    *poll = [act = std::move(act), tries, poll, generation]() {
        if (generation != DialogWatchGeneration()) {
            return;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            act(modal);
            return;
        }
        if (++*tries < 500) {
            QTimer::singleShot(10, *poll);
        }
    };
    QTimer::singleShot(0, *poll);
}

}  // namespace pathsum::testing
