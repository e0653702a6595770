#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "MainForm.h"
#include "PlotFrame.h"
#include "WindowSupport.h"

namespace pathsum::testing {

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

    std::unique_ptr<MainForm> form;
};

}  // namespace pathsum::testing
