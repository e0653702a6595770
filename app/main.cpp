#include <QApplication>

#include "MainForm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pathsum"));
    // Lets Wayland desktops match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.pathsum.Pathsum"));
    pathsum::MainForm form;
    form.show();
    return QApplication::exec();
}
