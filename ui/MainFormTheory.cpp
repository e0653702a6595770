// View > Theory and the ruler: the textbook's prediction over the screens of the last run, each
// screen's Fresnel number beside it, and the line a Shift and a drag measure. None of it is part
// of the run's own picture: the prediction lies on the canvas's overlay, the numbers in labels
// of their own, the ruler on a layer that no picture of the window shows.

#include <QLabel>
#include <QMouseEvent>

#include "ControlTexts.h"
#include "Geometry.h"
#include "MainForm.h"
#include "PlotFrame.h"
#include "TheoryDrawing.h"

namespace pathsum {

void MainForm::BuildTheoryControls() {
    QFont small = font();
    small.setPixelSize(10);
    for (std::size_t i = 0; i < FresnelLabel.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("FresnelLabel(%1)").arg(i));
        // Below its screen's distance, in the room up to the next screen's paths.
        const QRect distance = ScreenLabel[i]->geometry();
        // Below the last screen, as far down as below the others: where an eleventh screen's
        // paths would stand.
        const QRect nextPaths = i + 1 < PathsLabel.size()
                                    ? PathsLabel[i + 1]->geometry()
                                    : PathsLabel[i]->geometry().translated(
                                          0, PathsLabel[i]->y() - PathsLabel[i - 1]->y());
        const int top = distance.bottom() + 1;
        label->setGeometry(distance.left(), top, distance.width(),
                           std::max(distance.height(), nextPaths.top() - top));
        label->setFont(small);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText,
                         QColor(kTheoryColour.r, kTheoryColour.g, kTheoryColour.b));
        palette.setColor(QPalette::Window, Qt::black);
        label->setPalette(palette);
        label->setAutoFillBackground(true);
        label->hide();
        FresnelLabel[i] = label;
    }
    RulerView = new RulerOverlay(this);
    RulerView->setGeometry(rect());
}

void MainForm::SetTheory(bool on) {
    if (theory_ == on) {
        return;
    }
    theory_ = on;
    ShowTheory();
    emit theoryChanged(on);
}

void MainForm::ShowTheory() {
    canvas_->Overlay().Clear();
    for (QLabel* label : FresnelLabel) {
        label->hide();
    }
    for (std::size_t screen = 0; screen < kScreenYs.size(); ++screen) {
        if (!record_.p[screen].empty()) {
            ShowTheoryOfScreen(screen);
        }
    }
    ShowRulerReading();
}

void MainForm::ShowTheoryOfScreen(std::size_t screen) {
    if (!theory_ || !farField_ || !record_.plan || record_.plan->paths.Count() == 0) {
        return;
    }
    const RunPlan& plan = *record_.plan;
    const double screenY = kScreenYs[screen];
    DrawPrediction(canvas_->Overlay(), *farField_, screenY, plan.detectorX, plan.settings.gain);
    const auto fresnel = farField_->FresnelNumber(DistanceFromRow(screenY));
    if (!fresnel) {
        return;
    }
    const int index = ScreenLabelIndex(screenY);
    QLabel* label = FresnelLabel[static_cast<std::size_t>(index)];
    label->setText(QString::fromStdString(FresnelCaption(*fresnel)));
    const ControlDescription described =
        FresnelLabelDescription(index, DistanceFromRow(screenY), *fresnel);
    label->setAccessibleName(described.name);
    label->setAccessibleDescription(described.description);
    label->setToolTip(QStringLiteral("<p>") + described.description.toHtmlEscaped() +
                      QStringLiteral("</p>"));
    label->show();
}

// ---- The ruler ----------------------------------------------------------------------------

void MainForm::ClearRuler() {
    rulerPressed_ = false;
    measuring_ = false;
    RulerView->Clear();
    emit rulerDismissed();
}

void MainForm::ShowRulerReading() {
    if (const auto ends = RulerView->Ends()) {
        RulerView->Show(*ends, RulerReading(*ends, theory_ && farField_ ? &*farField_ : nullptr));
    }
}

bool MainForm::RulerPress(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !(event->modifiers() & Qt::ShiftModifier)) {
        return false;
    }
    rulerPressed_ = true;
    measuring_ = false;
    rulerPress_ = event->position();
    return true;
}

bool MainForm::RulerMove(QMouseEvent* event) {
    if (!rulerPressed_ || !(event->buttons() & Qt::LeftButton)) {
        return false;
    }
    const QPointF at = event->position();
    measuring_ = measuring_ || IsDrag(rulerPress_, at);
    if (measuring_) {
        const auto frame = [](QPointF p) {
            return QPointF(PlotFrame::FrameX(p.x()), PlotFrame::FrameY(p.y()));
        };
        const RulerEnds ends{frame(rulerPress_), frame(at)};
        RulerView->Show(ends, RulerReading(ends, theory_ && farField_ ? &*farField_ : nullptr));
    }
    return true;
}

bool MainForm::RulerRelease(QMouseEvent* event) {
    if (!rulerPressed_ || event->button() != Qt::LeftButton) {
        return false;
    }
    rulerPressed_ = false;
    if (!measuring_) {
        // No drag: a click, which places the source as any left click does.
        Form_MouseDown(ButtonCode(Qt::LeftButton), ShiftCode(event->modifiers()),
                       static_cast<float>(PlotFrame::FrameX(rulerPress_.x())),
                       static_cast<float>(PlotFrame::FrameY(rulerPress_.y())));
    }
    measuring_ = false;
    return true;
}

}  // namespace pathsum
