// A seeded monkey: random mouse and key input over the whole window for a while, the way an
// impatient user would give it: clicks anywhere with any button, drags, the wheel, the menus,
// the shortcuts (the live mode's among them), typing into the boxes, the dialogs answered or
// cancelled, runs started and stopped, the source placed anywhere. It fails if the program crashes
// (or a sanitizer stops it) or if the window stops answering for more than half a second. Exit and
// Ctrl+Q stay out of its moves.
//   pathsum-monkey [seconds] [seed]      the seed is printed, so a failure can be replayed

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <random>
#include <string>

#include "MainForm.h"
#include "MainWindow.h"
#include "WindowSupport.h"

namespace {

using pathsum::Command;

constexpr qint64 kLongestSilenceMs = 500;
constexpr int kProbeIntervalMs = 20;

class Monkey {
  public:
    Monkey(pathsum::MainWindow& window, unsigned seed, int seconds)
        : window_(window), random_(seed), seconds_(seconds) {}

    // Acts until the time is up; returns the process's exit status.
    int Run() {
        // What ends the program is noted in the trail, with the moves before it.
        QObject::connect(window_.Form()->Exit, &QPushButton::clicked,
                         [this] { Note("the Exit button was pressed"); });
        QObject::connect(window_.Action(Command::Exit), &QAction::triggered,
                         [this] { Note("File > Exit was chosen"); });
        QObject::connect(qApp, &QCoreApplication::aboutToQuit,
                         [this] { Note("the program is about to quit"); });
        clock_.start();
        lastProbe_.start();
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout,
                         [this] { NoteSilence(lastProbe_.restart() - kProbeIntervalMs); });
        probe.start(kProbeIntervalMs);
        ScheduleNext();
        QApplication::exec();
        NoteSilence(lastProbe_.elapsed() - kProbeIntervalMs);
        if (clock_.elapsed() < seconds_ * 1000LL) {
            std::printf("the program left its event loop %lld ms in, after: %s\n",
                        static_cast<long long>(clock_.elapsed()), lastMove_.c_str());
            std::printf("the moves before:\n");
            for (const std::string& line : trail_) {
                std::printf("  %s\n", line.c_str());
            }
            return 1;
        }
        std::printf("%d moves in %d s; the longest the window did not answer: %lld ms\n", moves_,
                    seconds_, static_cast<long long>(longestSilence_));
        return longestSilence_ > kLongestSilenceMs ? 1 : 0;
    }

  private:
    int Uniform(int from, int to) { return std::uniform_int_distribution<int>(from, to)(random_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }

    // A new single-shot timer each time, so that the next move comes even while an earlier
    // one waits inside a run or a dialog, as a user's next click would.
    void ScheduleNext() {
        QTimer::singleShot(Uniform(5, 40), [this] { Move(); });
    }

    void NoteSilence(qint64 silence) {
        longestSilence_ = std::max(longestSilence_, silence);
        if (longestSilence_ > kLongestSilenceMs && !reported_) {
            reported_ = true;
            std::printf("the window did not answer for %lld ms, %lld ms in, after: %s\n",
                        static_cast<long long>(longestSilence_),
                        static_cast<long long>(clock_.elapsed()), lastMove_.c_str());
        }
    }

    void Move() {
        if (clock_.elapsed() > seconds_ * 1000LL) {
            Finish();
            return;
        }
        ++moves_;
        // The next move is due even if this one waits inside a run or a dialog.
        ScheduleNext();
        Note(lastMove_);
        if (std::getenv("PATHSUM_MONKEY_TRACE") != nullptr) {
            std::printf("%lld ms: %s\n", static_cast<long long>(clock_.elapsed()),
                        lastMove_.c_str());
            std::fflush(stdout);
        }
        if (QWidget* popup = QApplication::activePopupWidget()) {
            InPopup(popup);
        } else if (QWidget* modal = QApplication::activeModalWidget()) {
            InDialog(modal);
        } else {
            InWindow();
        }
    }

    // The last moves and events, with the time they came.
    void Note(const std::string& what) {
        trail_.push_back(std::to_string(clock_.elapsed()) + " ms: " + what);
        if (trail_.size() > kTrail) {
            trail_.pop_front();
        }
    }

    void Finish() {
        pathsum::MainForm* form = window_.Form();
        form->Run().StopRequested = 1;
        pathsum::testing::CloseEveryModal();
        QApplication::exit(0);
    }

    QString RandomText() {
        static const char* const kTexts[] = {"1",   ".5",   "1e-5",   "-3",   "0",
                                             "abc", "",     "1e308",  "2.5x", ".001",
                                             "100", "1e-9", "-1e308", "  7",  "0.0001"};
        if (Chance(0.2)) {
            QString noise;
            for (int i = Uniform(1, 12); i > 0; --i) {
                noise += QChar(Uniform(32, 126));
            }
            return noise;
        }
        return QString::fromLatin1(kTexts[Uniform(0, std::size(kTexts) - 1)]);
    }

    void InDialog(QWidget* modal) {
        QWindow* window = modal->windowHandle();
        if (window == nullptr) {
            return;
        }
        // Saving a changed lesson would ask where to write it: the question about unsaved
        // changes is answered Discard or Cancel, never Save.
        if (auto* box = qobject_cast<QMessageBox*>(modal);
            box != nullptr && box->objectName() == QStringLiteral("UnsavedChangesBox")) {
            lastMove_ = "answered the question about unsaved changes";
            box->button(Chance(0.5) ? QMessageBox::Discard : QMessageBox::Cancel)->click();
            return;
        }
        switch (Uniform(0, 3)) {
            case 0:
                lastMove_ = "cancelled a dialog";
                QTest::keyClick(window, Qt::Key_Escape);
                return;
            case 1:
                lastMove_ = "typed into a dialog and confirmed";
                QTest::keyClicks(modal->focusWidget() ? modal->focusWidget() : modal, RandomText());
                QTest::keyClick(window, Qt::Key_Return);
                return;
            case 2:
                lastMove_ = "pressed a key in a dialog";
                QTest::keyClick(window, Chance(0.5) ? Qt::Key_Up : Qt::Key_Tab);
                return;
            default:
                lastMove_ = "clicked in a dialog";
                QTest::mouseClick(
                    window, Qt::LeftButton, Qt::NoModifier,
                    QPoint(Uniform(0, modal->width() - 1), Uniform(0, modal->height() - 1)));
        }
    }

    // Exit would end the program; the file dialogs could write, replace or delete files
    // wherever they were pointed. The lessons and the recent set-ups only read.
    bool OutOfBounds(const QAction* action) const {
        for (const Command command : {Command::Exit, Command::Open, Command::Save, Command::SaveAs,
                                      Command::ExportPicture, Command::ExportData}) {
            if (action == window_.Action(command)) {
                return true;
            }
        }
        return false;
    }

    void InPopup(QWidget* popup) {
        auto* menu = qobject_cast<QMenu*>(popup);
        QWindow* window = popup->windowHandle();
        if (menu == nullptr || window == nullptr || Chance(0.3)) {
            lastMove_ = "closed a menu";
            QTest::keyClick(window != nullptr ? window : window_.windowHandle(), Qt::Key_Escape);
            return;
        }
        const QList<QAction*> actions = menu->actions();
        QAction* action = actions.at(Uniform(0, static_cast<int>(actions.size()) - 1));
        if (OutOfBounds(action) || action->isSeparator()) {
            return;
        }
        lastMove_ = "chose " + action->text().toStdString() + " in a menu";
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                          menu->actionGeometry(action).center());
    }

    void InWindow() {
        QWindow* window = window_.windowHandle();
        const int kind = Uniform(0, 11);
        if (kind <= 4) {
            Click(window);
        } else if (kind == 10) {
            Drag(window);
        } else if (kind == 11) {
            Wheel();
        } else if (kind <= 7) {
            Key(window);
        } else if (kind == 8) {
            lastMove_ = "opened a menu";
            QMenuBar* bar = window_.menuBar();
            const QList<QAction*> menus = bar->actions();
            QAction* menu = menus.at(Uniform(0, static_cast<int>(menus.size()) - 1));
            const QPoint at = bar->mapTo(&window_, bar->actionGeometry(menu).center());
            QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
            Release(window, Qt::LeftButton, at);
        } else {
            lastMove_ = "typed into a box";
            if (QWidget* focus = QApplication::focusWidget()) {
                QTest::keyClicks(focus, RandomText());
            }
        }
    }

    void Click(QWindow* window) {
        pathsum::MainForm* form = window_.Form();
        const QPoint at(Uniform(0, window_.width() - 1), Uniform(0, window_.height() - 1));
        // Exit stays out of the moves: the program would end.
        if (form->Exit->rect().contains(form->Exit->mapFrom(&window_, at))) {
            return;
        }
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton,
                                           Qt::RightButton, Qt::MiddleButton};
        const Qt::MouseButton button = buttons[Uniform(0, 4)];
        lastMove_ = "clicked at " + std::to_string(at.x()) + "," + std::to_string(at.y());
        // A double click's releases cannot be looked at one by one: not on the menu bar.
        if (Chance(0.1) && !window_.menuBar()->geometry().contains(at)) {
            QTest::mouseDClick(window, button, Qt::NoModifier, at);
        } else {
            QTest::mousePress(window, button, Qt::NoModifier, at);
            Release(window, button, at);
        }
    }

    // A press on the menu bar opens a menu, and the release chooses the entry under the pointer:
    // on a screen too small for the menu, it opens over the bar, and a drag can end anywhere on
    // it. Exit and the file dialogs stay out of that too; the menu is closed instead.
    // A submenu passes a release outside it on to the menu it came from.
    void Release(QWindow* window, Qt::MouseButton button, QPoint at) {
        const QPoint global = window->mapToGlobal(at);
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            auto* menu = qobject_cast<QMenu*>(shown);
            const QAction* under = menu != nullptr && menu->isVisible()
                                       ? menu->actionAt(menu->mapFromGlobal(global))
                                       : nullptr;
            if (under != nullptr && OutOfBounds(under)) {
                lastMove_ += ", the menus closed before the release would choose " +
                             under->text().toStdString();
                for (int open = 0; open < 8 && QApplication::activePopupWidget() != nullptr;
                     ++open) {
                    QApplication::activePopupWidget()->close();
                }
                break;
            }
            if (under != nullptr) {
                lastMove_ += ", released over " + under->text().toStdString();
            }
        }
        QTest::mouseRelease(window, button, Qt::NoModifier, at);
    }

    // A press, a few moves with the button held, a release: the source dragged (in the live
    // mode, a run at every move).
    void Drag(QWindow* window) {
        const auto point = [this] {
            return QPoint(Uniform(0, window_.width() - 1), Uniform(0, window_.height() - 1));
        };
        QPoint at = point();
        if (window_.Form()->Exit->rect().contains(window_.Form()->Exit->mapFrom(&window_, at))) {
            return;
        }
        lastMove_ = "dragged from " + std::to_string(at.x()) + "," + std::to_string(at.y());
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
        for (int i = Uniform(1, 8); i > 0; --i) {
            at = point();
            QMouseEvent move(QEvent::MouseMove, QPointF(at), window->mapToGlobal(QPointF(at)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window, &move);
        }
        Release(window, Qt::LeftButton, at);
    }

    // A few notches of the wheel over a box or a label of the left column.
    void Wheel() {
        pathsum::MainForm* form = window_.Form();
        QWidget* targets[] = {form->WavelengthLabel,  form->WavelengthText,
                              form->ResolutionText,   form->GainLabel,
                              form->GratingWidthText, form->GratingSpacingLabel};
        QWidget* target = targets[Uniform(0, std::size(targets) - 1)];
        const int notches = Uniform(-3, 3);
        lastMove_ = "turned the wheel " + std::to_string(notches) + " over " +
                    target->objectName().toStdString();
        const QPoint centre = target->rect().center();
        QWheelEvent wheel(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }

    void Key(QWindow* window) {
        struct Keys {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        // Every shortcut of the menus but Exit's, and the keys of the boxes and buttons.
        static const Keys kKeys[] = {
            {Qt::Key_F5, Qt::NoModifier},        {Qt::Key_Escape, Qt::NoModifier},
            {Qt::Key_Escape, Qt::NoModifier},    {Qt::Key_F1, Qt::NoModifier},
            {Qt::Key_P, Qt::ControlModifier},    {Qt::Key_L, Qt::ControlModifier},
            {Qt::Key_F6, Qt::NoModifier},        {Qt::Key_PageUp, Qt::NoModifier},
            {Qt::Key_PageDown, Qt::NoModifier},  {Qt::Key_Tab, Qt::NoModifier},
            {Qt::Key_Tab, Qt::ShiftModifier},    {Qt::Key_Space, Qt::NoModifier},
            {Qt::Key_Return, Qt::NoModifier},    {Qt::Key_F2, Qt::NoModifier},
            {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_F, Qt::AltModifier},
            {Qt::Key_R, Qt::AltModifier},        {Qt::Key_Up, Qt::NoModifier},
            {Qt::Key_Down, Qt::NoModifier},      {Qt::Key_F8, Qt::NoModifier},
            {Qt::Key_F7, Qt::NoModifier},
        };
        const Keys& keys = kKeys[Uniform(0, std::size(kKeys) - 1)];
        // Exit stays out of the moves: with the focus on it, Space and Return would press it.
        if (window_.focusWidget() == window_.Form()->Exit &&
            (keys.key == Qt::Key_Space || keys.key == Qt::Key_Return)) {
            return;
        }
        lastMove_ = "pressed " + QKeySequence(keys.key | keys.modifiers).toString().toStdString();
        QTest::keyClick(window, keys.key, keys.modifiers);
    }

    pathsum::MainWindow& window_;
    std::mt19937 random_;
    int seconds_;
    QElapsedTimer clock_;
    QElapsedTimer lastProbe_;
    qint64 longestSilence_ = 0;
    bool reported_ = false;
    int moves_ = 0;
    std::string lastMove_ = "start";
    static constexpr std::size_t kTrail = 16;
    std::deque<std::string> trail_;
};

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // It must never reach a real printer: the print server it sees does not exist.
    setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
    // The recent set-ups the lessons it opens add go to settings of its own.
    const QTemporaryDir settings;
    setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10))
                                   : std::random_device{}();
    std::printf("pathsum-monkey: %d s, seed %u (replay: pathsum-monkey %d %u)\n", seconds, seed,
                seconds, seed);
    std::fflush(stdout);
    QApplication app(argc, argv);
    pathsum::MainWindow window;
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::printf("the window did not become active\n");
    }
    Monkey monkey(window, seed, seconds);
    const int status = monkey.Run();
    std::fflush(stdout);
    return status;
}
