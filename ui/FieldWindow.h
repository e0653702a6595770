#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "Field.h"
#include "FieldPicture.h"
#include "FieldPictureView.h"
#include "RunPlan.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace pathsum {

class FieldColourBar;
class MainForm;

// "Field of Light": p / N^2 of the last run's paths at every pixel of the plot square or of a
// part of it, from the program's engine (FieldEngine), coarse first and then refined to every
// pixel in slices of a few milliseconds between which the program answers its user. A new run
// of the main window starts the field afresh (once the run has ended: the two never compute at
// once); a new view or size starts the refinement afresh with the same engine. The pointer over
// the field chooses the point the Arrows at a Point window shows. The picture and the numbers
// of a complete field can be saved.
// "Waves" shows the field as waves in time (FieldWaves): every pixel's sum turned as time
// passes, a period a second at the normal speed, on a timer at the screen's frame rate that
// runs only while the waves are seen (not hidden, minimised, paused or another map). The frames
// come from the sums of the picture on screen, and go on from the last picture while a new
// run's field is on its way; the refinement computes between them.
class FieldWindow : public QWidget {
    Q_OBJECT

  public:
    explicit FieldWindow(MainForm* form, QWidget* parent = nullptr);
    ~FieldWindow() override;

    const FieldView& View() const { return view_; }
    // Shows `view` as WithinTheSquare makes it.
    void SetView(FieldView view);
    // Zooms by `factor` (above 1: in) keeping the plot point (x, y) where it stands.
    void ZoomAt(double x, double y, double factor);
    void PanBy(double dx, double dy);
    void ShowWholeSquare();

    void SetColours(FieldColours colours);
    void SetLogarithmic(bool logarithmic);

    // The waves: shown instead of the map of p or not, paused, their speed (1 the normal: a
    // period a second), the time of the frame on screen (in periods) and how many frames have
    // been shown.
    void ShowWaves(bool shown);
    bool WavesShown() const;
    void SetWavesPaused(bool paused);
    bool WavesPaused() const;
    void SetWaveSpeed(double speed);
    double WaveSpeed() const;
    double WavePeriods() const { return periods_; }
    long long WaveFrames() const { return waveFrames_; }
    // Whether the waves' timer runs: only while someone can see them move.
    bool WavesMoving() const;
    // The run whose field the picture on screen shows, if any.
    const RunPlan* PictureRun() const { return shown_.plan.get(); }

    // The refinement of the view shown, once there is a run with paths; complete once every
    // pixel is computed.
    const FieldRefinement* Refinement() const { return refinement_.get(); }
    bool Complete() const;
    // What the window says: how far the field is, where the pointer is, and whether the
    // fringes are finer than the pixels.
    QString Status() const;
    QString PointerText() const;
    QString Notice() const;

    // Saves the picture as the window shows it (PNG), or the numbers of every pixel (CSV);
    // false, with a message box, when it cannot.
    bool SavePicture(const QString& path);
    bool SaveNumbers(const QString& path);

    FieldPictureView* Picture() const { return picture_; }
    // Reports a pointer at the plot point (x, y): the point the arrows window shows.
    void PointAt(double x, double y);
    void MarkProbe(double x, double y);
    void HideProbe();

  signals:
    void pointerOverField(double x, double y);
    void closed();
    // The waves are shown at time `periods`, a frame of them on screen; or not shown.
    void wavesAt(double periods);
    void wavesStopped();

  public:
    // Says the waves' state again (wavesAt or wavesStopped), for a window that follows them
    // from now on.
    void TellWaves();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // The keyboard's probe over the field (the keys the picture leaves move the probed point),
    // and Space, which pauses and resumes the waves.
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The main window's last run changed: a run with other paths starts the field afresh.
    void FollowRun();
    // A new refinement of the view at the picture's size.
    void Restart();
    void ScheduleSlice();
    void Slice();
    // A refinement no longer wanted is destroyed, the room of its sums kept for the next one
    // unless the picture on screen still shows it; the picture's own, once another replaces it.
    void Drop(std::shared_ptr<FieldRefinement>& refinement);
    void ReleaseShown();
    // The main window's run ended: the field may compute again.
    void RunEnded();
    // A picture of the refinement: it becomes the one on screen.
    void ShowPicture();
    // The picture on screen painted again, in the map chosen (the waves at their time).
    void PaintShown();
    void ShowScale();
    // The waves: the timer started or stopped as they can be seen or not, and one frame.
    void UpdateWaveTimer();
    void WaveFrame();
    void WavesChosen();
    void ShowNotice();
    void ShowStatus();
    void SavePicture_Click();
    void SaveNumbers_Click();
    // Asks where in a file dialog, then saves there.
    void AskAndSave(const QString& title, const QString& name, const QString& filter,
                    bool (FieldWindow::*save)(const QString&));
    void ReportFailure(const QString& message);
    // Why the field cannot be saved to `path` yet: it is not computed at every pixel.
    std::optional<QString> NotComplete(const QString& path) const;
    FieldGrid GridOfTheView() const;
    // With Theory on, the textbook's lines of the last run over the field; none with it off.
    void ShowGuides();
    // What the ruler over the field reads, with the textbook's spacing while Theory is on.
    void ShowRulerReading();

    // White light: the field in true colour, each pixel as bright as its white value stands on
    // the scale and in the colour of its light; the colour bar is then the brightness's, grey.
    bool InTrueColour() const;
    // The colours the picture and its bar are painted in: true colour's grey in white light,
    // else the chosen map.
    FieldColours ColoursShown() const;
    // What the caption says of the last run.
    QString RunCaption() const;
    // With the picture focused, Left and Right move the probed point by a pixel (with Ctrl, by
    // ten), Up and Down by a pixel's row (with Ctrl, ten), Page Up and Page Down by ten units of
    // the plot, a screen's spacing, from where the pointer or the keys left it (the middle of
    // the view at first): reported as the pointer's point is (PointAt), and marked. Home keeps
    // showing the whole square. False for any other key.
    bool ProbeKey(const QKeyEvent& event);

    MainForm* form_;
    FieldPictureView* picture_;
    FieldColourBar* bar_;
    QComboBox* colours_;
    QComboBox* waveSpeed_;
    QPushButton* wavesPause_;
    QCheckBox* logarithmic_;
    QPushButton* whole_;
    QPushButton* savePicture_;
    QPushButton* saveNumbers_;
    QLabel* caption_;
    QLabel* status_;
    QLabel* pointer_;
    QLabel* notice_;
    QTimer* timer_;
    QTimer* waveTimer_;
    QElapsedTimer sincePicture_;
    QElapsedTimer sinceWaveFrame_;
    QElapsedTimer sinceRunEnded_;
    std::vector<std::uint32_t> pixels_;  // the last picture's pixels, their room used again
    double periods_ = 0.0;               // the waves' time, in periods, from 0 to 1
    long long waveFrames_ = 0;
    QString pictureToolTip_;  // while a probe is marked

    FieldView view_;
    // Destroyed in the reverse order: the refinement reads the engine, the engine the plan.
    std::shared_ptr<const RunPlan> plan_;
    std::shared_ptr<FieldEngine> engine_;
    std::shared_ptr<FieldRefinement> refinement_;
    bool pictureOfThisRefinement_ = false;
    // What the picture on screen was made from: kept, while a new run's field or a new view is
    // on its way, for the waves to go on moving and a map to be chosen. Released refinement
    // first (ReleaseShown), as the members above.
    struct Shown {
        std::shared_ptr<const RunPlan> plan;
        std::shared_ptr<FieldEngine> engine;
        std::shared_ptr<FieldRefinement> refinement;
    };
    Shown shown_;
    // The room of the sums of the last refinement dropped, for the next one.
    FieldRefinement::Room room_;
};

}  // namespace pathsum
