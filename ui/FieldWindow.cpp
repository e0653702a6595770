#include "FieldWindow.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "ControlTexts.h"
#include "FieldColourBar.h"
#include "FieldPictureView.h"
#include "FieldTable.h"
#include "FieldWaves.h"
#include "FileDialogs.h"
#include "Geometry.h"
#include "LightColour.h"
#include "MainForm.h"
#include "NumberText.h"
#include "SaveWhole.h"
#include "SideLayout.h"

namespace pathsum {
namespace {

// One go of the refinement between two looks at the event queue: the window answers within
// this and the painting of a picture.
constexpr auto kSlice = std::chrono::milliseconds(12);
// In the live mode a go is shorter: a move of the source waits for it before its run starts.
constexpr auto kLiveSlice = std::chrono::milliseconds(3);
// In the live mode the field computes on this thread alone: the other cores' threads, woken for
// its short slices, would keep them busy waiting when the main window's next run wants them.
constexpr int kLiveThreads = 1;
// In the live mode the field is refined past its first picture once no run has ended for this
// long.
constexpr qint64 kLiveRestMs = 100;
// The most pixels of the first picture of a field in the live mode.
constexpr std::size_t kLiveFirstPixels = 1024;

// A new picture of a refinement under way is shown at most this often; the finished one at
// once.
constexpr qint64 kPictureIntervalMs = 40;

// A panel beside the picture is never narrower than this many characters of text.
constexpr int kLeastPanelCharacters = 20;

// The map chooser's entry of the waves, beside the maps of p (FieldColours).
constexpr int kWavesEntry = -1;

// How long a period of the waves lasts at the normal speed: slow enough to follow a crest,
// fast enough to see it travel.
constexpr double kPeriodSeconds = 1.0;

// The waves' speeds, slower and faster than the normal one.
struct WaveSpeedEntry {
    const char* text;
    double speed;
};
constexpr WaveSpeedEntry kWaveSpeeds[] = {
    {"\u00bc\u00d7", 0.25}, {"\u00bd\u00d7", 0.5}, {"1\u00d7", 1.0}, {"2\u00d7", 2.0}};
constexpr int kNormalSpeed = 2;

// The frame rate of a screen that says none, or one out of reason.
constexpr double kUsualFrameRate = 60.0;

QString Readable(double value, int digits = 4) {
    return QString::fromStdString(ReadableNumber(value, digits));
}

}  // namespace

FieldWindow::FieldWindow(MainForm* form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form) {
    setObjectName(QStringLiteral("FieldWindow"));
    setWindowTitle(tr("Field of Light"));

    picture_ = new FieldPictureView(this);
    bar_ = new FieldColourBar(this);

    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("FieldCaption"));
    caption_->setWordWrap(true);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("FieldStatus"));
    status_->setWordWrap(true);
    pointer_ = new QLabel(this);
    pointer_->setObjectName(QStringLiteral("FieldPointer"));
    pointer_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("FieldNotice"));
    notice_->setWordWrap(true);
    QPalette warning = notice_->palette();
    warning.setColor(QPalette::WindowText, QColor(170, 70, 0));
    notice_->setPalette(warning);
    notice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    colours_ = new QComboBox(this);
    colours_->setObjectName(QStringLiteral("FieldColours"));
    colours_->addItem(tr("Colour"), static_cast<int>(FieldColours::Perceptual));
    colours_->addItem(tr("Grey"), static_cast<int>(FieldColours::Grey));
    colours_->addItem(tr("Waves"), kWavesEntry);
    waveSpeed_ = new QComboBox(this);
    waveSpeed_->setObjectName(QStringLiteral("FieldWaveSpeed"));
    for (const WaveSpeedEntry& entry : kWaveSpeeds) {
        waveSpeed_->addItem(QString::fromUtf8(entry.text), entry.speed);
    }
    waveSpeed_->setCurrentIndex(kNormalSpeed);
    wavesPause_ = new QPushButton(tr("Pause"), this);
    wavesPause_->setObjectName(QStringLiteral("FieldWavesPause"));
    wavesPause_->setCheckable(true);
    logarithmic_ = new QCheckBox(tr("&Logarithmic"), this);
    logarithmic_->setObjectName(QStringLiteral("FieldLogarithmic"));
    whole_ = new QPushButton(tr("&Whole Square"), this);
    whole_->setObjectName(QStringLiteral("FieldWholeSquare"));
    savePicture_ = new QPushButton(tr("Save &Picture..."), this);
    savePicture_->setObjectName(QStringLiteral("FieldSavePicture"));
    saveNumbers_ = new QPushButton(tr("Save &Numbers..."), this);
    saveNumbers_->setObjectName(QStringLiteral("FieldSaveNumbers"));
    for (QPushButton* button : {wavesPause_, whole_, savePicture_, saveNumbers_}) {
        button->setAutoDefault(false);
    }

    auto* controls = new FlowLayout;
    controls->addWidget(colours_);
    controls->addWidget(waveSpeed_);
    controls->addWidget(wavesPause_);
    controls->addWidget(logarithmic_);
    controls->addWidget(whole_);
    controls->addWidget(savePicture_);
    controls->addWidget(saveNumbers_);
    auto* pictureAndBar = new QWidget(this);
    pictureAndBar->setObjectName(QStringLiteral("SidePicture"));
    auto* pictureRow = new QHBoxLayout(pictureAndBar);
    pictureRow->setContentsMargins(0, 0, 0, 0);
    pictureRow->addWidget(picture_, 1);
    pictureRow->addWidget(bar_);
    auto* panel = new QWidget(this);
    auto* texts = new QVBoxLayout(panel);
    texts->setContentsMargins(0, 0, 0, 0);
    texts->addWidget(caption_);
    texts->addLayout(controls);
    texts->addWidget(status_);
    texts->addWidget(pointer_);
    texts->addWidget(notice_);
    texts->addStretch(1);
    // Beside the panel the picture is as high as the window, and the panel takes the width
    // the square and its colour bar leave, but never less than its own least.
    auto* sides = new SideLayout(this, pictureAndBar, panel, [this, pictureRow, panel](QSize room) {
        const int side = room.height() - kFieldRowStrip;
        const int pictureWidth = side + pictureRow->spacing() + bar_->sizeHint().width();
        const int least = std::max(panel->minimumSizeHint().width(),
                                   kLeastPanelCharacters * fontMetrics().averageCharWidth()) +
                          style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        return std::max(least, room.width() - pictureWidth);
    });
    sides->OnArranged([this](bool beside) {
        // Below the picture the texts keep their room whatever they say, so that the picture
        // keeps its size (a new size is a new refinement); beside it they take what they need.
        const int line = fontMetrics().lineSpacing();
        for (const auto& [label, lines] : {std::pair{status_, 2}, {notice_, 3}}) {
            label->setMinimumHeight(lines * line);
            label->setMaximumHeight(beside ? QWIDGETSIZE_MAX : lines * line);
        }
    });
    resize(680, 760);

    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &FieldWindow::Slice);
    connect(picture_, &FieldPictureView::zoomed, this, &FieldWindow::ZoomAt);
    connect(picture_, &FieldPictureView::panned, this, &FieldWindow::PanBy);
    // Home shows the whole square wherever the focus is in the window.
    new QShortcut(QKeySequence(Qt::Key_Home), this, this, &FieldWindow::ShowWholeSquare);
    connect(picture_, &FieldPictureView::pointerMoved, this, &FieldWindow::PointAt);
    connect(picture_, &FieldPictureView::resized, this, [this] {
        if (!refinement_ || refinement_->Grid().columns != GridOfTheView().columns) {
            Restart();
        }
    });
    connect(whole_, &QPushButton::clicked, this, &FieldWindow::ShowWholeSquare);
    connect(savePicture_, &QPushButton::clicked, this, &FieldWindow::SavePicture_Click);
    connect(saveNumbers_, &QPushButton::clicked, this, &FieldWindow::SaveNumbers_Click);
    connect(colours_, &QComboBox::currentIndexChanged, this, &FieldWindow::WavesChosen);
    connect(logarithmic_, &QCheckBox::toggled, this, [this] {
        ShowScale();
        PaintShown();
    });
    waveTimer_ = new QTimer(this);
    waveTimer_->setTimerType(Qt::PreciseTimer);
    connect(waveTimer_, &QTimer::timeout, this, &FieldWindow::WaveFrame);
    connect(wavesPause_, &QPushButton::toggled, this, &FieldWindow::UpdateWaveTimer);
    connect(form_, &MainForm::runRecordChanged, this, &FieldWindow::FollowRun);
    connect(form_, &MainForm::runEnded, this, &FieldWindow::RunEnded);
    connect(form_, &MainForm::theoryChanged, this, &FieldWindow::ShowGuides);
    connect(form_, &MainForm::rulerDismissed, picture_, &FieldPictureView::ClearRuler);
    connect(picture_, &FieldPictureView::rulerMoved, this, &FieldWindow::ShowRulerReading);

    DescribeControls(this);
    picture_->SetView(view_);
    WavesChosen();
    FollowRun();
}

FieldWindow::~FieldWindow() = default;

void FieldWindow::SetView(FieldView view) {
    view = WithinTheSquare(view);
    if (view == view_) {
        return;
    }
    view_ = view;
    picture_->SetView(view_);
    Restart();
}

void FieldWindow::ZoomAt(double x, double y, double factor) {
    SetView(Zoomed(view_, x, y, factor));
}

void FieldWindow::PanBy(double dx, double dy) {
    FieldView view = view_;
    view.left += dx;
    view.bottom += dy;
    SetView(view);
}

void FieldWindow::ShowWholeSquare() {
    SetView(FieldView{});
}

void FieldWindow::SetColours(FieldColours colours) {
    colours_->setCurrentIndex(colours == FieldColours::Grey ? 1 : 0);
}

void FieldWindow::SetLogarithmic(bool logarithmic) {
    logarithmic_->setChecked(logarithmic);
}

// ---- The waves ------------------------------------------------------------------------------

void FieldWindow::ShowWaves(bool shown) {
    if (shown) {
        colours_->setCurrentIndex(colours_->findData(kWavesEntry));
    } else if (WavesShown()) {
        colours_->setCurrentIndex(0);
    }
}

bool FieldWindow::WavesShown() const {
    // White light has no one sum a pixel to turn.
    return colours_->currentData().toInt() == kWavesEntry && !InTrueColour();
}

void FieldWindow::SetWavesPaused(bool paused) {
    wavesPause_->setChecked(paused);
}

bool FieldWindow::WavesPaused() const {
    return wavesPause_->isChecked();
}

void FieldWindow::SetWaveSpeed(double speed) {
    int nearest = kNormalSpeed;
    for (int i = 0; i < waveSpeed_->count(); ++i) {
        if (std::fabs(std::log(waveSpeed_->itemData(i).toDouble() / speed)) <
            std::fabs(std::log(waveSpeed_->itemData(nearest).toDouble() / speed))) {
            nearest = i;
        }
    }
    waveSpeed_->setCurrentIndex(nearest);
}

double FieldWindow::WaveSpeed() const {
    return waveSpeed_->currentData().toDouble();
}

bool FieldWindow::WavesMoving() const {
    return waveTimer_->isActive();
}

void FieldWindow::WavesChosen() {
    const bool waves = WavesShown();
    waveSpeed_->setEnabled(waves);
    wavesPause_->setEnabled(waves);
    ShowScale();
    PaintShown();
    UpdateWaveTimer();
    TellWaves();
}

void FieldWindow::UpdateWaveTimer() {
    // Frames only where someone can see them: no processor time for a hidden, minimised or
    // paused window, nor for a map of p.
    const bool seen = isVisible() && !isMinimized() && WavesShown() && !WavesPaused() &&
                      shown_.refinement != nullptr;
    if (!seen) {
        waveTimer_->stop();
        return;
    }
    if (!waveTimer_->isActive()) {
        const QScreen* where = screen();
        double rate = where != nullptr ? where->refreshRate() : kUsualFrameRate;
        if (!(rate >= 20.0 && rate <= 500.0)) {
            rate = kUsualFrameRate;
        }
        sinceWaveFrame_.start();
        waveTimer_->start(std::max(1, static_cast<int>(std::lround(1000.0 / rate))));
    }
}

void FieldWindow::WaveFrame() {
    // The time runs on as the clock does, however late a frame comes.
    const double seconds = static_cast<double>(sinceWaveFrame_.nsecsElapsed()) * 1e-9;
    sinceWaveFrame_.start();
    const double periods = periods_ + seconds * WaveSpeed() / kPeriodSeconds;
    periods_ = periods - std::floor(periods);
    PaintShown();
}

void FieldWindow::TellWaves() {
    if (WavesShown() && isVisible()) {
        emit wavesAt(periods_);
    } else {
        emit wavesStopped();
    }
}

bool FieldWindow::Complete() const {
    return refinement_ && refinement_->Done();
}

QString FieldWindow::Status() const {
    return status_->text();
}

QString FieldWindow::PointerText() const {
    return pointer_->text();
}

QString FieldWindow::Notice() const {
    return notice_->text();
}

FieldGrid FieldWindow::GridOfTheView() const {
    const int side =
        static_cast<int>(std::lround(picture_->Square().width() * picture_->devicePixelRatioF()));
    return {view_, side, side};
}

void FieldWindow::FollowRun() {
    const RunRecord& run = form_->LastRun();
    if (run.plan == plan_) {
        return;
    }
    // The new run's field starts afresh; the old picture stays until the new one has come, its
    // waves moving.
    Drop(refinement_);
    engine_.reset();
    plan_ = run.plan;
    if (plan_) {
        caption_->setText(RunCaption());
        if (plan_->paths.Count() == 0) {
            ReleaseShown();
            picture_->ClearPicture();
        }
    } else {
        caption_->setText(QString());
        ReleaseShown();
        picture_->ClearPicture();
    }
    ShowScale();
    ShowGuides();
    UpdateWaveTimer();
    if (form_->Running()) {
        // The field of a run is made when the run ends: a run a newer change ends in the live
        // mode costs it nothing.
        Drop(refinement_);
        pictureOfThisRefinement_ = false;
        ShowStatus();
        return;
    }
    Restart();
}

void FieldWindow::Restart() {
    Drop(refinement_);
    pictureOfThisRefinement_ = false;
    // Made once the window shows, when the size of its views is known: the engine plans its
    // sums for a view of that many pixels.
    if (isVisible() && plan_ && plan_->paths.Count() > 0) {
        const FieldGrid grid = GridOfTheView();
        if (!engine_) {
            // The run's light: in white light every pixel sums every wavelength.
            EngineOptions options;
            options.light = plan_->settings.light;
            engine_ = std::make_shared<FieldEngine>(plan_->paths, plan_->settings.wavelength,
                                                    plan_->detectorX.size(),
                                                    static_cast<double>(grid.Pixels()), options);
        }
        // In the live mode the first picture is coarser still: it comes between two runs.
        refinement_ = std::make_shared<FieldRefinement>(
            *engine_, grid, form_->Live() ? kLiveFirstPixels : FieldRefinement::kFirstPixels,
            std::exchange(room_, {}));
    }
    ShowNotice();
    ShowStatus();
    ScheduleSlice();
}

void FieldWindow::Drop(std::shared_ptr<FieldRefinement>& refinement) {
    if (refinement && refinement.use_count() == 1) {
        room_ = std::move(*refinement).TakeRoom();
    }
    refinement.reset();
}

void FieldWindow::ReleaseShown() {
    Drop(shown_.refinement);
    shown_.engine.reset();
    shown_.plan.reset();
}

void FieldWindow::ScheduleSlice() {
    if (refinement_ && !refinement_->Done() && isVisible()) {
        // In the live mode, while runs follow one another (a drag, the wheel over a value), the
        // field shows the first picture of each and refines only once they rest: a finer field
        // the next run replaces would only take the processor from it.
        const qint64 sinceRun = sinceRunEnded_.isValid() ? sinceRunEnded_.elapsed() : kLiveRestMs;
        const bool resting = !form_->Live() || sinceRun >= kLiveRestMs;
        timer_->start(resting ? 0 : static_cast<int>(kLiveRestMs - sinceRun));
    }
}

void FieldWindow::RunEnded() {
    // In the live mode the next run may start at once, and the field waits for the main
    // window's runs: the coarse picture of a finished run's field is made now, before the next
    // run, so that the field follows a drag. (A run a newer change ended has no field to show.)
    sinceRunEnded_.start();
    const RunRecord& run = form_->LastRun();
    const bool superseded = form_->Live() && run.p.back().empty();
    if (!refinement_ && !superseded) {
        Restart();
    }
    if (form_->Live() && isVisible() && refinement_ && !pictureOfThisRefinement_ &&
        run.plan == plan_ && !superseded) {
        while (!refinement_->Done() && refinement_->FinishedStride() == 0) {
            refinement_->Refine(FieldRefinement::Clock::now(), kLiveThreads);  // one step
        }
        ShowPicture();
        ShowStatus();
    }
    ScheduleSlice();
}

void FieldWindow::Slice() {
    // The main window's run computes on this thread: the field waits for its end (runEnded).
    if (!refinement_ || form_->Running()) {
        ShowStatus();
        return;
    }
    if (form_->Live() && sinceRunEnded_.isValid() && sinceRunEnded_.elapsed() < kLiveRestMs) {
        ScheduleSlice();
        return;
    }
    const bool live = form_->Live();
    const bool done = refinement_->Refine(
        FieldRefinement::Clock::now() + (live ? kLiveSlice : kSlice), live ? kLiveThreads : 0);
    const bool firstPicture = !pictureOfThisRefinement_ && refinement_->FinishedStride() > 0;
    // The waves' frames show the refinement on screen as it goes.
    const bool framesShowIt = waveTimer_->isActive() && shown_.refinement == refinement_;
    if (done || firstPicture || (!framesShowIt && sincePicture_.elapsed() >= kPictureIntervalMs)) {
        if (refinement_->FinishedStride() > 0) {
            ShowPicture();
        }
    }
    ShowStatus();
    ScheduleSlice();
}

void FieldWindow::ShowPicture() {
    if (!refinement_ || refinement_->FinishedStride() == 0 || !plan_) {
        return;
    }
    if (shown_.refinement != refinement_) {
        ReleaseShown();
        shown_.plan = plan_;
        shown_.engine = engine_;
        shown_.refinement = refinement_;
    }
    pictureOfThisRefinement_ = true;
    sincePicture_.start();
    PaintShown();
    UpdateWaveTimer();
}

void FieldWindow::PaintShown() {
    if (!shown_.refinement || !shown_.plan) {
        return;
    }
    const FieldRefinement& shown = *shown_.refinement;
    const RunPlan& plan = *shown_.plan;
    const FieldGrid& grid = shown.Grid();
    const FieldScale scale = ScaleFor(plan.settings.gain, logarithmic_->isChecked());
    // White light has no one sum a pixel to turn: its field is shown in true colour.
    const bool trueColour = plan.settings.light.Spectral();
    const bool waves = WavesShown() && !trueColour && shown.Re().size() == shown.P().size();
    std::vector<std::uint32_t>& pixels = pixels_;  // kept: a frame allocates nothing new
    if (waves) {
        PaintWaves(shown.Re(), shown.Im(), grid.columns, grid.rows, plan.paths.Count(), periods_,
                   scale, pixels);
    } else if (trueColour) {
        PaintTrueColour(shown.P(), shown.Colours(), grid.columns, grid.rows, plan.paths.Count(),
                        scale, pixels);
    } else {
        PaintField(shown.P(), grid.columns, grid.rows, plan.paths.Count(), scale, ColoursShown(),
                   pixels);
    }
    QImage image(grid.columns, grid.rows, QImage::Format_RGB32);
    for (int k = 0; k < grid.rows; ++k) {
        std::copy_n(pixels.data() + static_cast<std::size_t>(k) * grid.columns, grid.columns,
                    reinterpret_cast<std::uint32_t*>(image.scanLine(k)));
    }
    image.setDevicePixelRatio(picture_->devicePixelRatioF());
    picture_->ShowPicture(std::move(image), grid.view, FieldMarks(plan.row, plan.settings.source));
    if (waves) {
        ++waveFrames_;
        emit wavesAt(periods_);
    }
}

void FieldWindow::ShowScale() {
    // The map is no choice in white light, whose colours are the light's own.
    colours_->setEnabled(!InTrueColour());
    const FieldScale scale =
        ScaleFor(plan_ ? plan_->settings.gain : 0.0, logarithmic_->isChecked());
    if (WavesShown()) {
        bar_->ShowWaves(scale);
    } else {
        bar_->Show(ColoursShown(), scale);
    }
}

void FieldWindow::ShowNotice() {
    QString text;
    if (engine_ && refinement_) {
        // The finest fringes are those of the shortest wavelength summed.
        const double shortest =
            engine_->Wavelength() / Spectrum(engine_->LightSummed()).MostTurnsRatio();
        const FieldAliasing aliasing =
            AliasingOf(refinement_->Grid(), engine_->HitLow(), engine_->HitHigh(), shortest);
        if (aliasing.rows == refinement_->Grid().rows) {
            text = tr("The fringes here are as fine as %1 apart, finer than two pixels (a pixel "
                      "is %2 across): each pixel is a sample, and the picture may show patterns "
                      "that are not there. Zoom in (the wheel) to see the fringes themselves.")
                       .arg(Readable(aliasing.nearestSpacing, 3), Readable(aliasing.pixel, 3));
        } else if (aliasing.rows > 0) {
            text = tr("Within %1 of the row the fringes are finer than two pixels (down to %2 "
                      "apart; a pixel is %3 across): there each pixel is a sample, and the "
                      "picture may show patterns that are not there. Zoom in (the wheel) to see "
                      "them.")
                       .arg(Readable(aliasing.withinDistance, 3),
                            Readable(aliasing.nearestSpacing, 3), Readable(aliasing.pixel, 3));
        }
    }
    notice_->setText(text);
}

void FieldWindow::ShowStatus() {
    QString text;
    if (!plan_) {
        text = tr(
            "Click CALC AND PLOT in the main window: the field of the run's paths appears here.");
    } else if (plan_->paths.Count() == 0) {
        text = tr("The last run has no paths: no light reaches the plot.");
    } else if (form_->Running()) {
        text = tr("The field follows once the run in the main window has ended.");
    } else if (refinement_ && !refinement_->Done()) {
        text = tr("Refining: %1% of %2 pixels.")
                   .arg(static_cast<int>(refinement_->Progress() * 100.0))
                   .arg(refinement_->Grid().Pixels());
    } else if (refinement_) {
        text = refinement_->Interpolated()
                   ? tr("Every one of %1 pixels computed, by the interpolated sum: "
                        "within %2 of the sum over every path in p / N\u00b2.")
                         .arg(refinement_->Grid().Pixels())
                         .arg(Readable(refinement_->ErrorBound(), 2))
                   : tr("Every one of %1 pixels computed, summed over every path.")
                         .arg(refinement_->Grid().Pixels());
    }
    status_->setText(text);
    const bool complete = Complete();
    savePicture_->setEnabled(complete);
    saveNumbers_->setEnabled(complete);
}

void FieldWindow::PointAt(double x, double y) {
    // The centre of the pixel under the pointer: the point whose value the pixel shows, and
    // whose arrows the arrows window then adds up to it.
    QString value;
    if (refinement_ && refinement_->Grid().view == view_ && plan_) {
        const FieldGrid& grid = refinement_->Grid();
        const int i = grid.ColumnOf(x);
        const int k = grid.RowOf(y);
        x = grid.X(i);
        y = grid.Y(k);
        if (refinement_->FinishedStride() > 0) {
            const double n = plan_->paths.Count();
            const double p =
                refinement_->P()[static_cast<std::size_t>(k) * grid.columns + i] / (n * n);
            value = (refinement_->Done() ? tr(": p / N\u00b2 %1") : tr(": p / N\u00b2 about %1"))
                        .arg(Readable(p));
        }
    }
    // As the main window's labels give a point.
    pointer_->setText(QStringLiteral("X %1, Y %2")
                          .arg(Readable(AcrossFromCentre(x), 6), Readable(DistanceFromRow(y), 6)) +
                      value);
    // A screen reader hears the point and its value by the readout's name.
    pointer_->setAccessibleName(FieldPointName(pointer_->text()));
    emit pointerOverField(x, y);
}

void FieldWindow::MarkProbe(double x, double y) {
    // While the pointer probes the field, the picture's own tooltip would cover what it points
    // at.
    if (!picture_->Probe()) {
        pictureToolTip_ = picture_->toolTip();
        picture_->setToolTip(QString());
    }
    picture_->MarkProbe(x, y);
}

void FieldWindow::HideProbe() {
    if (picture_->Probe()) {
        picture_->setToolTip(pictureToolTip_);
    }
    picture_->HideProbe();
}

void FieldWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The keys of the view go to the picture, not to a control that has keys of its own.
    picture_->setFocus();
    FollowRun();
    if (!refinement_) {
        Restart();
    }
    ScheduleSlice();
    UpdateWaveTimer();
    TellWaves();
}

void FieldWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    timer_->stop();
    UpdateWaveTimer();
    TellWaves();
    emit closed();
}

// ---- What the textbook says, and the ruler --------------------------------------------------

void FieldWindow::ShowGuides() {
    const std::optional<FarField>& theory = form_->TheoryOfLastRun();
    picture_->SetGuides(form_->Theory() && theory && plan_ ? theory->GuideLines()
                                                           : std::vector<GuideLine>{});
    ShowRulerReading();
}

void FieldWindow::ShowRulerReading() {
    if (const auto ends = picture_->Ruler()) {
        const std::optional<FarField>& theory = form_->TheoryOfLastRun();
        picture_->SetRulerReading(
            RulerReading(*ends, form_->Theory() && theory ? &*theory : nullptr));
    }
}

// ---- White light ---------------------------------------------------------------------------

bool FieldWindow::InTrueColour() const {
    return plan_ && plan_->settings.light.Spectral();
}

FieldColours FieldWindow::ColoursShown() const {
    return InTrueColour() ? FieldColours::Grey
                          : static_cast<FieldColours>(colours_->currentData().toInt());
}

QString FieldWindow::RunCaption() const {
    const ExperimentSettings& s = plan_->settings;
    const QString pattern = ShownPatternCaption(s.patternCaption);
    const QString paths = QString::number(plan_->paths.Count());
    if (InTrueColour()) {
        return tr("The last run: %1 in white light, the wavelength %2 standing for 550 nm, %3 "
                  "paths, gain %4. Each pixel shows the colour of the light arriving there.")
            .arg(pattern, Readable(s.wavelength, 6), paths, Readable(s.gain, 6));
    }
    return tr("The last run: %1, wavelength %2, %3 paths, gain %4.")
        .arg(pattern, Readable(s.wavelength, 6), paths, Readable(s.gain, 6));
}

void FieldWindow::keyPressEvent(QKeyEvent* event) {
    // Space pauses and resumes the waves, unless the control with the focus takes Space itself
    // (a button, a box, the chooser of the maps): the keys it leaves come here.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && WavesShown()) {
        SetWavesPaused(!WavesPaused());
        return;
    }
    if (!ProbeKey(*event)) {
        QWidget::keyPressEvent(event);
    }
}

void FieldWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        UpdateWaveTimer();
    }
}

bool FieldWindow::ProbeKey(const QKeyEvent& event) {
    if (!picture_->hasFocus() || !refinement_ || refinement_->Grid().view != view_) {
        return false;
    }
    constexpr int kLongStep = 10;
    constexpr double kScreenSpacing = 10.0;
    const int step = event.modifiers().testFlag(Qt::ControlModifier) ? kLongStep : 1;
    const FieldGrid& grid = refinement_->Grid();
    const QPointF from = picture_->Probe().value_or(
        QPointF(view_.left + 0.5 * view_.width, view_.bottom + 0.5 * view_.height));
    int i = grid.ColumnOf(from.x());
    int k = grid.RowOf(from.y());
    switch (event.key()) {
        case Qt::Key_Left:
            i -= step;
            break;
        case Qt::Key_Right:
            i += step;
            break;
        // Up the picture is towards the row.
        case Qt::Key_Up:
            k += step;
            break;
        case Qt::Key_Down:
            k -= step;
            break;
        case Qt::Key_PageUp:
            k = grid.RowOf(from.y() + kScreenSpacing);
            break;
        case Qt::Key_PageDown:
            k = grid.RowOf(from.y() - kScreenSpacing);
            break;
        default:
            return false;
    }
    const double x = grid.X(std::clamp(i, 0, grid.columns - 1));
    const double y = grid.Y(std::clamp(k, 0, grid.rows - 1));
    PointAt(x, y);
    MarkProbe(x, y);
    return true;
}

// ---- Saving -------------------------------------------------------------------------------

void FieldWindow::ReportFailure(const QString& message) {
    QMessageBox::warning(this, tr("Field of Light"), message);
}

std::optional<QString> FieldWindow::NotComplete(const QString& path) const {
    if (Complete() && plan_) {
        return std::nullopt;
    }
    return tr("The file \u201c%1\u201d was not written: the field is not computed "
              "at every pixel yet.")
        .arg(path);
}

bool FieldWindow::SavePicture(const QString& path) {
    auto why = NotComplete(path);
    if (!why) {
        picture_->SetProbeShown(false);
        const QImage image = grab(picture_->geometry().united(bar_->geometry())).toImage();
        picture_->SetProbeShown(true);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        why = SaveWhole(path, bytes);
    }
    if (why) {
        ReportFailure(*why);
    }
    return !why;
}

bool FieldWindow::SaveNumbers(const QString& path) {
    auto why = NotComplete(path);
    if (!why) {
        const std::string table =
            FieldTableCsv(plan_->settings, refinement_->Grid(), plan_->paths.Count(),
                          refinement_->P(), refinement_->Re(), refinement_->Im(), PATHSUM_VERSION);
        why = SaveWhole(path, QByteArray::fromStdString(table));
    }
    if (why) {
        ReportFailure(*why);
    }
    return !why;
}

void FieldWindow::SavePicture_Click() {
    AskAndSave(tr("Save the Picture of the Field"), QStringLiteral("field.png"),
               tr("PNG pictures (*.png)"), &FieldWindow::SavePicture);
}

void FieldWindow::SaveNumbers_Click() {
    AskAndSave(tr("Save the Numbers of the Field"), QStringLiteral("field.csv"),
               tr("Comma-separated values (*.csv)"), &FieldWindow::SaveNumbers);
}

void FieldWindow::AskAndSave(const QString& title, const QString& name, const QString& filter,
                             bool (FieldWindow::*save)(const QString&)) {
    const QString path = AskForFile(this, QFileDialog::AcceptSave, title,
                                    QDir::home().filePath(name), filter, QFileInfo(name).suffix());
    if (!path.isEmpty()) {
        (this->*save)(path);
    }
}

}  // namespace pathsum
