#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "ControlTexts.h"
#include "Controls.h"
#include "ExperimentSettings.h"
#include "FarField.h"
#include "ParameterStep.h"
#include "QtPlotCanvas.h"
#include "Ruler.h"
#include "RunDriver.h"
#include "RunPicture.h"
#include "RunState.h"
#include "Sonification.h"

namespace pathsum {

class SoundPlayer;

// What a run leaves for the arrows window to read: its plan and, screen by screen, the p it
// plotted (empty for a screen not computed yet). In white light p is each point's white value
// and `colours` the colour of its light beside it; empty otherwise.
struct RunRecord {
    std::shared_ptr<const RunPlan> plan;
    std::array<std::vector<double>, kScreenYs.size()> p;
    std::array<std::vector<LinearRgb>, kScreenYs.size()> colours;
    std::array<std::optional<ScreenPeak>, kScreenYs.size()> peaks;
};

// The client area of the program's main window: the plot surface over the whole area, the
// column of inputs and commands at its left, the screen and path labels at its right and the
// source labels at its bottom right. The windows beside it (the arrows, the field, the guide)
// only read what it shows. Controls carry the names the program's documentation uses. Every
// event procedure only edits controls, except Calculate_Click, which performs a run.
class MainForm : public QWidget, public RunHost {
    Q_OBJECT

  public:
    explicit MainForm(QWidget* parent = nullptr);
    ~MainForm() override;

    // Left column.
    ClickLabel* WavelengthLabel = nullptr;
    ClickLineEdit* WavelengthText = nullptr;
    ClickLabel* ResolutionLabel = nullptr;
    ClickLineEdit* ResolutionText = nullptr;
    ClickLabel* ResolutionXLabel = nullptr;
    ClickLineEdit* ResolutionXText = nullptr;
    ClickLabel* GainLabel = nullptr;
    ClickLineEdit* GainText = nullptr;
    ClickLabel* GratingWidthLabel = nullptr;
    ClickLineEdit* GratingWidthText = nullptr;
    ClickLabel* GratingSpacingLabel = nullptr;
    ClickLineEdit* GratingSpacingText = nullptr;
    WrapButton* Calculate = nullptr;
    WrapButton* Pattern = nullptr;
    WrapButton* Printit = nullptr;
    WrapButton* Stop = nullptr;
    WrapButton* Help = nullptr;
    WrapButton* Exit = nullptr;

    // Right column and bottom right.
    std::array<QLabel*, 10> ScreenLabel{};
    std::array<QLabel*, 10> PathsLabel{};
    ClickLabel* SourceYLabel = nullptr;
    ClickLabel* SourceXLabel = nullptr;

    // The light source marker.
    ShapeControl* Source = nullptr;
    ShapeControl* Source0 = nullptr;

    QtPlotCanvas* Canvas() { return canvas_; }

    // The state of the run: whether one is under way, and the Stop flag (StopRequested).
    RunState& Run() { return state_; }
    const RunState& Run() const { return state_; }

    // Event procedures.
    void Calculate_Click();
    void Stop_Click();
    void Pattern_Click();
    void Printit_Click();
    // Prints the window with the plot on white paper: the drawing dark on white, the labels
    // that are light on black dark on white.
    void PrintOnWhite_Click();
    void Help_Click();
    void Exit_Click();
    void Form_Activate();
    void Form_MouseDown(short button, short shift, float x, float y);
    // Places the source marker at `marker` (frame units) as a left click there places it.
    void PlaceSource(SourcePoint marker);
    void SourceXLabel_Click();
    void SourceYLabel_Click();
    void ResolutionXLabel_Click();
    void WavelengthText_Click();
    void ResolutionText_Click();
    void GainText_Click();
    void GratingWidthText_Click();
    void GratingSpacingText_Click();
    void WavelengthLabel_MouseUp(short button, short shift, float x, float y);
    void ResolutionLabel_MouseUp(short button, short shift, float x, float y);
    void GainLabel_MouseUp(short button, short shift, float x, float y);
    void GratingWidthLabel_MouseUp(short button, short shift, float x, float y);
    void GratingSpacingLabel_MouseUp(short button, short shift, float x, float y);
    // Run > Stop and its key, Esc: during a drag of the source, the drag ends with the source
    // put back where it began; otherwise Stop_Click.
    void StopOrCancelDrag();
    // The keyboard's way to place the source: a dialog taking X and Y as the labels show them;
    // the choice is placed as a click there would place it.
    void PlaceSource_Click();

    // Ends a run in progress at its next detector point and leaves the event loop: the window
    // this form shows in is closing.
    void WindowClosing();

    // The last run that went ahead (a refused one leaves the one before), as far as it got.
    const RunRecord& LastRun() const { return record_; }

    // While the arrows window is open: reports where the pointer moves over the plot square,
    // and marks the detector point it shows with a small marker of its own (not printed).
    void SetProbeTracking(bool on);
    void MarkProbe(double x, double screenY);
    void HideProbe();
    ShapeControl* ProbeMarker = nullptr;

    // Exploring by ear (MainFormProbe.cpp). The plot takes the keyboard's focus through Tab,
    // after the left column, and through View > Probe with Keys; a click on it still places the
    // source. With the focus there, Left and Right move a probe along a screen by a detector
    // step (with Ctrl, by ten), Page Up and Page Down (or Up and Down) to the screen above or
    // below, Home and End to the ends of the screen. The probe is marked as the pointer's point
    // is, the arrows window follows it as it follows the pointer, and what it reads is the
    // plot's accessible description, so that a screen reader says every step.
    struct KeyProbe {
        std::size_t screen = 0;  // into kScreenYs
        double x = 50.0;         // a detector point of the last run, once there is one
    };
    void ProbeWithKeys_Click();
    // Where the keyboard's probe stands: none before the plot first had the focus.
    const std::optional<KeyProbe>& KeyboardProbe() const { return keyProbe_; }
    // View > Sound, off at every start: while it is on and the plot has the focus, a tone whose
    // pitch follows the value at the probe (core's Sonification) sounds, panned with its x.
    void SetSound(bool on);
    bool SoundOn() const { return soundOn_; }
    // Run > Play Screen: the probe's screen (the farthest, 10, before there is a probe) played
    // from x = 0 to x = 100 in three seconds, the same tone swept along it; Stop ends it.
    void PlayScreen_Click();
    // The points a screen of the last run is heard by (`screen` indexes kScreenYs): none before
    // the run has computed it, or where no path reaches the screens.
    std::vector<PlottedPoint> ScreenPoints(std::size_t screen) const;

    // True while a run is being performed.
    bool Running() const { return state_.Running(); }

    // Live: while it is on, every change of what the next run reads (the source placed, a value
    // stepped or typed, the pattern, the detector step) starts a run at once, one at a time,
    // the latest settings winning: a change during a run ends it at its next check and a new
    // run follows. Off whenever the program starts.
    void SetLive(bool on);
    bool Live() const { return live_; }
    // The notice under the plot: what the last run read from a box whose text is not a plain
    // number and whether no path reached the row; in the live mode also what the picture is
    // (coarse while the source moves) or why a change cannot run. Hidden when there is
    // nothing to say; never part of a printed or exported picture.
    QLabel* LiveNotice = nullptr;

    // White light (Run > White Light): while it is on, every run sums white light over its
    // paths (WhiteLight: 31 wavelengths, the typed one standing for 550 nanometres) and draws
    // each point's band in the colour of its light. Like a box's text, only the next run reads
    // it; in the live mode it starts one. Off whenever the program starts.
    void SetWhiteLight(bool on);
    bool InWhiteLight() const { return white_; }

    // The window's title line.
    static QString Caption();

    // The texts of the six boxes and the pattern caption, as a run reads them.
    SettingsTexts TextsOfControls() const;
    // Where the source marker stands: the Left and Top of Source.
    SourcePoint MarkerPosition() const;

    // Sets the controls to a set-up's texts, caption and marker as the user would set them:
    // the boxes typed into, the pattern chosen (the spacing entry enabled unless the pattern is
    // a single mirror) and the marker placed as a click there places it, and the light: white
    // light or the one wavelength. During a run only the next run reads them; in the live mode
    // they start one run.
    void ApplySetup(const SettingsTexts& texts, SourcePoint marker, bool whiteLight = false);

    // Replaces the set-up the window shows with one that was opened, set as ApplySetup sets it.
    // A run under way, of the set-up before, ends at its next check. In the live mode the new
    // set-up's run follows, as after any change; otherwise the plot, the screens' labels and the
    // record of the last run are cleared as they stood at the start, so that no picture, export
    // or probe pairs the curves of one set-up with the values of another.
    void ReplaceSetup(const SettingsTexts& texts, SourcePoint marker, bool whiteLight = false);

    // Where a refused run's reason goes instead of a message box (the command line writes it
    // out); none, the default, shows the box.
    void SetRefusalReporter(std::function<void(const QString& reason)> report);
    // Where each line of a run's notice (RunNotices) goes as well as the window's notice (the
    // command line writes it out); none, the default, leaves it to the notice.
    void SetNoticeReporter(std::function<void(const QString& notice)> report);

    // The window as it stands (the drawing so far, with every control over it), as large as
    // `page` allows with its proportions kept, centred: as shown, or with the plot on white
    // paper (see PrintOnWhite_Click). Print draws with it, and so does every exported picture.
    enum class PrintLook { AsShown, OnWhite };
    void PaintClientArea(QPainter& painter, const QRect& page, PrintLook look);

    // The window the form's dialogs and message boxes belong to: the top-level window it shows
    // in. Scaled down on a small screen, the form lives in a graphics scene, and a dialog of
    // its own would be drawn into the scene instead of standing as a window of its own.
    QWidget* DialogParent();

    // View > Theory: while it is on, the textbook's far-field prediction of the last run is
    // drawn over each finished screen as a thin curve of its own colour, in the units of the
    // screen's band, on a layer over the run's picture (the canvas's overlay), and each
    // finished screen's Fresnel number and regime stand in FresnelLabel below its distance.
    // Turning it on or off draws or takes them away at once, without a run; a run draws them
    // with its screens. Off whenever the program starts; off, the window is as it is without it.
    void SetTheory(bool on);
    bool Theory() const { return theory_; }
    // The prediction of the last run, for the windows beside this one; none without a run or
    // where it is not defined.
    const std::optional<FarField>& TheoryOfLastRun() const { return farField_; }
    std::array<QLabel*, 10> FresnelLabel{};

    // The ruler: Shift and a drag with the left button over the client area measure the line
    // between two points (RulerReading), shown until the next such drag or Esc; it moves no
    // source and starts no run. A Shift and a click without a drag places the source as any
    // left click does.
    RulerOverlay* RulerView = nullptr;
    // Takes the ruler away, here and in the field window.
    void ClearRuler();

    // RunHost.
    void ProcessPendingEvents() override;
    bool ShouldStop() override;
    void DrawScene(const ElementRow& row) override;
    void StartScreen(double screenY) override;
    void PlotPoint(double x, double screenY, int count, double p) override;
    void PlotWhitePoint(double x, double screenY, int count, const WhitePoint& point) override;
    void FinishScreen(double screenY, int count) override;

  signals:
    // The pointer is over the plot square at (x, y), in the frame.
    void pointerOverPlot(double x, double y);
    // A run started, or finished a screen: the record of the last run changed.
    void runRecordChanged();

    // A run has ended (finished, stopped or refused) and Calculate is enabled again.
    void runEnded();

    // What the next run reads may have changed: a box's text, the pattern or the marker.
    void setupChanged();

    // View > Theory was turned on or off.
    void theoryChanged(bool on);
    // Esc: the rulers go, this window's and the field window's.
    void rulerDismissed();
    // White light was turned on or off (SetWhiteLight), by its command or by a set-up.
    void lightChanged(bool white);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // A full run, or one on fewer detector points while the source is dragged.
    enum class RunDetail { Full, Coarse };
    // How long a live run keeps the last picture on the screen before its own shows.
    static constexpr std::chrono::milliseconds kLiveHold{17};
    // How long a dragged source must rest before the full picture of a coarse one follows.
    static constexpr int kSourceRestMs = 120;
    // How long a run computes at most before the window answers again.
    static constexpr std::chrono::milliseconds kRunEventInterval{20};

    // A whole run, from the settings the controls show to the last screen.
    void PerformRun(RunDetail detail);
    // The settings the controls show, with the source captions written from them.
    ExperimentSettings SettingsOfTheRun();
    // The run's plan, the window answering during a long sweep; nothing when a Stop or a change
    // ended the sweep.
    std::optional<Checked<RunPlan>> PlanWhileAnswering(const ExperimentSettings& settings);
    // The scene and the ten screens of a plan, drawn as they are computed.
    RunOutcome DrawRun(RunPlan plan, double gain, RunDetail detail);
    // Calculate enabled again, and the run's end told.
    void EndRun(bool stopped);
    // The plot, the screens' labels and the record as they stand before the first run.
    void ClearRun();
    // Live mode (MainFormLive.cpp).
    void SettingsChanged();
    // What the live mode keeps of a drawn run: how long a full one took, whether the picture is
    // a coarse one.
    void NoteLiveRun(RunDetail detail, RunOutcome outcome, double seconds);
    // The source stopped moving, or was let go: a coarse picture gives way to the full one.
    void SourceRested();
    void ScheduleLiveRun();
    void RunLive();
    void LiveRunEnded();
    void ShowLiveNotice(const QString& text);
    // What the run says beside its picture, shown over what the live mode says.
    void ShowRunNotices(const std::vector<std::string>& lines);
    void ShowNotice();
    static QString CoarsePictureNotice();
    static void ThinForACoarsePicture(std::vector<double>& detectorX);
    void FineStep(Parameter parameter, int notches);

    // The keyboard's probe and the sound (MainFormProbe.cpp).
    void ConnectProbe();
    bool ProbeKey(const QKeyEvent& event);
    // The probe marked, described and heard after it moved, the plot took the focus or the
    // run changed: only a step moves the arrows window's point, and only the user's own doing
    // brings back a tone that Stop silenced.
    enum class ProbeChange { Stepped, Focused, RunChanged };
    void ShowKeyProbe(ProbeChange change);
    ProbeReading ReadProbe() const;
    // What the plot's description says: the probe's reading while the plot has the focus.
    QString PlotAccessibleDescription() const;
    SoundPlayer& Player();
    void FollowProbeWithTone(ProbeChange change);
    // `lasts` until sound is turned off or plays (a device's trouble), else until the next run.
    void ShowSoundNotice(const QString& text, bool lasts = true);

    void PrintWindow(PrintLook look);

    // View > Theory and the ruler (MainFormTheory.cpp).
    void BuildTheoryControls();
    // The prediction and the Fresnel numbers of every finished screen of the last run, drawn
    // afresh (or taken away with Theory off).
    void ShowTheory();
    // Those of the screen just finished.
    void ShowTheoryOfScreen(std::size_t screen);
    void ShowRulerReading();
    // A press, a move and a release of the mouse, each true when it was the ruler's.
    bool RulerPress(QMouseEvent* event);
    bool RulerMove(QMouseEvent* event);
    bool RulerRelease(QMouseEvent* event);
    // One of the five parameters a label steps by ten and a box asks for in a dialog: its
    // controls, the prompt of its dialog and the event procedures its controls call.
    struct ParameterControls {
        Parameter parameter;
        ClickLabel* MainForm::*label;
        ClickLineEdit* MainForm::*box;
        const char* prompt;
        void (MainForm::*dialogProcedure)();
        void (MainForm::*stepProcedure)(short button, short shift, float x, float y);
    };
    static const std::array<ParameterControls, 5> kParameterControls;
    static const ParameterControls& ControlsOf(Parameter parameter);

    void BuildControls();
    void ConnectEvents();
    void ConnectParameterControls();
    void PutSource0BesideSource();
    void ShowSourceCaptions(SourcePoint source);
    // Gives the controls whose captions change the names a screen reader hears, from what they
    // show now; called whenever a caption changes.
    void DescribeCaptions();
    // The dialog of a parameter's box: its answer replaces the box's text.
    void AskForParameter(Parameter parameter);
    // A button released over a parameter's label: its box's value stepped by ten.
    void StepParameter(Parameter parameter, short button);
    void ShowRefusal(const QString& reason);

    std::function<void(const QString&)> reportRefusal_;
    std::function<void(const QString&)> reportNotice_;
    QString runNotice_;   // of the last run
    QString liveNotice_;  // of the live mode
    QtPlotCanvas* canvas_ = nullptr;
    std::optional<RunPicture> picture_;
    RunRecord record_;
    RunState state_;
    QString plotToolTip_;
    bool activated_ = false;

    bool white_ = false;  // white light
    bool live_ = false;
    bool liveWanted_ = false;     // a change is waiting for its run
    bool liveScheduled_ = false;  // a live run is due from the event loop
    bool dragging_ = false;       // the left button holds the source
    SourcePoint dragStart_;       // where the press that began the drag placed it
    bool coarseShown_ = false;
    double fullRunSeconds_ = 0.0;  // the last full run that finished
    QTimer* restTimer_ = nullptr;  // the source has rested: the full picture follows
    QElapsedTimer sinceSourceMoved_;

    bool theory_ = false;
    std::optional<FarField> farField_;  // of the last run
    bool rulerPressed_ = false;         // Shift and the left button went down in the client area
    bool measuring_ = false;            // and the pointer has moved far enough for a drag
    QPointF rulerPress_;                // where, in pixels
    std::optional<KeyProbe> keyProbe_;
    bool soundOn_ = false;
    SoundPlayer* player_ = nullptr;  // made when first asked to sound
    QString soundNotice_;            // why nothing can be heard, while it is shown
    QString soundTrouble_;           // what the player said of its device, kept
    bool soundNoticeLasts_ = false;
};

}  // namespace pathsum
