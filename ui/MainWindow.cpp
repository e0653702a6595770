#include "MainWindow.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "ArrowsWindow.h"
#include "FieldWindow.h"
#include "FileCommands.h"
#include "Geometry.h"
#include "GuideWindow.h"
#include "MainForm.h"
#include "PlotFrame.h"
#include "WindowPlacement.h"

namespace pathsum {
namespace {

// Room left for a window manager's title bar and borders, which are not known before the
// window is shown.
constexpr int kFrameAllowanceWidth = 16;
constexpr int kFrameAllowanceHeight = 48;

// Below this the window would be too small to read; it is then shown at this scale.
constexpr double kSmallestScale = 0.4;

// Between two windows of the program standing side by side.

}  // namespace

namespace {

// A window beside the main one closes with Ctrl+W wherever its focus is, as a desktop's windows
// do; Esc stays Stop there, as in every window of the program.
void CloseWithItsKey(QWidget* side) {
    new QShortcut(CloseWindowShortcut(), side, side, &QWidget::close);
}

// The client area drawn at a scale below 1: the form lives in a graphics scene, which draws it
// through a scaled painter (text and lines at the screen's own resolution) and maps the mouse
// back to the form's own pixels. (Qt's own scaling below 1 leaves parts of child widgets
// unpainted in the Qt of Debian 12.)
class ScaledClientArea : public QGraphicsView {
  public:
    ScaledClientArea(MainForm* form, double scale, QWidget* parent)
        : QGraphicsView(new QGraphicsScene(parent), parent) {
        setObjectName(QStringLiteral("ScaledClientArea"));
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setRenderHint(QPainter::TextAntialiasing);
        setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
        form->Canvas()->SetDisplayScale(scale);
        QGraphicsProxyWidget* proxy = scene()->addWidget(form);
        proxy->setScale(scale);
        const QSizeF size = QSizeF(form->size()) * scale;
        scene()->setSceneRect(QRectF(QPointF(0, 0), size));
        setFixedSize(size.toSize());
    }
};

}  // namespace

MainWindow::MainWindow(double scale, QWidget* parent)
    : QMainWindow(parent),
      scale_(scale),
      form_(new MainForm()),
      files_(new FileCommands(form_, this)) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(MainForm::Caption());
    if (scale_ < 1.0) {
        setCentralWidget(new ScaledClientArea(form_, scale_, this));
    } else {
        form_->setParent(this);
        setCentralWidget(form_);
    }
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    AddCommand(file, Command::Open, &FileCommands::Open);
    AddFileMenu(file, Command::OpenRecent, &FileCommands::FillRecentMenu);
    AddFileMenu(file, Command::Examples, &FileCommands::FillExamplesMenu);
    file->addSeparator();
    AddCommand(file, Command::Save, &FileCommands::Save);
    AddCommand(file, Command::SaveAs, &FileCommands::SaveAs);
    file->addSeparator();
    AddCommand(file, Command::ExportPicture, &FileCommands::ExportPicture);
    AddCommand(file, Command::ExportData, &FileCommands::ExportData);
    file->addSeparator();
    AddCommand(file, Command::Print, &MainForm::Printit_Click);
    AddCommand(file, Command::PrintOnWhite, &MainForm::PrintOnWhite_Click);
    file->addSeparator();
    AddCommand(file, Command::Exit, &MainForm::Exit_Click);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    AddCommand(edit, Command::CopyPicture, &FileCommands::CopyPicture);

    QMenu* run = menuBar()->addMenu(tr("&Run"));
    AddCommand(run, Command::Calculate, &MainForm::Calculate_Click);
    AddCommand(run, Command::Stop, &MainForm::StopOrCancelDrag);
    run->addSeparator();
    AddCommand(run, Command::PlaceSource, &MainForm::PlaceSource_Click);
    // White light: a choice of the next run, ticked as the form has it (a set-up may set it).
    run->addSeparator();
    QAction* white = NewCommand(run, Command::WhiteLight);
    white->setCheckable(true);
    connect(white, &QAction::toggled, form_, &MainForm::SetWhiteLight);
    connect(form_, &MainForm::lightChanged, white, &QAction::setChecked);
    // A screen heard from end to end.
    AddCommand(run, Command::PlayScreen, &MainForm::PlayScreen_Click);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    AddWindowCommand(view, Command::ArrowsAtAPoint, &MainWindow::ShowArrows);
    AddWindowCommand(view, Command::FieldOfLight, &MainWindow::ShowField);
    QAction* live = NewCommand(view, Command::Live);
    live->setCheckable(true);
    connect(live, &QAction::toggled, form_, &MainForm::SetLive);
    // The textbook beside the sum: the prediction, the Fresnel numbers, the orders' lines.
    QAction* theory = NewCommand(view, Command::Theory);
    theory->setCheckable(true);
    connect(theory, &QAction::toggled, form_, &MainForm::SetTheory);
    // Exploring by ear: the plot's probe from the keyboard, and the tone that follows it.
    view->addSeparator();
    AddCommand(view, Command::ProbeWithKeys, &MainForm::ProbeWithKeys_Click);
    QAction* sound = NewCommand(view, Command::Sound);
    sound->setCheckable(true);
    connect(sound, &QAction::toggled, form_, &MainForm::SetSound);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* guide = NewCommand(help, Command::Guide);
    connect(guide, &QAction::triggered, this, &MainWindow::ShowGuide);
    AddCommand(help, Command::Help, &MainForm::Help_Click);
    QAction* about = help->addAction(MenuText(Command::About), this, &MainWindow::About_Click);
    about->setObjectName(QStringLiteral("AboutAction"));
    actions_[Command::About] = about;

    // Calculate's command is disabled whenever its button is: during a run.
    form_->Calculate->installEventFilter(this);
}

QAction* MainWindow::NewCommand(QMenu* menu, Command command) {
    QAction* action = menu->addAction(MenuText(command));
    action->setShortcut(Shortcut(command));
    // Every window of the program takes the commands' keys, the arrows window among them.
    action->setShortcutContext(Qt::ApplicationShortcut);
    action->setObjectName(menu->title().remove(QChar('&')) + QStringLiteral("/") +
                          MenuText(command).remove(QChar('&')).remove(QStringLiteral("...")));
    actions_[command] = action;
    return action;
}

QAction* MainWindow::AddCommand(QMenu* menu, Command command, void (MainForm::*procedure)()) {
    QAction* action = NewCommand(menu, command);
    connect(action, &QAction::triggered, form_, procedure);
    return action;
}

QAction* MainWindow::AddCommand(QMenu* menu, Command command, void (FileCommands::*procedure)()) {
    QAction* action = NewCommand(menu, command);
    connect(action, &QAction::triggered, files_, procedure);
    return action;
}

void MainWindow::AddFileMenu(QMenu* menu, Command command, void (FileCommands::*fill)(QMenu*)) {
    QMenu* files = menu->addMenu(MenuText(command));
    files->setObjectName(menu->title().remove(QChar('&')) + QStringLiteral("/") +
                         MenuText(command).remove(QChar('&')));
    // The commands themselves are captured, not this window: GCC 12's undefined-behaviour
    // checker misreads a captured this beside a captured pointer to a member function.
    FileCommands* commands = files_;
    connect(files, &QMenu::aboutToShow, commands,
            [commands, files, fill] { (commands->*fill)(files); });
    actions_[command] = files->menuAction();
}

void MainWindow::ShowGuide() {
    if (guide_ == nullptr) {
        // A window of its own beside the main one, not modal, kept when closed.
        guide_ = new GuideWindow(this);
        CloseWithItsKey(guide_);
        PlaceBesideMe(guide_);
    }
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}

QAction* MainWindow::AddWindowCommand(QMenu* menu, Command command,
                                      void (MainWindow::*show)(bool)) {
    QAction* action = NewCommand(menu, command);
    action->setCheckable(true);
    connect(action, &QAction::toggled, this, show);
    return action;
}

QAction* MainWindow::Action(Command command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_->Calculate && event->type() == QEvent::EnabledChange) {
        Action(Command::Calculate)->setEnabled(form_->Calculate->isEnabled());
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // With a set-up in play, its unsaved changes are saved or let go first, or nothing closes.
    if (!files_->SettleChanges()) {
        event->ignore();
        return;
    }
    form_->WindowClosing();
    event->accept();
}

void MainWindow::ShowArrows(bool shown) {
    if (arrows_ == nullptr && shown) {
        // A window of its own beside the main one, not modal; closing it unticks the entry.
        arrows_ = new ArrowsWindow(form_, this);
        connect(arrows_, &ArrowsWindow::closed, this,
                [this] { Action(Command::ArrowsAtAPoint)->setChecked(false); });
        CloseWithItsKey(arrows_);
        PlaceSideWindow(arrows_, field_);
    } else if (shown) {
        PlaceAgainIfCovering(arrows_, field_);
    }
    ShowSideWindow(arrows_, shown);
}

void MainWindow::ShowField(bool shown) {
    if (field_ == nullptr && shown) {
        field_ = new FieldWindow(form_, this);
        connect(field_, &FieldWindow::closed, this,
                [this] { Action(Command::FieldOfLight)->setChecked(false); });
        CloseWithItsKey(field_);
        PlaceSideWindow(field_, arrows_);
    } else if (shown) {
        PlaceAgainIfCovering(field_, arrows_);
    }
    ShowSideWindow(field_, shown);
}

void MainWindow::PlaceSideWindow(QWidget* side, QWidget* other) {
    if (other == nullptr || !other->isVisible()) {
        PlaceBesideMe(side);
    } else {
        const QSize frame = FrameSize();
        const QRect screenArea = screen()->availableGeometry();
        const ThreeBeside placed = PlaceSecondBeside(
            screenArea, frameGeometry(), other->frameGeometry(), other->minimumSizeHint() + frame,
            side->size() + frame, side->minimumSizeHint() + frame);
        move(placed.main.topLeft());
        other->resize(placed.first.size() - frame);
        other->move(placed.first.topLeft());
        side->resize(placed.second.size() - frame);
        side->move(placed.second.topLeft());
    }
    ConnectFieldToArrows();
}

void MainWindow::PlaceAgainIfCovering(QWidget* side, QWidget* other) {
    // A window shown again stays where it was left, unless the other side window, opened
    // since, stands there.
    if (side != nullptr && !side->isVisible() && other != nullptr && other->isVisible() &&
        CoversMuch(side->frameGeometry(), other->frameGeometry())) {
        PlaceSideWindow(side, other);
    }
}

QSize MainWindow::FrameSize() const {
    // A side window's frame is not known before it is shown; it is taken to be the main
    // window's.
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    return frame.size() - inner.size();
}

void MainWindow::ShowSideWindow(QWidget* side, bool shown) {
    if (side == nullptr) {
        return;
    }
    if (shown) {
        // Shown by a command, the window takes the keys too: those of the field (+, Home) must
        // not land in the main window's boxes.
        side->show();
        side->raise();
        side->activateWindow();
    } else {
        side->hide();
    }
}

void MainWindow::ConnectFieldToArrows() {
    if (arrows_ == nullptr || field_ == nullptr) {
        return;
    }
    // Called each time a side window is placed: each connection is made once.
    connect(field_, &FieldWindow::pointerOverField, arrows_, &ArrowsWindow::ProbePointOfThePlane,
            Qt::UniqueConnection);
    connect(arrows_, &ArrowsWindow::pointProbed, field_, &FieldWindow::MarkProbe,
            Qt::UniqueConnection);
    connect(arrows_, &ArrowsWindow::probeCleared, field_, &FieldWindow::HideProbe,
            Qt::UniqueConnection);
    // The waves: the probed point's chain turns with the field's frames.
    connect(field_, &FieldWindow::wavesAt, arrows_, &ArrowsWindow::TurnWithWaves,
            Qt::UniqueConnection);
    connect(field_, &FieldWindow::wavesStopped, arrows_, &ArrowsWindow::StandStill,
            Qt::UniqueConnection);
    field_->TellWaves();
}

QRect MainWindow::PlotOnScreen() const {
    const QPointF topLeft(PlotFrame::PixelX(kPlotLeft), PlotFrame::PixelY(kRowY));
    const QPointF bottomRight(PlotFrame::PixelX(kPlotRight), PlotFrame::PixelY(0.0));
    const QWidget* client = centralWidget();
    return {client->mapToGlobal((topLeft * scale_).toPoint()),
            client->mapToGlobal((bottomRight * scale_).toPoint())};
}

void MainWindow::PlaceBesideMe(QWidget* side) {
    const QSize frameSize = FrameSize();
    const SideBySide placed =
        PlaceBeside(screen()->availableGeometry(), frameGeometry(), PlotOnScreen(),
                    side->size() + frameSize, side->minimumSizeHint() + frameSize);
    move(placed.main.topLeft());
    side->resize(placed.side.size() - frameSize);
    side->move(placed.side.topLeft());
}

// The program's line of description, as the package and the About box give it; the About box
// gives it in the language spoken.
constexpr const char* kDescription =
    QT_TRANSLATE_NOOP("pathsum::MainWindow", "Light at mirrors and slits as a sum over paths");
static_assert(std::string_view(kDescription) == PATHSUM_DESCRIPTION,
              "the description the translators see is the project's");

void MainWindow::About_Click() {
    QMessageBox::about(
        this, tr("About pathsum"),
        tr("<p><b>pathsum</b> %1</p><p>%2: a point source, a row of mirrors or slits "
           "and ten screens, every path an arrow turned by its length in "
           "wavelengths.</p><p>Free software under the MIT licence.</p>")
            .arg(QStringLiteral(PATHSUM_VERSION), tr(kDescription)));
}

std::optional<double> MainWindow::ScaleToFit(QSize available) const {
    const QSize client = form_->size();
    const QSize unscaled(0, menuBar()->sizeHint().height());
    const double across =
        static_cast<double>(available.width() - kFrameAllowanceWidth - unscaled.width()) /
        client.width();
    const double down =
        static_cast<double>(available.height() - kFrameAllowanceHeight - unscaled.height()) /
        client.height();
    const double scale = std::min(across, down);
    if (!(scale < 1.0)) {
        return std::nullopt;
    }
    // Rounded down to a hundredth, so that rounding the scaled pixels never overflows.
    return std::max(kSmallestScale, std::floor(scale * 100.0) / 100.0);
}

}  // namespace pathsum
