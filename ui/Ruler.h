#pragma once

#include <QPointF>
#include <QStringList>
#include <QWidget>
#include <optional>

class QPainter;

namespace pathsum {

class FarField;

// A line measured between two points of the plot, in the plot's own x and y.
struct RulerEnds {
    QPointF from;
    QPointF to;
};

// What the ruler says, a line each, in plot units and as the labels count a point (X across,
// Y down from the row): its dX and dY, its length and its angle from the vertical (positive
// when it leans towards +X going down). With the textbook (`theory`, the last run's), also the
// spacing of neighbouring bright fringes the textbook predicts at the distance below the row of
// the ruler's middle, or that one element has no fringes of that kind.
QStringList RulerReading(const RulerEnds& ends, const FarField* theory);

// The ruler drawn with `painter`: its line, with a short bar across each end, and its reading
// in a box beside its end, kept within `within`; `from` and `to` in the painter's pixels.
void PaintRuler(QPainter& painter, QPointF from, QPointF to, const QStringList& reading,
                const QRectF& within);

// Whether a press at `press` and the pointer now at `now` (pixels) make a drag.
bool IsDrag(QPointF press, QPointF now);

// The ruler over the main window's plot: a layer over the whole client area that the mouse
// passes through, drawn only while there is a ruler. It belongs to the moment: no picture of
// the window and no printout shows it.
class RulerOverlay : public QWidget {
    Q_OBJECT

  public:
    explicit RulerOverlay(QWidget* parent);

    void Show(const RulerEnds& ends, const QStringList& reading);
    std::optional<RulerEnds> Ends() const { return ends_; }
    QStringList Reading() const { return reading_; }
    void Clear();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<RulerEnds> ends_;
    QStringList reading_;
};

}  // namespace pathsum
