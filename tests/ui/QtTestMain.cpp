// Runs the widget tests inside a QApplication on the offscreen platform, so no display is
// needed, with no printer and no sound device, and with settings of their own (the recent
// set-ups) in a folder that goes with them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // No widget test may reach a real printer: the print server they see does not exist.
    setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
    // Nor make a sound: the sound server they see does not exist either.
    setenv("PULSE_SERVER", "unix:/nonexistent/pulse.sock", 1);
    const QTemporaryDir settings;
    setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
