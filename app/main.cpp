#include <QApplication>
#include <QScreen>
#include <memory>

#include "MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pathsum"));
    QApplication::setApplicationVersion(QStringLiteral(PATHSUM_VERSION));
    // Lets Wayland desktops match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.pathsum.Pathsum"));

    auto window = std::make_unique<pathsum::MainWindow>();
    // A screen too small for the window shows all of it, scaled down, at the top of the screen.
    const QRect available = window->screen()->availableGeometry();
    if (const auto scale = window->ScaleToFit(available.size())) {
        window = std::make_unique<pathsum::MainWindow>(*scale);
        window->move(available.x() + (available.width() - window->sizeHint().width()) / 2,
                     available.y());
    }
    window->show();
    return QApplication::exec();
}
