#pragma once

#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

#include "FarField.h"
#include "Field.h"
#include "FieldPicture.h"
#include "Ruler.h"

namespace pathsum {

// The strip above the field where the element row is drawn, in pixels; the colour bar beside
// the picture starts below it too.
inline constexpr int kFieldRowStrip = 6;

// The field as it is shown: the last picture in the view it was computed for, moved and scaled
// into the view asked for until the picture of that view comes, the lines over it and the
// probed point. The wheel zooms about the pointer, a drag with the left button pans, a move
// reports the point of the plot under the pointer.
class FieldPictureView : public QWidget {
    Q_OBJECT

  public:
    explicit FieldPictureView(QWidget* parent = nullptr);

    // The square the view takes, in the widget's pixels, below the strip of the element row.
    QRect Square() const;
    // The plot point at a point of the widget, and the widget point of a plot point.
    QPointF PlotPoint(QPointF at) const;
    QPointF WidgetPoint(double x, double y) const;

    void SetView(const FieldView& view);
    // A picture of the pixels of `view`, with the lines over it.
    void ShowPicture(QImage picture, const FieldView& view, std::vector<FieldMark> marks);
    void ClearPicture();
    // The picture shown now, pixel for pixel.
    const QImage& ShownPicture() const { return picture_; }
    void MarkProbe(double x, double y);
    void HideProbe();
    std::optional<QPointF> Probe() const { return probe_; }
    // While a picture of the window is taken for a file, the probed point and the ruler are
    // left out.
    void SetProbeShown(bool shown);

    QSize sizeHint() const override { return {540, 546}; }

    // The textbook's lines over the field (GuideLines), dashed, each order labelled with its m;
    // none to take them away.
    void SetGuides(std::vector<GuideLine> guides);
    const std::vector<GuideLine>& Guides() const { return guides_; }

    // The ruler: Shift and a drag with the left button measure a line of the plot, shown with
    // the reading it is given (SetRulerReading) until the next such drag or ClearRuler().
    std::optional<RulerEnds> Ruler() const { return ruler_; }
    void SetRulerReading(const QStringList& reading);
    void ClearRuler();

  signals:
    // By `factor` about the plot point (x, y): the wheel about the pointer, + and - about the
    // centre of the view.
    void zoomed(double x, double y, double factor);
    void panned(double dx, double dy);
    void pointerMoved(double x, double y);
    // The ruler was drawn anew: its reading is wanted.
    void rulerMoved(RulerEnds ends);
    void resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void DrawMarks(QPainter& painter) const;
    void DrawGuides(QPainter& painter) const;
    void DrawRuler(QPainter& painter) const;

    FieldView view_;
    QImage picture_;
    FieldView pictureView_;
    std::vector<FieldMark> marks_;
    std::optional<QPointF> probe_;
    bool probeShown_ = true;
    std::optional<QPointF> dragFrom_;  // the widget point a drag last stood at

    std::vector<GuideLine> guides_;
    std::optional<QPointF> rulerPress_;  // the widget point Shift and the button went down at
    bool measuring_ = false;
    std::optional<RulerEnds> ruler_;
    QStringList rulerReading_;
    bool rulerShown_ = true;
};

}  // namespace pathsum
