#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstddef>

#include "PlotCanvas.h"
#include "PlotDisplayList.h"

namespace pathsum {

// The drawing surface of the main window: a widget covering the whole client area that keeps
// everything drawn in a backing image at the screen's device pixel ratio, so the drawing
// survives covering and stays crisp on high-DPI screens. Drawing calls are kept in a display
// list and painted into the image in batches: once a frame, when a repaint is asked for (the
// painting tells where pixels changed), when the widget paints, or when the image is asked
// for; the display list also lets the drawing be painted again at another resolution, for a
// printer.
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

    // Shows what has been drawn at the next paint, however recently the canvas painted: the
    // end of a run is not left waiting for the next frame. Ends a hold.
    void ShowNow();

    // Keeps the picture as it stands on the screen while the drawing goes on underneath, until
    // ShowNow() or until `atMost` has passed: a new run replaces the last picture without an
    // empty plot in between.
    void HoldPicture(std::chrono::milliseconds atMost);
    bool Holding() const { return !held_.isNull(); }

    // The plot background on the screen.
    static QColor Background();

    // Paints the client area onto `painter`, in its logical pixels: the background in
    // `background`, then everything drawn since the last Clear() (a run in progress included)
    // as PlotDisplayList::Paint does with `ink` and `penWidth`.
    void Replay(QPainter& painter, const QColor& background, PlotDisplayList::InkFor ink,
                double penWidth) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // While the plot has the keyboard's focus; never part of a picture (see Replay).
    void PaintFocusFrame(QPainter& painter) const;
    void EnsureImage();
    // Paints the lines not yet in the image into it, and notes where pixels changed.
    void FlushPending();
    // Asks for a repaint of `area` (logical pixels) with the next one.
    void RequestRepaint(const QRect& area);
    // Asks for a repaint of what changed, now if the last one was asked for a frame ago or
    // more, else when that frame has passed.
    void ScheduleRepaint();
    void RepaintDirty();

    void ReleasePicture();

    QImage image_;  // in device pixels: imageScale_ of them to a logical pixel
    QImage held_;   // what the screen shows during a hold
    QTimer holdTimer_;
    double imageScale_ = 1.0;
    double displayScale_ = 1.0;
    PlotDisplayList drawing_;
    // Lines of drawing_ from here on are not in image_ yet.
    std::size_t painted_ = 0;
    // Where the image changed since the last repaint was asked for, and since the last Clear(),
    // in logical pixels. During a run the window repaints at most once a frame, and only where
    // pixels changed: where lines went, not where the controls of the side columns stand.
    QRect dirty_;
    QRect drawn_;
    // A repaint waits for its frame.
    bool repaintScheduled_ = false;
    QElapsedTimer sinceRepaint_;
    QTimer frame_;
};

}  // namespace pathsum
