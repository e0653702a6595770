// Runs the widget tests inside a QApplication on the offscreen platform, so no display is
// needed, and with no printer.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // No widget test may reach a real printer: the print server they see does not exist.
    setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
