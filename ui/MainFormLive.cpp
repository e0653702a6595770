// The live mode: every change of what the next run reads starts a run, one at a time, the
// latest settings winning; and the fine steps of the five values (the wheel, the arrow keys).
//
// A change only asks for a run. A run under way is told at once (it ends at its next check
// and the window starts the next); otherwise the run starts from the event loop, so that a
// burst of changes in one go of the loop costs one run and no run ever starts inside another.

#include <QLabel>
#include <algorithm>

#include "MainForm.h"

namespace pathsum {
namespace {

// A run whose last full picture took longer than a frame draws coarsely while the source is
// dragged, on at most this many detector points a screen.
constexpr double kFrameSeconds = 1.0 / 60.0;
constexpr std::size_t kCoarsePoints = 101;

}  // namespace

void MainForm::SetLive(bool on) {
    live_ = on;
    if (!on) {
        // A live run under way ends, its curves so far kept, as a Stop keeps them.
        state_.Abandon(RunState::Picture::Keep);
        liveWanted_ = false;
        restTimer_->stop();
        ShowLiveNotice(QString());
        return;
    }
    SettingsChanged();
}

void MainForm::SourceRested() {
    if (coarseShown_) {
        SettingsChanged();
    }
}

void MainForm::SettingsChanged() {
    emit setupChanged();
    if (!live_ || state_.Closing()) {
        return;
    }
    liveWanted_ = true;
    if (Running()) {
        state_.Supersede();
        return;
    }
    ScheduleLiveRun();
}

void MainForm::ScheduleLiveRun() {
    if (!liveScheduled_) {
        liveScheduled_ = true;
        QTimer::singleShot(0, this, &MainForm::RunLive);
    }
}

void MainForm::RunLive() {
    liveScheduled_ = false;
    if (!live_ || !liveWanted_ || Running() || state_.Closing()) {
        return;
    }
    liveWanted_ = false;
    // Coarse only while the source moves; once it rests, and for every other change, full.
    const bool moving =
        dragging_ && sinceSourceMoved_.isValid() && sinceSourceMoved_.elapsed() < kSourceRestMs;
    const bool coarse = moving && fullRunSeconds_ > kFrameSeconds;
    PerformRun(coarse ? RunDetail::Coarse : RunDetail::Full);
}

void MainForm::NoteLiveRun(RunDetail detail, RunOutcome outcome, double seconds) {
    if (outcome == RunOutcome::Finished && detail == RunDetail::Full) {
        fullRunSeconds_ = seconds;
    }
    coarseShown_ = outcome == RunOutcome::Finished && detail == RunDetail::Coarse;
    ShowLiveNotice(coarseShown_ ? CoarsePictureNotice() : QString());
}

void MainForm::LiveRunEnded() {
    if (!live_ || state_.Closing()) {
        return;
    }
    if (liveWanted_) {
        ScheduleLiveRun();
    } else if (coarseShown_) {
        restTimer_->start(kSourceRestMs);
    }
}

QString MainForm::CoarsePictureNotice() {
    return tr(
        "Live: a coarse picture while the source moves; the full one follows "
        "when it rests.");
}

void MainForm::ShowLiveNotice(const QString& text) {
    liveNotice_ = text;
    ShowNotice();
}

void MainForm::ThinForACoarsePicture(std::vector<double>& detectorX) {
    if (detectorX.size() <= kCoarsePoints) {
        return;
    }
    const std::size_t stride = (detectorX.size() + kCoarsePoints - 1) / kCoarsePoints;
    std::vector<double> kept;
    for (std::size_t i = 0; i < detectorX.size(); i += stride) {
        kept.push_back(detectorX[i]);
    }
    detectorX = std::move(kept);
}

void MainForm::FineStep(Parameter parameter, int notches) {
    ClickLineEdit* box = this->*ControlsOf(parameter).box;
    if (!box->isEnabled()) {
        return;
    }
    const auto stepped =
        FineStepParameterText(box->text().toStdString(), notches, RangeOf(parameter));
    if (stepped) {
        box->setText(QString::fromStdString(*stepped));
    }
}

}  // namespace pathsum
