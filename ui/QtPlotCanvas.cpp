#include "QtPlotCanvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <utility>

#include "PlotFrame.h"

namespace pathsum {
namespace {

// The plot background is black whatever the desktop theme: the drawing is white and grey, and
// a light theme colour would swallow it.
constexpr QRgb kBackground = qRgb(0, 0, 0);

// The shortest time between two repaints of the drawing: a frame of the screen, about.
constexpr int kFrameMs = 30;

// Lines that wait to be painted into the image at most; painting in bounded batches keeps
// every paint of the widget short, however long it was hidden while a run drew.
constexpr std::size_t kMaxPending = 4096;

}  // namespace

QColor QtPlotCanvas::Background() {
    return QColor::fromRgb(kBackground);
}

QtPlotCanvas::QtPlotCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(PlotFrame::kClientWidth, PlotFrame::kClientHeight);
    frame_.setSingleShot(true);
    connect(&frame_, &QTimer::timeout, this, &QtPlotCanvas::RepaintDirty);
    holdTimer_.setSingleShot(true);
    connect(&holdTimer_, &QTimer::timeout, this, &QtPlotCanvas::ReleasePicture);
    sinceRepaint_.start();
}

void QtPlotCanvas::RequestRepaint(const QRect& area) {
    dirty_ |= area;
    if (!repaintScheduled_) {
        ScheduleRepaint();
    }
}

void QtPlotCanvas::ScheduleRepaint() {
    repaintScheduled_ = true;
    const qint64 wait = kFrameMs - sinceRepaint_.elapsed();
    if (wait <= 0) {
        RepaintDirty();
    } else {
        frame_.start(static_cast<int>(wait));
    }
}

void QtPlotCanvas::RepaintDirty() {
    frame_.stop();
    repaintScheduled_ = false;
    // Painting the lines now tells where they changed the picture; the paint that follows
    // has nothing left to paint into the image.
    FlushPending();
    // The next batch waits a frame whatever this one changed: lines that change no pixel, or
    // a picture held on the screen, must not make every line a batch of its own.
    sinceRepaint_.restart();
    if (!dirty_.isEmpty() && held_.isNull()) {
        update(dirty_);
        dirty_ = QRect();
    }
}

void QtPlotCanvas::ShowNow() {
    ReleasePicture();
    RepaintDirty();
}

void QtPlotCanvas::HoldPicture(std::chrono::milliseconds atMost) {
    FlushPending();
    // Shared until the drawing writes into the image; with the overlay, a picture of its own.
    held_ = OverlayEmpty() ? image_ : WithOverlay(image_);
    holdTimer_.start(atMost);
}

QImage QtPlotCanvas::WithOverlay(const QImage& shown) {
    QImage both = shown.copy();
    QPainter painter(&both);
    painter.drawImage(0, 0, overlayImage_);
    return both;
}

void QtPlotCanvas::ReleasePicture() {
    holdTimer_.stop();
    if (held_.isNull()) {
        return;
    }
    held_ = QImage();
    // Whatever the run drew meanwhile, and what it cleared, shows at once.
    dirty_ = QRect();
    update();
}

void QtPlotCanvas::EnsureImage() {
    const qreal ratio = devicePixelRatioF() * displayScale_;
    const QSize wanted = (QSizeF(size()) * ratio).toSize();
    if (image_.size() == wanted && imageScale_ == ratio) {
        return;
    }
    // A new ratio (the window moved to another screen) keeps what was drawn, rescaled.
    QImage fresh(wanted, QImage::Format_RGB32);
    fresh.fill(kBackground);
    if (!image_.isNull()) {
        QPainter painter(&fresh);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(wanted)), image_);
    }
    image_ = std::move(fresh);
    imageScale_ = ratio;
    // The overlay is painted afresh from its lines at the new resolution.
    overlayImage_ = QImage(wanted, QImage::Format_ARGB32_Premultiplied);
    overlayImage_.fill(Qt::transparent);
    overlayPainted_ = 0;
    update();
}

void QtPlotCanvas::SetDisplayScale(double scale) {
    displayScale_ = scale;
    FlushPending();
    EnsureImage();
    update();
}

void QtPlotCanvas::Clear() {
    // Lines not yet painted into the image were never shown, so only where the image changed
    // does the picture change; the controls elsewhere, the side columns above all, need no
    // repaint.
    drawing_.Clear();
    painted_ = 0;
    EnsureImage();
    image_.fill(kBackground);
    RequestRepaint(std::exchange(drawn_, QRect()));
}

void QtPlotCanvas::Line(float x1, float y1, float x2, float y2, Rgb colour, LineKind kind) {
    drawing_.Add(x1, y1, x2, y2, colour, kind);
    if (drawing_.Size() - painted_ >= kMaxPending) {
        FlushPending();
    }
    if (!repaintScheduled_) {
        ScheduleRepaint();
    }
}

void QtPlotCanvas::FlushPending() {
    EnsureImage();
    FlushOverlay();
    if (painted_ == drawing_.Size()) {
        return;
    }
    QRect changed;
    if (imageScale_ == 1.0) {
        changed = drawing_.PaintOnScreenImage(image_, painted_, drawing_.Size());
    } else {
        QPainter painter(&image_);
        // The scale is applied here rather than through the image's pixel ratio, which
        // painters ignore below 1; there a line of one logical pixel would be drawn faint, so
        // it is kept one device pixel wide.
        painter.scale(imageScale_, imageScale_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        drawing_.Paint(painter, painted_, drawing_.Size(), nullptr,
                       imageScale_ < 1.0 ? 1.0 / imageScale_ : 1.0);
        changed = drawing_.PaintedArea(painted_, drawing_.Size(), rect());
    }
    painted_ = drawing_.Size();
    dirty_ |= changed;
    drawn_ |= changed;
}

void QtPlotCanvas::ClearOverlay() {
    overlayDrawing_.Clear();
    overlayPainted_ = 0;
    if (!overlayImage_.isNull()) {
        overlayImage_.fill(Qt::transparent);
    }
    RequestRepaint(std::exchange(overlayDrawn_, QRect()));
}

void QtPlotCanvas::OverlayLine(float x1, float y1, float x2, float y2, Rgb colour, LineKind kind) {
    overlayDrawing_.Add(x1, y1, x2, y2, colour, kind);
    if (!repaintScheduled_) {
        ScheduleRepaint();
    }
}

void QtPlotCanvas::FlushOverlay() {
    if (overlayPainted_ == overlayDrawing_.Size()) {
        return;
    }
    QPainter painter(&overlayImage_);
    painter.scale(imageScale_, imageScale_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    overlayDrawing_.Paint(painter, overlayPainted_, overlayDrawing_.Size(), nullptr,
                          imageScale_ < 1.0 ? 1.0 / imageScale_ : 1.0);
    const QRect changed =
        overlayDrawing_.PaintedArea(overlayPainted_, overlayDrawing_.Size(), rect());
    overlayPainted_ = overlayDrawing_.Size();
    dirty_ |= changed;
    overlayDrawn_ |= changed;
}

void QtPlotCanvas::Redraw(PlotCanvas& canvas) const {
    canvas.Clear();
    drawing_.Redraw(canvas);
}

const QImage& QtPlotCanvas::Image() {
    FlushPending();
    return image_;
}

void QtPlotCanvas::Replay(QPainter& painter, const QColor& background, PlotDisplayList::InkFor ink,
                          PlotDisplayList::InkFor overlayInk, double penWidth) const {
    painter.save();
    painter.fillRect(rect(), background);
    drawing_.Paint(painter, 0, drawing_.Size(), ink, penWidth);
    overlayDrawing_.Paint(painter, 0, overlayDrawing_.Size(), overlayInk, penWidth);
    painter.restore();
}

void QtPlotCanvas::paintEvent(QPaintEvent* event) {
    FlushPending();
    QPainter painter(this);
    const QImage& shown = held_.isNull() ? image_ : held_;
    // The image has imageScale_ pixels to a logical pixel, as many as the screen shows there,
    // so whole image pixels are copied onto whole device pixels: a source rectangle cut at
    // fractional pixels would be blurred by the scaled painter of a scaled window.
    const QRect source = QRectF(QPointF(event->rect().topLeft()) * imageScale_,
                                QSizeF(event->rect().size()) * imageScale_)
                             .toAlignedRect()
                             .intersected(shown.rect());
    const QRectF target(QPointF(source.topLeft()) / imageScale_,
                        QSizeF(source.size()) / imageScale_);
    painter.drawImage(target, shown, source);
    // A held picture has the overlay of its moment in it.
    if (held_.isNull() && !OverlayEmpty()) {
        painter.drawImage(target, overlayImage_, source);
    }
    if (hasFocus()) {
        PaintFocusFrame(painter);
    }
}

void QtPlotCanvas::PaintFocusFrame(QPainter& painter) const {
    // Around the plot square, clear of its lines and of the labels beside it: the keys of the
    // probe act on the plot while it has the keyboard's focus.
    constexpr int kGap = 2;
    const QRectF square(QPointF(PlotFrame::PixelX(0.0), PlotFrame::PixelY(100.0)),
                        QPointF(PlotFrame::PixelX(100.0), PlotFrame::PixelY(0.0)));
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight), 2.0);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square.adjusted(-kGap - 1, -kGap - 1, kGap + 1, kGap + 1));
}

}  // namespace pathsum
