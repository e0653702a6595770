#include <QApplication>
#include <QScreen>
#include <memory>

#include "CommandLine.h"
#include "FileCommands.h"
#include "Language.h"
#include "MainWindow.h"

int main(int argc, char* argv[]) {
    // An export, --help or --version needs no display: nothing is shown.
    const bool windowless = pathsum::RunsWithoutWindow(argc, argv);
    if (windowless) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("pathsum"));
    QApplication::setApplicationName(QStringLiteral("pathsum"));
    QApplication::setApplicationVersion(QStringLiteral(PATHSUM_VERSION));
    // Lets Wayland desktops match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.pathsum.Pathsum"));
    // The system's language, for the command line's answers too; English where it has none.
    pathsum::UseLanguage(pathsum::SystemLanguage());

    const pathsum::CommandLineOutcome asked =
        pathsum::HandleCommandLine(QApplication::arguments(), !windowless);
    if (asked.exitStatus) {
        return *asked.exitStatus;
    }

    auto window = std::make_unique<pathsum::MainWindow>();
    // A screen too small for the window shows all of it, scaled down, at the top of the screen.
    const QRect available = window->screen()->availableGeometry();
    if (const auto scale = window->ScaleToFit(available.size())) {
        window = std::make_unique<pathsum::MainWindow>(*scale);
        window->move(available.x() + (available.width() - window->sizeHint().width()) / 2,
                     available.y());
    }
    window->show();
    // Opened once the window stands in its start-up state, as a set-up opened from the menu.
    if (!asked.setup.isEmpty()) {
        window->Files()->OpenFile(asked.setup);
    }
    return QApplication::exec();
}
