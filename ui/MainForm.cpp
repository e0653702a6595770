#include "MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>

#include "Accessibility.h"
#include "ControlTexts.h"
#include "NumberText.h"
#include "PlotFrame.h"
#include "SoundPlayer.h"

namespace pathsum {
namespace {

// Column geometry in frame units: the left column spans 990 twips from x = -10, the right
// column 868 twips from x = 101.
constexpr double kLeftColumnX = -10.0;
const double kLeftColumnWidth = 990.0 / PlotFrame::kClientWidthTwips * PlotFrame::kWidth;
constexpr double kRightColumnX = 101.0;
const double kRightColumnWidth = 868.0 / PlotFrame::kClientWidthTwips * PlotFrame::kWidth;
constexpr double kLabelHeight = 2.65;

constexpr int kFontPixels = 11;

QFont ControlFont(const char* family) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(kFontPixels);
    return font;
}

// The screen and path labels' captions before the first run.
QString ScreenCaptionAtStart(std::size_t index) {
    return QStringLiteral("%1:").arg(index + 1);
}
QString PathsCaptionAtStart() {
    return QStringLiteral("1:");
}

void SetColours(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

QString MainForm::Caption() {
    return tr(
        "Light meets matter: the sum-over-paths method, multiple slit and mirror analysis"
        "                    pathsum home page");
}

MainForm::MainForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(Caption());
    setFixedSize(PlotFrame::kClientWidth, PlotFrame::kClientHeight);
    setFont(ControlFont("Arial"));
    SetColours(this, Qt::white, Qt::black);
    InstallAccessibility();
    BuildControls();
    ConnectEvents();
    ConnectProbe();
    DescribeControls(this);
    DescribeCaptions();
}

MainForm::~MainForm() = default;

QWidget* MainForm::DialogParent() {
    if (const QGraphicsProxyWidget* proxy = graphicsProxyWidget()) {
        const QList<QGraphicsView*> views = proxy->scene()->views();
        if (!views.isEmpty()) {
            return views.front()->window();
        }
    }
    return window();
}

void MainForm::BuildControls() {
    canvas_ = new QtPlotCanvas(this);
    canvas_->setObjectName(QStringLiteral("PlotCanvas"));
    canvas_->move(0, 0);

    auto label = [this](const char* name, const char* caption, double top, double height,
                        const char* family) {
        auto* control = new ClickLabel(tr(caption), this);
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(FrameRect(kLeftColumnX, top, kLeftColumnWidth, height));
        control->setAlignment(Qt::AlignCenter);
        control->setWordWrap(true);
        control->setFont(ControlFont(family));
        SetColours(control, Qt::black, Qt::white);
        return control;
    };
    auto textBox = [this](const char* name, const std::string& text, double top) {
        auto* control = new ClickLineEdit(QString::fromStdString(text), this);
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(FrameRect(kLeftColumnX, top, kLeftColumnWidth, 4.0));
        control->setFont(ControlFont("Arial"));
        return control;
    };
    auto button = [this](const char* name, const char* caption, double top, double height,
                         const char* family) {
        auto* control = new WrapButton(tr(caption), this);
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(FrameRect(kLeftColumnX, top, kLeftColumnWidth, height));
        control->setFont(ControlFont(family));
        control->setAutoDefault(false);
        return control;
    };

    // The boxes and the Pattern button start with the texts a run's settings default to.
    const SettingsTexts defaults;
    WavelengthLabel = label(
        "WavelengthLabel", QT_TRANSLATE_NOOP("pathsum::MainForm", "Wave- Length"), 100, 5, "Arial");
    WavelengthText = textBox("WavelengthText", defaults.wavelength, 95);
    ResolutionLabel =
        label("ResolutionLabel", QT_TRANSLATE_NOOP("pathsum::MainForm", " Resolution Radians"), 90,
              5, "Arial");
    ResolutionText = textBox("ResolutionText", defaults.resolution, 85);
    ResolutionXLabel =
        label("ResolutionXLabel", QT_TRANSLATE_NOOP("pathsum::MainForm", " Resolution X"), 80, 5,
              "Arial");
    ResolutionXText = textBox("ResolutionXText", defaults.resolutionX, 75);
    GainLabel =
        label("GainLabel", QT_TRANSLATE_NOOP("pathsum::MainForm", "Gain"), 70, 5, "MS Sans Serif");
    GainText = textBox("GainText", defaults.gain, 65);
    GratingWidthLabel =
        label("GratingWidthLabel", QT_TRANSLATE_NOOP("pathsum::MainForm", "Width"), 60, 5, "Arial");
    GratingWidthText = textBox("GratingWidthText", defaults.width, 55);
    GratingSpacingLabel = label("GratingSpacingLabel",
                                QT_TRANSLATE_NOOP("pathsum::MainForm", "Spacing"), 50, 5, "Arial");
    GratingSpacingText = textBox("GratingSpacingText", defaults.spacing, 45);
    Calculate = button("Calculate", QT_TRANSLATE_NOOP("pathsum::MainForm", "CALC AND PLOT"), 40, 10,
                       "Arial");
    Pattern = button("Pattern", "", 30, 10, "MS Sans Serif");
    Pattern->setText(ShownPatternCaption(defaults.patternCaption));
    Printit = button("Printit", QT_TRANSLATE_NOOP("pathsum::MainForm", "Print"), 20, 10, "Arial");
    Stop = button("Stop", QT_TRANSLATE_NOOP("pathsum::MainForm", "Stop"), 10, 10, "Arial");
    Help = button("Help", QT_TRANSLATE_NOOP("pathsum::MainForm", "Help"), 0, 8, "MS Sans Serif");
    Exit = button("Exit", QT_TRANSLATE_NOOP("pathsum::MainForm", "Exit"), -8, 10, "Arial");

    for (int i = 0; i < 10; ++i) {
        auto* screen = new QLabel(ScreenCaptionAtStart(static_cast<std::size_t>(i)), this);
        screen->setObjectName(QStringLiteral("ScreenLabel(%1)").arg(i));
        screen->setGeometry(
            FrameRect(kRightColumnX, 90.0 - 10.0 * i, kRightColumnWidth, kLabelHeight));
        SetColours(screen, Qt::black, QColor(192, 192, 192));
        ScreenLabel[static_cast<std::size_t>(i)] = screen;

        auto* paths = new QLabel(PathsCaptionAtStart(), this);
        paths->setObjectName(QStringLiteral("PathsLabel(%1)").arg(i));
        paths->setGeometry(
            FrameRect(kRightColumnX, 93.3 - 10.0 * i, kRightColumnWidth, kLabelHeight));
        SetColours(paths, Qt::white, Qt::black);
        PathsLabel[static_cast<std::size_t>(i)] = paths;
    }
    auto sourceLabel = [this](const char* name, const char* caption, double top) {
        auto* control = new ClickLabel(QString::fromLatin1(caption), this);
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(FrameRect(kRightColumnX, top, kRightColumnWidth, 3.0));
        SetColours(control, QColor(0, 255, 0), Qt::black);
        return control;
    };
    SourceYLabel = sourceLabel("SourceYLabel", "Y=100", -12);
    SourceXLabel = sourceLabel("SourceXLabel", "X=0", -15);

    const QColor green(0, 255, 0);
    Source = new ShapeControl(this, kStartSource.x, kStartSource.y, 2.0f, 2.0f, green);
    Source->setObjectName(QStringLiteral("Source"));
    Source0 = new ShapeControl(this, kStartSource.x - 2.0f, kStartSource.y, 2.0f, 2.0f, green);
    Source0->setObjectName(QStringLiteral("Source0"));
    KeepOutOfAccessibility(Source0);

    ProbeMarker = new ShapeControl(this, 0.0f, 0.0f, 1.2f, 1.2f, QColor(255, 220, 0));
    ProbeMarker->setObjectName(QStringLiteral("ProbeMarker"));
    ProbeMarker->hide();

    LiveNotice = new QLabel(this);
    LiveNotice->setObjectName(QStringLiteral("LiveNotice"));
    LiveNotice->setGeometry(FrameRect(0.0, -12.0, 100.0, 5.0));
    LiveNotice->setWordWrap(true);
    LiveNotice->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetColours(LiveNotice, QColor(255, 220, 0), Qt::black);
    LiveNotice->hide();

    restTimer_ = new QTimer(this);
    restTimer_->setSingleShot(true);

    BuildTheoryControls();
}

const std::array<MainForm::ParameterControls, 5> MainForm::kParameterControls = {{
    {Parameter::Wavelength, &MainForm::WavelengthLabel, &MainForm::WavelengthText,
     QT_TRANSLATE_NOOP("pathsum::MainForm", "Input Wavelength:"), &MainForm::WavelengthText_Click,
     &MainForm::WavelengthLabel_MouseUp},
    {Parameter::Resolution, &MainForm::ResolutionLabel, &MainForm::ResolutionText,
     QT_TRANSLATE_NOOP("pathsum::MainForm", "Input Resolution in radians:"),
     &MainForm::ResolutionText_Click, &MainForm::ResolutionLabel_MouseUp},
    {Parameter::Gain, &MainForm::GainLabel, &MainForm::GainText,
     QT_TRANSLATE_NOOP("pathsum::MainForm", "Input Gain:"), &MainForm::GainText_Click,
     &MainForm::GainLabel_MouseUp},
    {Parameter::Width, &MainForm::GratingWidthLabel, &MainForm::GratingWidthText,
     QT_TRANSLATE_NOOP("pathsum::MainForm", "Input Grating Width:"),
     &MainForm::GratingWidthText_Click, &MainForm::GratingWidthLabel_MouseUp},
    {Parameter::Spacing, &MainForm::GratingSpacingLabel, &MainForm::GratingSpacingText,
     QT_TRANSLATE_NOOP("pathsum::MainForm", "Input Spacing:"), &MainForm::GratingSpacingText_Click,
     &MainForm::GratingSpacingLabel_MouseUp},
}};

void MainForm::ConnectEvents() {
    connect(Calculate, &QPushButton::clicked, this, &MainForm::Calculate_Click);
    connect(Stop, &QPushButton::clicked, this, &MainForm::Stop_Click);
    connect(Pattern, &QPushButton::clicked, this, &MainForm::Pattern_Click);
    connect(Printit, &QPushButton::clicked, this, &MainForm::Printit_Click);
    connect(Help, &QPushButton::clicked, this, &MainForm::Help_Click);
    connect(Exit, &QPushButton::clicked, this, &MainForm::Exit_Click);
    connect(SourceXLabel, &ClickLabel::clicked, this, &MainForm::SourceXLabel_Click);
    connect(SourceYLabel, &ClickLabel::clicked, this, &MainForm::SourceYLabel_Click);
    connect(ResolutionXLabel, &ClickLabel::clicked, this, &MainForm::ResolutionXLabel_Click);
    connect(ResolutionXText, &ClickLineEdit::stepKey, this, &MainForm::ResolutionXLabel_Click);
    ConnectParameterControls();
    // Whatever changes a box's text changes what the next run reads.
    for (QLineEdit* box : {WavelengthText, ResolutionText, ResolutionXText, GainText,
                           GratingWidthText, GratingSpacingText}) {
        connect(box, &QLineEdit::textChanged, this, &MainForm::SettingsChanged);
    }
    connect(restTimer_, &QTimer::timeout, this, &MainForm::SourceRested);
}

void MainForm::ConnectParameterControls() {
    for (const ParameterControls& parameter : kParameterControls) {
        ClickLineEdit* box = this->*parameter.box;
        connect(box, &ClickLineEdit::clicked, this, parameter.dialogProcedure);
        connect(this->*parameter.label, &ClickLabel::mouseUp, this, parameter.stepProcedure);
        // Page Up and Page Down in a box do what the right and left button do on its label.
        connect(box, &ClickLineEdit::stepKey, this,
                [this, step = parameter.stepProcedure](short button) {
                    (this->*step)(button, 0, 0.0f, 0.0f);
                });
        // The wheel over the box or its label, and the arrow keys in the box, step finely.
        const auto fine = [this, which = parameter.parameter](int notches) {
            FineStep(which, notches);
        };
        connect(box, &ClickLineEdit::wheelNotches, this, fine);
        connect(this->*parameter.label, &ClickLabel::wheelNotches, this, fine);
    }
}

// ---- The calculation run -------------------------------------------------------------------

SettingsTexts MainForm::TextsOfControls() const {
    SettingsTexts texts;
    texts.wavelength = WavelengthText->text().toStdString();
    texts.width = GratingWidthText->text().toStdString();
    texts.spacing = GratingSpacingText->text().toStdString();
    texts.gain = GainText->text().toStdString();
    texts.resolution = ResolutionText->text().toStdString();
    texts.resolutionX = ResolutionXText->text().toStdString();
    texts.patternCaption = PatternCaptionOf(Pattern->text());
    return texts;
}

SourcePoint MainForm::MarkerPosition() const {
    return {Source->Left(), Source->Top()};
}

void MainForm::ShowSourceCaptions(SourcePoint source) {
    SourceXLabel->setText(QString::fromStdString(SourceXCaption(source)));
    SourceYLabel->setText(QString::fromStdString(SourceYCaption(source)));
    DescribeCaptions();
}

void MainForm::DescribeCaptions() {
    Pattern->setAccessibleName(PatternName(Pattern->text()));
    SourceXLabel->setAccessibleName(SourceLabelName(SourceXLabel->text()));
    SourceYLabel->setAccessibleName(SourceLabelName(SourceYLabel->text()));
    for (std::size_t screen = 0; screen < kScreenYs.size(); ++screen) {
        const int index = ScreenLabelIndex(kScreenYs[screen]);
        QLabel* distance = ScreenLabel[static_cast<std::size_t>(index)];
        QLabel* paths = PathsLabel[static_cast<std::size_t>(index)];
        distance->setAccessibleName(
            ScreenLabelName(index, distance->text(), record_.peaks[screen]));
        paths->setAccessibleName(PathsLabelName(index, paths->text()));
    }
    canvas_->setAccessibleDescription(PlotAccessibleDescription());
}

void MainForm::Calculate_Click() {
    if (Running()) {
        return;
    }
    PerformRun(RunDetail::Full);
}

void MainForm::PerformRun(RunDetail detail) {
    Calculate->setEnabled(false);
    // From here on the window may answer; a Stop or a change then ends this run at its next
    // check.
    state_.Begin();
    const ExperimentSettings settings = SettingsOfTheRun();
    QElapsedTimer clock;
    clock.start();
    std::optional<Checked<RunPlan>> plan = PlanWhileAnswering(settings);
    ShowRunNotices(
        RunNotices(settings, plan && !IsRefused(*plan) ? &std::get<RunPlan>(*plan) : nullptr));
    if (!plan) {
        EndRun(true);
    } else if (const auto* refusal = std::get_if<Refusal>(&*plan)) {
        EndRun(false);
        ShowRefusal(QString::fromStdString(refusal->reason));
    } else {
        const RunOutcome outcome =
            DrawRun(std::get<RunPlan>(std::move(*plan)), settings.gain, detail);
        NoteLiveRun(detail, outcome, static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        EndRun(outcome == RunOutcome::Stopped);
    }
}

ExperimentSettings MainForm::SettingsOfTheRun() {
    // The companion shape is put beside the marker before the marker is read.
    PutSource0BesideSource();
    ExperimentSettings settings = ReadExperimentSettings(TextsOfControls(), MarkerPosition());
    settings.light = white_ ? WhiteLight() : Light{};
    ShowSourceCaptions(settings.source);
    return settings;
}

std::optional<Checked<RunPlan>> MainForm::PlanWhileAnswering(const ExperimentSettings& settings) {
    // A fine resolution's sweep takes a while: the window answers during it too.
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    std::optional<Checked<RunPlan>> plan = PlanRun(settings, [this, &sinceEvents] {
        if (sinceEvents.hasExpired(kRunEventInterval.count())) {
            ProcessPendingEvents();
            sinceEvents.start();
        }
        return !ShouldStop();
    });
    // What the window was told during the sweep it answers now, not only once the scene is
    // drawn and the engine prepared: a long sweep and a long preparation must not add up to
    // one long wait.
    if (plan && !IsRefused(*plan) && sinceEvents.elapsed() >= kRunEventInterval.count() / 4) {
        ProcessPendingEvents();
    }
    return plan;
}

RunOutcome MainForm::DrawRun(RunPlan plan, double gain, RunDetail detail) {
    if (detail == RunDetail::Coarse) {
        ThinForACoarsePicture(plan.detectorX);
    }
    if (live_) {
        // The last picture stays until the new one has drawn for a frame.
        canvas_->HoldPicture(kLiveHold);
    }
    picture_.emplace(*canvas_, gain);
    record_ = {};
    record_.plan = std::make_shared<const RunPlan>(std::move(plan));
    farField_ = FarField::Of(record_.plan->settings, record_.plan->row);
    ShowTheory();
    DescribeCaptions();
    emit runRecordChanged();
    RunOptions options;
    options.eventInterval = kRunEventInterval;
    const RunOutcome outcome = RunCalculation(*record_.plan, *this, options);
    canvas_->ShowNow();
    picture_.reset();
    return outcome;
}

void MainForm::EndRun(bool stopped) {
    if (state_.End(stopped) == RunState::Picture::Clear) {
        ClearRun();
    }
    Calculate->setEnabled(true);
    emit runEnded();
    LiveRunEnded();
}

void MainForm::ClearRun() {
    canvas_->Clear();
    canvas_->ShowNow();
    for (std::size_t i = 0; i < ScreenLabel.size(); ++i) {
        ScreenLabel[i]->setText(ScreenCaptionAtStart(i));
        PathsLabel[i]->setText(PathsCaptionAtStart());
    }
    runNotice_.clear();
    ShowLiveNotice(QString());
    record_ = {};
    farField_.reset();
    ShowTheory();
    DescribeCaptions();
    emit runRecordChanged();
}

void MainForm::Stop_Click() {
    state_.StopRequested = 1;
    // In the live mode nothing runs again until the next change.
    liveWanted_ = false;
    // Stop silences the sound too: the probe's tone until the probe moves, a screen played.
    if (player_ != nullptr) {
        player_->Stop();
    }
}

void MainForm::ProcessPendingEvents() {
    QApplication::processEvents(QEventLoop::AllEvents);
}

bool MainForm::ShouldStop() {
    // A change in the live mode ends the run under way: a new one follows with the settings as
    // they are then.
    return state_.ShouldStop();
}

void MainForm::DrawScene(const ElementRow& row) {
    picture_->DrawScene(row);
}

void MainForm::StartScreen(double screenY) {
    picture_->StartScreen(screenY);
}

void MainForm::PlotPoint(double x, double, int count, double p) {
    picture_->PlotPoint(x, count, p);
}

void MainForm::PlotWhitePoint(double x, double, int count, const WhitePoint& point) {
    picture_->PlotWhitePoint(x, count, point);
}

void MainForm::FinishScreen(double screenY, int count) {
    const std::size_t screen = picture_->Screen();
    const ScreenLabels labels = picture_->FinishScreen(screenY, count);
    if (screen < record_.p.size()) {
        record_.p[screen] = picture_->Record().p[screen];
        record_.colours[screen] = picture_->Record().colours[screen];
        record_.peaks[screen] = picture_->Record().peaks[screen];
        ShowTheoryOfScreen(screen);
        emit runRecordChanged();
    }
    const auto i = static_cast<std::size_t>(labels.index);
    ScreenLabel[i]->setText(QString::fromStdString(labels.distance));
    PathsLabel[i]->setText(QString::fromStdString(labels.paths));
    DescribeCaptions();
}

// ---- Window events --------------------------------------------------------------------------

void MainForm::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    // Only the client area itself places the source; a press on a control (a disabled one
    // included, whose presses Qt hands on to the window) is not a placement.
    if (childAt(at.toPoint()) != nullptr) {
        return;
    }
    if (RulerPress(event)) {
        return;
    }
    dragging_ = event->button() == Qt::LeftButton;
    const SourcePoint point{static_cast<float>(PlotFrame::FrameX(at.x())),
                            static_cast<float>(PlotFrame::FrameY(at.y()))};
    if (dragging_) {
        dragStart_ = point;
    }
    Form_MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()), point.x, point.y);
}

void MainForm::mouseMoveEvent(QMouseEvent* event) {
    const double x = PlotFrame::FrameX(event->position().x());
    const double y = PlotFrame::FrameY(event->position().y());
    if (RulerMove(event)) {
        return;
    }
    // With the left button held from a press in the client area, the source follows the
    // pointer, each position placed as a click there would place it.
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        sinceSourceMoved_.start();
        restTimer_->start(kSourceRestMs);
        PlaceSource({static_cast<float>(x), static_cast<float>(y)});
    }
    if (x >= 0.0 && x <= 100.0 && y >= 0.0 && y <= 100.0) {
        emit pointerOverPlot(x, y);
    }
}

void MainForm::mouseReleaseEvent(QMouseEvent* event) {
    if (RulerRelease(event)) {
        return;
    }
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        restTimer_->stop();
        SourceRested();
    }
}

void MainForm::StopOrCancelDrag() {
    // Esc takes the ruler away too, and stays what it was.
    ClearRuler();
    if (!dragging_) {
        Stop_Click();
        return;
    }
    // The rest of the drag, up to the button's release, moves nothing.
    dragging_ = false;
    restTimer_->stop();
    PlaceSource(dragStart_);
}

void MainForm::SetProbeTracking(bool on) {
    setMouseTracking(on);
    // While the pointer probes the plot, the plot's own tooltip would cover what it points at.
    if (on) {
        plotToolTip_ = toolTip();
        setToolTip(QString());
    } else if (!plotToolTip_.isEmpty()) {
        setToolTip(plotToolTip_);
    }
}

void MainForm::MarkProbe(double x, double screenY) {
    // Centred on the point, half the source marker's size.
    const float half = ProbeMarker->Width() / 2.0f;
    ProbeMarker->SetLeft(static_cast<float>(x) - half);
    ProbeMarker->SetTop(static_cast<float>(screenY) + half);
    ProbeMarker->show();
    ProbeMarker->raise();
}

void MainForm::HideProbe() {
    // The keyboard's probe keeps its mark while the keys move it.
    if (keyProbe_ && canvas_->hasFocus()) {
        ShowKeyProbe(ProbeChange::RunChanged);
        return;
    }
    ProbeMarker->hide();
}

void MainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The window is activated once, when it is first shown; doing it here rather than on the
    // platform's activation keeps the start-up state the same on every platform.
    if (!activated_) {
        activated_ = true;
        Form_Activate();
    }
}

void MainForm::closeEvent(QCloseEvent* event) {
    WindowClosing();
    event->accept();
}

void MainForm::WindowClosing() {
    // A run in progress ends at its next detector point; the program then leaves its loop.
    state_.Close();
    QApplication::exit(0);
}

void MainForm::Exit_Click() {
    // The form is the window, or the client area of the one it shows in (scaled down, through a
    // graphics scene): that window closes, and asks first whether to save an opened set-up's
    // changes.
    DialogParent()->close();
}

}  // namespace pathsum
