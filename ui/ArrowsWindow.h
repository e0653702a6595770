#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "ArrowChain.h"
#include "ArrowDrawing.h"

class QCheckBox;
class QGridLayout;
class QLabel;

namespace pathsum {

class MainForm;

// The picture of one chain, drawn through the arrow drawing of display/.
class ArrowPictureView : public QWidget {
    Q_OBJECT

  public:
    explicit ArrowPictureView(QWidget* parent = nullptr);

    // Shows `chain` (kept by the caller), or nothing.
    void Show(const ArrowChain* chain, bool elementResultants);
    // Where the last picture put the chain.
    const ArrowPlacement& Placement() const { return placement_; }
    // The chain turned by the waves' turn of the instant, or standing still.
    void SetTurn(std::optional<WaveTurn> turn);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const ArrowChain* chain_ = nullptr;
    bool elementResultants_ = false;
    ArrowPlacement placement_;
    std::optional<WaveTurn> turn_;
};

// "Arrows at a Point": while it is open, the pointer over the plot chooses a detector point of
// the last run (the nearest screen, then the nearest point on it), and the window shows the
// arrows of its paths head to tail, their resultant and the numbers behind the plotted value.
// The pointer over the field of light chooses any point below the row. The point's numbers say
// where it is as the main window's labels do: its Y below the row (a screen's distance) and its
// X from the centre. The main window marks the point. "Hold" keeps the point while the pointer
// moves on. While the field of light shows its waves, the chain turns with them: every arrow
// by the same angle as the field's pixels at the same instant, and the resultant's projection on
// the horizontal axis is the value the probed point's pixel shows.
class ArrowsWindow : public QWidget {
    Q_OBJECT

  public:
    explicit ArrowsWindow(MainForm* form, QWidget* parent = nullptr);

    // Probes the detector point nearest to the plot point (x, y), unless held.
    void ProbeAt(double x, double y);
    // Probes the point (x, y) itself, any point below the row, unless held.
    void ProbePointOfThePlane(double x, double y);

    bool Held() const;
    void SetHeld(bool held);

    // The field's waves at time `periods` (in periods): the chain turns with them. Standing
    // still, as when the waves are not shown.
    void TurnWithWaves(double periods);
    void StandStill();
    // The time the chain is turned to, while it turns.
    std::optional<double> WavePeriods() const { return wavePeriods_; }
  signals:
    void closed();
    // The point whose chain the window shows now, or none.
    void pointProbed(double x, double y);
    void probeCleared();

  public:
    // The detector point probed, if any; the chain shown, if any.
    const ProbePoint* Probed() const { return probed_ && !planePoint_ ? &probe_ : nullptr; }
    const ArrowChain* Chain() const { return shown_ ? &chain_ : nullptr; }
    QString Message() const;
    ArrowPictureView* Picture() const { return picture_; }
    // Each number the window shows, by its name.
    QString NumberText(const QString& name) const;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Probe(double x, double y, bool planePoint);
    void Refresh();
    // Marks the point in the main window and says so; clears the mark.
    void MarkProbe(double x, double y);
    void ClearProbe();
    void ShowMessage(const QString& message);
    void ShowNumbers(const std::vector<ChainNumber>& numbers);
    // The width of the numbers: the widest name and the widest number.
    int NumbersWidth() const;
    // With Theory on, `numbers` with what the textbook says of the point (x, y) beside the
    // computed p / N^2: the far-field prediction and the Fresnel number at its distance.
    std::vector<ChainNumber> WithTheory(std::vector<ChainNumber> numbers, double x, double y) const;
    // The chain turned to the waves' time, with the number of its projection; or standing.
    void ShowTurn();

    MainForm* form_;
    ArrowPictureView* picture_;
    QCheckBox* resultants_;
    QCheckBox* hold_;
    QLabel* message_;
    QLabel* wave_;  // the projection's number while the chain turns
    QGridLayout* numbers_;
    std::vector<std::pair<QLabel*, QLabel*>> numberLabels_;
    double pointerX_ = 0.0;  // where the pointer chose the point, in the plot frame
    double pointerY_ = 0.0;
    bool pointed_ = false;
    bool planePoint_ = false;  // the pointer chose a point of the field, not of a screen
    ProbePoint probe_;
    bool probed_ = false;
    ArrowChain chain_;
    bool shown_ = false;
    std::optional<double> wavePeriods_;
};

}  // namespace pathsum
