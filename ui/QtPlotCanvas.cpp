#include "QtPlotCanvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "PlotFrame.h"

namespace pathsum {
namespace {

// The plot background is black whatever the desktop theme: the drawing is white and grey, and
// a light theme colour would swallow it.
constexpr QRgb kBackground = qRgb(0, 0, 0);

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// Logical pixel of a frame point. Values far outside the window are clamped well outside it,
// so that a huge curve value still draws as a clipped line instead of overflowing the raster.
QPointF ToPixel(float x, float y) {
    constexpr double kLimit = 1e6;
    const double px = std::clamp(PlotFrame::PixelX(x), -kLimit, kLimit);
    const double py = std::clamp(PlotFrame::PixelY(y), -kLimit, kLimit);
    return {std::isnan(px) ? -kLimit : px, std::isnan(py) ? -kLimit : py};
}

}  // namespace

QtPlotCanvas::QtPlotCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(PlotFrame::kClientWidth, PlotFrame::kClientHeight);
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
}

void QtPlotCanvas::Clear() {
    pending_.clear();
    EnsureImage();
    image_.fill(kBackground);
    update();
}

void QtPlotCanvas::Line(float x1, float y1, float x2, float y2, Rgb colour, LineKind kind) {
    pending_.push_back({ToPixel(x1, y1), ToPixel(x2, y2), colour, kind});
    // Bounded queue: a run drawing while the window is hidden must not keep it all in memory.
    constexpr std::size_t kMaxPending = 4096;
    if (pending_.size() >= kMaxPending) {
        FlushPending();
    }
    update();
}

void QtPlotCanvas::FlushPending() {
    EnsureImage();
    if (pending_.empty()) {
        return;
    }
    QPainter painter(&image_);
    // The scale is applied here rather than through the image's pixel ratio, which painters
    // ignore below 1.
    painter.scale(imageScale_, imageScale_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const PendingLine& line : pending_) {
        const QColor colour = ToQColor(line.colour);
        QPen pen(colour, 1.0);
        // Scaled below 1, a line of one logical pixel would be drawn faint; it stays one device
        // pixel wide instead.
        pen.setCosmetic(imageScale_ < 1.0);
        painter.setPen(pen);
        if (line.kind == LineKind::Box) {
            painter.setBrush(colour);
            painter.drawRect(QRectF(line.from, line.to).normalized());
            painter.setBrush(Qt::NoBrush);
        } else {
            painter.drawLine(line.from, line.to);
        }
    }
    pending_.clear();
}

void QtPlotCanvas::SetDisplayScale(double scale) {
    displayScale_ = scale;
    FlushPending();
    EnsureImage();
    update();
}

const QImage& QtPlotCanvas::Image() {
    FlushPending();
    return image_;
}

void QtPlotCanvas::paintEvent(QPaintEvent* event) {
    FlushPending();
    QPainter painter(this);
    // The image has imageScale_ pixels to a logical pixel, as many as the screen shows there,
    // so whole image pixels are copied onto whole device pixels: a source rectangle cut at
    // fractional pixels would be blurred by the scaled painter of a scaled window.
    const QRect source = QRectF(QPointF(event->rect().topLeft()) * imageScale_,
                                QSizeF(event->rect().size()) * imageScale_)
                             .toAlignedRect()
                             .intersected(image_.rect());
    const QRectF target(QPointF(source.topLeft()) / imageScale_,
                        QSizeF(source.size()) / imageScale_);
    painter.drawImage(target, image_, source);
}

}  // namespace pathsum
