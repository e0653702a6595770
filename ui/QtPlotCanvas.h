#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

#include "PlotCanvas.h"

namespace pathsum {

// The drawing surface of the main window: a widget covering the whole client area that keeps
// everything drawn in a backing image at the screen's device pixel ratio, so the drawing
// survives covering and stays crisp on high-DPI screens. Drawing calls are queued and painted
// into the image in batches, when the widget paints or when the image is asked for.
class QtPlotCanvas : public QWidget, public PlotCanvas {
    Q_OBJECT

  public:
    explicit QtPlotCanvas(QWidget* parent = nullptr);

    void Clear() override;
    void Line(float x1, float y1, float x2, float y2, Rgb colour, LineKind kind) override;

    // The drawing as it stands, every queued operation included, in device pixels: as many to
    // a logical pixel as the screen and the display scale give.
    const QImage& Image();

    // The scale the window shows the client area at, below 1 on a screen too small for it:
    // the backing image then keeps its drawing at the resolution it is shown at.
    void SetDisplayScale(double scale);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct PendingLine {
        QPointF from;
        QPointF to;
        Rgb colour;
        LineKind kind;
    };

    void EnsureImage();
    void FlushPending();

    QImage image_;  // in device pixels: imageScale_ of them to a logical pixel
    double imageScale_ = 1.0;
    double displayScale_ = 1.0;
    std::vector<PendingLine> pending_;
};

}  // namespace pathsum
