// Exploring the screens by keyboard and by ear: the probe the keys move along the screens, what
// it says to a screen reader, the tone that follows it and a screen played from end to end.

#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>

#include "ArrowChain.h"
#include "GraphPlotter.h"
#include "MainForm.h"
#include "SoundPlayer.h"

namespace pathsum {
namespace {

// A detector step with Ctrl held: ten of them.
constexpr int kLongStep = 10;

// Where a key moves the probe: by so many detector points or screens, or to an end of the
// screen.
struct ProbeMove {
    int points = 0;
    int screens = 0;  // towards the row, the way kScreenYs counts
    enum class End { None, First, Last } end = End::None;
};

std::optional<ProbeMove> MoveOfKey(const QKeyEvent& event) {
    const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    const int step = ctrl ? kLongStep : 1;
    switch (event.key()) {
        case Qt::Key_Left:
            return ProbeMove{-step, 0};
        case Qt::Key_Right:
            return ProbeMove{step, 0};
        // Up the plot is the screen nearer the row.
        case Qt::Key_PageUp:
        case Qt::Key_Up:
            return ProbeMove{0, 1};
        case Qt::Key_PageDown:
        case Qt::Key_Down:
            return ProbeMove{0, -1};
        case Qt::Key_Home:
            return ProbeMove{0, 0, ProbeMove::End::First};
        case Qt::Key_End:
            return ProbeMove{0, 0, ProbeMove::End::Last};
        default:
            return std::nullopt;
    }
}

std::size_t Clamped(std::ptrdiff_t index, std::size_t size) {
    return static_cast<std::size_t>(
        std::clamp<std::ptrdiff_t>(index, 0, static_cast<std::ptrdiff_t>(size) - 1));
}

}  // namespace

void MainForm::ConnectProbe() {
    // After the left column in the order of Tab: the column stays as it was, top to bottom.
    canvas_->setFocusPolicy(Qt::TabFocus);
    setTabOrder(Exit, canvas_);
    canvas_->installEventFilter(this);
    connect(this, &MainForm::runRecordChanged, this, [this] {
        if (!soundNoticeLasts_ && record_.plan) {
            ShowSoundNotice(QString());
        }
        if (canvas_->hasFocus()) {
            ShowKeyProbe(ProbeChange::RunChanged);
        }
    });
}

void MainForm::ProbeWithKeys_Click() {
    // From a window beside this one too.
    QWidget* shown = DialogParent();
    shown->raise();
    shown->activateWindow();
    canvas_->setFocus(Qt::ShortcutFocusReason);
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas_) {
        switch (event->type()) {
            case QEvent::FocusIn:
                // A menu opened over the plot leaves the focus where it was.
                if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) {
                    break;
                }
                if (!keyProbe_) {
                    keyProbe_ = KeyProbe{};
                }
                ShowKeyProbe(ProbeChange::Focused);
                break;
            case QEvent::FocusOut:
                if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) {
                    break;
                }
                // The mark stays where the arrows window shows the point.
                if (!hasMouseTracking()) {
                    ProbeMarker->hide();
                }
                DescribeCaptions();
                FollowProbeWithTone(ProbeChange::Focused);
                break;
            case QEvent::KeyPress:
                if (ProbeKey(*static_cast<QKeyEvent*>(event))) {
                    return true;
                }
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool MainForm::ProbeKey(const QKeyEvent& event) {
    const std::optional<ProbeMove> move = MoveOfKey(event);
    if (!move || !keyProbe_) {
        return false;
    }
    const std::vector<double> none;
    const std::vector<double>& points = record_.plan ? record_.plan->detectorX : none;
    KeyProbe& probe = *keyProbe_;
    probe.screen =
        Clamped(static_cast<std::ptrdiff_t>(probe.screen) + move->screens, kScreenYs.size());
    if (!points.empty()) {
        const auto at = static_cast<std::ptrdiff_t>(
            NearestDetectorPoint(probe.x, kScreenYs[probe.screen], points).point);
        std::size_t index = Clamped(at + move->points, points.size());
        if (move->end == ProbeMove::End::First) {
            index = 0;
        } else if (move->end == ProbeMove::End::Last) {
            index = points.size() - 1;
        }
        probe.x = points[index];
    }
    ShowKeyProbe(ProbeChange::Stepped);
    return true;
}

void MainForm::ShowKeyProbe(ProbeChange change) {
    if (!keyProbe_) {
        return;
    }
    const RunPlan* plan = record_.plan.get();
    if (plan != nullptr && !plan->detectorX.empty()) {
        // On the run's own detector point: a new run may have other ones.
        KeyProbe& probe = *keyProbe_;
        const double y = kScreenYs[probe.screen];
        probe.x = plan->detectorX[static_cast<std::size_t>(
            NearestDetectorPoint(probe.x, y, plan->detectorX).point)];
        MarkProbe(probe.x, y);
        if (change == ProbeChange::Stepped) {
            // The arrows window follows the keys as it follows the pointer.
            emit pointerOverPlot(probe.x, y);
        }
    } else {
        ProbeMarker->hide();
    }
    DescribeCaptions();
    FollowProbeWithTone(change);
}

std::vector<PlottedPoint> MainForm::ScreenPoints(std::size_t screen) const {
    if (!record_.plan || record_.p[screen].empty()) {
        return {};
    }
    const RunPlan& plan = *record_.plan;
    return PlottedPoints(plan.detectorX, record_.p[screen], plan.paths.Count(), plan.settings.gain);
}

ProbeReading MainForm::ReadProbe() const {
    ProbeReading reading;
    if (!keyProbe_ || !record_.plan || record_.plan->detectorX.empty()) {
        return reading;
    }
    reading.screenNumber = ScreenNumberOf(keyProbe_->screen);
    reading.x = keyProbe_->x;
    if (record_.p[keyProbe_->screen].empty()) {
        reading.state = ProbeReading::State::NotComputed;
        return reading;
    }
    const std::vector<PlottedPoint> points = ScreenPoints(keyProbe_->screen);
    if (points.empty()) {
        reading.state = ProbeReading::State::NoPaths;
        return reading;
    }
    const double top = ScreenTop(points);
    if (top == 0.0) {
        reading.state = ProbeReading::State::Dark;
        return reading;
    }
    const auto at = std::find_if(points.begin(), points.end(),
                                 [this](const PlottedPoint& p) { return p.x == keyProbe_->x; });
    reading.state = ProbeReading::State::Lit;
    reading.brightness = at == points.end() ? 0.0 : Brightness(at->value, top);
    return reading;
}

QString MainForm::PlotAccessibleDescription() const {
    if (keyProbe_ && canvas_->hasFocus()) {
        return ProbeDescription(ReadProbe());
    }
    return PlotDescription(record_.peaks);
}

// ---- Sound ---------------------------------------------------------------------------------

SoundPlayer& MainForm::Player() {
    if (player_ == nullptr) {
        player_ = new SoundPlayer(this);
        connect(player_, &SoundPlayer::Unavailable, this, [this](const QString& message) {
            soundTrouble_ = message;
            ShowSoundNotice(message);
        });
        // After a screen has played, the probe's tone comes back.
        connect(player_, &SoundPlayer::Finished, this,
                [this] { FollowProbeWithTone(ProbeChange::Focused); });
    }
    return *player_;
}

void MainForm::ShowSoundNotice(const QString& text, bool lasts) {
    soundNotice_ = text;
    soundNoticeLasts_ = lasts;
    ShowNotice();
}

void MainForm::SetSound(bool on) {
    soundOn_ = on;
    if (!on) {
        if (player_ != nullptr) {
            player_->Stop();
        }
        ShowSoundNotice(QString());
        return;
    }
    // Said at once, not at the first step of the probe: the probe goes on describing itself
    // either way. The player says it once; Sound turned on again says it again.
    if (Player().Available()) {
        FollowProbeWithTone(ProbeChange::Focused);
    } else {
        ShowSoundNotice(soundTrouble_);
    }
}

void MainForm::FollowProbeWithTone(ProbeChange change) {
    if (player_ == nullptr && !soundOn_) {
        return;
    }
    SoundPlayer& player = Player();
    // A screen being played plays on; the tone waits for its end.
    if (player.PlayingScreen()) {
        return;
    }
    if (!soundOn_ || !keyProbe_ || !canvas_->hasFocus()) {
        if (player.IsSounding()) {
            player.Stop();
        }
        return;
    }
    const ProbeReading reading = ReadProbe();
    if (reading.state == ProbeReading::State::NotComputed && change == ProbeChange::RunChanged) {
        // A run under way: the tone keeps its last pitch until the probe's screen comes.
        return;
    }
    const bool heard =
        reading.state == ProbeReading::State::Lit || reading.state == ProbeReading::State::Dark;
    if (!heard) {
        player.Stop();
        return;
    }
    const std::vector<PlottedPoint> points = ScreenPoints(keyProbe_->screen);
    const auto at = std::find_if(points.begin(), points.end(),
                                 [this](const PlottedPoint& p) { return p.x == keyProbe_->x; });
    const ToneTarget target{at == points.end() ? 0.0 : at->value, ScreenTop(points), keyProbe_->x};
    if (change == ProbeChange::RunChanged) {
        // A new run changes the pitch of a tone that sounds, and brings back none.
        player.SetTarget(target);
    } else if (player.StartTone(target)) {
        ShowSoundNotice(QString());
    }
}

void MainForm::PlayScreen_Click() {
    const std::size_t screen =
        keyProbe_ ? keyProbe_->screen : ScreenOfNumber(kFarthestScreenNumber);
    if (!record_.plan || record_.p[screen].empty()) {
        ShowSoundNotice(NothingToPlayText(ScreenNumberOf(screen)), false);
        return;
    }
    if (Player().PlayScreen(ScreenPoints(screen))) {
        ShowSoundNotice(QString());
    } else {
        ShowSoundNotice(soundTrouble_);
    }
}

}  // namespace pathsum
