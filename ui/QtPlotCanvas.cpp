#include "QtPlotCanvas.h"

#include <QPaintEvent>
#include <QPainter>

#include "PlotFrame.h"

namespace pathsum {
namespace {

// The plot background is black whatever the desktop theme: the drawing is white and grey, and
// a light theme colour would swallow it.
constexpr QRgb kBackground = qRgb(0, 0, 0);

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
}

void QtPlotCanvas::EnsureImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize wanted = (QSizeF(size()) * ratio).toSize();
    if (image_.size() == wanted && image_.devicePixelRatio() == ratio) {
        return;
    }
    // A new ratio (the window moved to another screen) keeps what was drawn, rescaled.
    QImage fresh(wanted, QImage::Format_RGB32);
    fresh.setDevicePixelRatio(ratio);
    fresh.fill(kBackground);
    if (!image_.isNull()) {
        QPainter painter(&fresh);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size())), image_);
    }
    image_ = std::move(fresh);
}

void QtPlotCanvas::Clear() {
    drawing_.Clear();
    painted_ = 0;
    EnsureImage();
    image_.fill(kBackground);
    update();
}

void QtPlotCanvas::Line(float x1, float y1, float x2, float y2, Rgb colour, LineKind kind) {
    drawing_.Add(x1, y1, x2, y2, colour, kind);
    if (drawing_.Size() - painted_ >= kMaxPending) {
        FlushPending();
    }
    update();
}

void QtPlotCanvas::FlushPending() {
    EnsureImage();
    if (painted_ == drawing_.Size()) {
        return;
    }
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawing_.Paint(painter, painted_, drawing_.Size(), nullptr, 1.0);
    painted_ = drawing_.Size();
}

const QImage& QtPlotCanvas::Image() {
    FlushPending();
    return image_;
}

void QtPlotCanvas::Replay(QPainter& painter, const QColor& background, PlotDisplayList::InkFor ink,
                          double penWidth) const {
    painter.save();
    painter.fillRect(rect(), background);
    drawing_.Paint(painter, 0, drawing_.Size(), ink, penWidth);
    painter.restore();
}

void QtPlotCanvas::paintEvent(QPaintEvent* event) {
    FlushPending();
    QPainter painter(this);
    painter.drawImage(event->rect(), image_,
                      QRectF(QPointF(event->rect().topLeft()) * image_.devicePixelRatio(),
                             QSizeF(event->rect().size()) * image_.devicePixelRatio()));
}

}  // namespace pathsum
