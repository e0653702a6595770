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
    // as PlotDisplayList::Paint does with `ink` and `penWidth`, then the overlay in
    // `overlayInk`.
    void Replay(QPainter& painter, const QColor& background, PlotDisplayList::InkFor ink,
                PlotDisplayList::InkFor overlayInk, double penWidth) const;

    // A layer over the drawing for what is shown beside a run's picture but is no part of it
    // (the textbook's prediction): drawn on through Overlay(), cleared by its own Clear() and
    // by nothing else, shown over the drawing on the screen and in Replay(), never in Image().
    // A change of it shows within a frame, without anything of the drawing painted again.
    PlotCanvas& Overlay() { return overlay_; }
    bool OverlayEmpty() const { return overlayDrawing_.Size() == 0; }

    // Hands every line drawn since the last Clear() to `canvas`, in order, after a Clear(): the
    // drawing as the canvas was given it, without the overlay.
    void Redraw(PlotCanvas& canvas) const;

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

    // The overlay's canvas: its lines go to the overlay's display list.
    class OverlayCanvas : public PlotCanvas {
      public:
        explicit OverlayCanvas(QtPlotCanvas& owner) : owner_(owner) {}
        void Clear() override { owner_.ClearOverlay(); }
        void Line(float x1, float y1, float x2, float y2, Rgb colour, LineKind kind) override {
            owner_.OverlayLine(x1, y1, x2, y2, colour, kind);
        }

      private:
        QtPlotCanvas& owner_;
    };
    void ClearOverlay();
    void OverlayLine(float x1, float y1, float x2, float y2, Rgb colour, LineKind kind);
    // Paints the overlay's lines not yet in its image into it, and notes where pixels changed.
    void FlushOverlay();
    // The overlay's image as it stands over `shown`: what a hold keeps.
    QImage WithOverlay(const QImage& shown);

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

    OverlayCanvas overlay_{*this};
    PlotDisplayList overlayDrawing_;
    QImage overlayImage_;  // transparent but for the overlay's lines, as image_ is scaled
    std::size_t overlayPainted_ = 0;
    QRect overlayDrawn_;
    // A repaint waits for its frame.
    bool repaintScheduled_ = false;
    QElapsedTimer sinceRepaint_;
    QTimer frame_;
};

}  // namespace pathsum
