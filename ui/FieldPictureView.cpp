#include "FieldPictureView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "Geometry.h"
#include "TheoryDrawing.h"

namespace pathsum {
namespace {

// One notch of the wheel zooms by this factor; the keys too.
constexpr double kZoomStep = 1.25;

QColor ToQColor(Rgb c, int alpha = 255) {
    return {c.r, c.g, c.b, alpha};
}

}  // namespace

FieldPictureView::FieldPictureView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FieldPicture"));
    // Small enough to share a small screen's column beside the main window with the arrows.
    setMinimumSize(160, 160 + kFieldRowStrip);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
}

QRect FieldPictureView::Square() const {
    const int side = std::max(1, std::min(width(), height() - kFieldRowStrip));
    return {(width() - side) / 2, kFieldRowStrip, side, side};
}

QPointF FieldPictureView::PlotPoint(QPointF at) const {
    const QRectF square = Square();
    return {view_.left + (at.x() - square.left()) / square.width() * view_.width,
            view_.bottom + view_.height - (at.y() - square.top()) / square.height() * view_.height};
}

QPointF FieldPictureView::WidgetPoint(double x, double y) const {
    const QRectF square = Square();
    return {square.left() + (x - view_.left) / view_.width * square.width(),
            square.top() + (view_.bottom + view_.height - y) / view_.height * square.height()};
}

void FieldPictureView::SetView(const FieldView& view) {
    view_ = view;
    update();
}

void FieldPictureView::ShowPicture(QImage picture, const FieldView& view,
                                   std::vector<FieldMark> marks) {
    picture_ = std::move(picture);
    pictureView_ = view;
    marks_ = std::move(marks);
    update();
}

void FieldPictureView::ClearPicture() {
    picture_ = QImage();
    marks_.clear();
    update();
}

void FieldPictureView::MarkProbe(double x, double y) {
    probe_ = QPointF(x, y);
    update();
}

void FieldPictureView::HideProbe() {
    probe_.reset();
    update();
}

void FieldPictureView::SetProbeShown(bool shown) {
    probeShown_ = shown;
    rulerShown_ = shown;
}

void FieldPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QRect square = Square();
    painter.fillRect(square, Qt::black);
    painter.save();
    painter.setClipRect(square);
    if (!picture_.isNull()) {
        // The picture's own view where the view shown puts it: the same rectangle while they
        // agree, moved or scaled while a new view is being computed.
        const QPointF topLeft =
            WidgetPoint(pictureView_.left, pictureView_.bottom + pictureView_.height);
        const QPointF bottomRight =
            WidgetPoint(pictureView_.left + pictureView_.width, pictureView_.bottom);
        painter.drawImage(QRectF(topLeft, bottomRight), picture_);
    }
    DrawMarks(painter);
    DrawGuides(painter);
    painter.restore();
    DrawRuler(painter);
    painter.setPen(QColor(90, 90, 90));
    painter.drawRect(square.adjusted(0, 0, -1, -1));
}

void FieldPictureView::DrawMarks(QPainter& painter) const {
    const QRect square = Square();
    const double top = view_.bottom + view_.height;
    for (const FieldMark& mark : marks_) {
        const QPointF a = WidgetPoint(mark.x1, mark.y1);
        const QPointF b = WidgetPoint(mark.x2, mark.y2);
        switch (mark.kind) {
            case FieldMark::Kind::Element:
                // Above the field, in its own strip, while the view reaches the row.
                if (top >= kRowY) {
                    painter.setClipping(false);
                    painter.fillRect(QRectF(QPointF(std::max(a.x(), double(square.left())),
                                                    square.top() - kFieldRowStrip + 1),
                                            QPointF(std::min(b.x(), double(square.right() + 1)),
                                                    square.top() - 1)),
                                     ToQColor(mark.colour));
                    painter.setClipRect(square);
                }
                break;
            case FieldMark::Kind::Screen: {
                QPen pen(ToQColor(mark.colour, 170), 1.0, Qt::DashLine);
                painter.setPen(pen);
                painter.drawLine(a, b);
                break;
            }
            case FieldMark::Kind::Source:
                painter.setPen(QPen(Qt::black, 1.0));
                painter.setBrush(ToQColor(mark.colour));
                painter.drawRect(QRectF(a - QPointF(3, 3), QSizeF(6, 6)));
                painter.setBrush(Qt::NoBrush);
                break;
        }
    }
    if (probe_ && probeShown_) {
        const QPointF at = WidgetPoint(probe_->x(), probe_->y());
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::black, 3.0));
        painter.drawEllipse(at, 5.0, 5.0);
        painter.setPen(QPen(QColor(255, 220, 0), 1.5));
        painter.drawEllipse(at, 5.0, 5.0);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
}

void FieldPictureView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0.0) {
        const QPointF at = PlotPoint(event->position());
        emit zoomed(at.x(), at.y(), std::pow(kZoomStep, notches));
    }
    event->accept();
}

void FieldPictureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier)) {
        rulerPress_ = event->position();
        measuring_ = false;
        return;
    }
    if (event->button() == Qt::LeftButton) {
        dragFrom_ = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void FieldPictureView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (rulerPress_ && (event->buttons() & Qt::LeftButton)) {
        measuring_ = measuring_ || IsDrag(*rulerPress_, at);
        if (measuring_) {
            ruler_ = RulerEnds{PlotPoint(*rulerPress_), PlotPoint(at)};
            emit rulerMoved(*ruler_);
            update();
        }
        return;
    }
    if (dragFrom_ && (event->buttons() & Qt::LeftButton)) {
        const QRectF square = Square();
        const QPointF moved = at - *dragFrom_;
        dragFrom_ = at;
        // The plot follows the pointer: the view moves the other way.
        emit panned(-moved.x() / square.width() * view_.width,
                    moved.y() / square.height() * view_.height);
        return;
    }
    if (QRectF(Square()).contains(at)) {
        const QPointF point = PlotPoint(at);
        emit pointerMoved(point.x(), point.y());
    }
}

void FieldPictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rulerPress_) {
        rulerPress_.reset();
        measuring_ = false;
        return;
    }
    if (event->button() == Qt::LeftButton) {
        dragFrom_.reset();
        setCursor(Qt::CrossCursor);
    }
}

void FieldPictureView::keyPressEvent(QKeyEvent* event) {
    const QPointF centre(view_.left + 0.5 * view_.width, view_.bottom + 0.5 * view_.height);
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            emit zoomed(centre.x(), centre.y(), kZoomStep);
            break;
        case Qt::Key_Minus:
            emit zoomed(centre.x(), centre.y(), 1.0 / kZoomStep);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void FieldPictureView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

// ---- What the textbook says, and the ruler --------------------------------------------------

void FieldPictureView::SetGuides(std::vector<GuideLine> guides) {
    guides_ = std::move(guides);
    update();
}

void FieldPictureView::DrawGuides(QPainter& painter) const {
    if (guides_.empty()) {
        return;
    }
    const QColor colour(kTheoryColour.r, kTheoryColour.g, kTheoryColour.b);
    const QRectF square = Square();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const GuideLine& guide : guides_) {
        const QPointF a = WidgetPoint(guide.line.x0, guide.line.y0);
        const QPointF b = WidgetPoint(guide.line.x1, guide.line.y1);
        // Dashes outlined in black read over any colour of the field.
        QPen under(Qt::black, 3.0, Qt::DashLine, Qt::FlatCap);
        QPen over(colour, 1.0, Qt::CustomDashLine, Qt::FlatCap);
        over.setDashPattern({6.0, 3.0});
        under.setDashPattern({2.0, 1.0});  // the same lengths at three times the width
        painter.setPen(under);
        painter.drawLine(a, b);
        painter.setPen(over);
        painter.drawLine(a, b);
    }
    // The labels over every line, the lowest orders first: where the lines crowd (orders that
    // leave by the bottom edge, close together), a label that would cover one already placed is
    // left out rather than drawn over it.
    std::vector<const GuideLine*> labelled;
    for (const GuideLine& guide : guides_) {
        if (guide.kind == GuideKind::Order || guide.kind == GuideKind::Specular) {
            labelled.push_back(&guide);
        }
    }
    std::stable_sort(labelled.begin(), labelled.end(), [](const GuideLine* x, const GuideLine* y) {
        return std::abs(x->order) < std::abs(y->order);
    });
    const QFontMetrics metrics(painter.font());
    std::vector<QRectF> placed;
    for (const GuideLine* guide : labelled) {
        const QString label = guide->kind == GuideKind::Order
                                  ? QStringLiteral("m=%1").arg(guide->order)
                                  : QStringLiteral("in = out");
        const QPointF a = WidgetPoint(guide->line.x0, guide->line.y0);
        const QPointF b = WidgetPoint(guide->line.x1, guide->line.y1);
        // At the last point of the line within the view, kept inside it; none where the line
        // misses the view.
        std::optional<QPointF> at;
        constexpr int kSteps = 64;
        for (int k = kSteps; k >= 0 && !at; --k) {
            const QPointF p = a + (b - a) * (static_cast<double>(k) / kSteps);
            if (square.contains(p)) {
                at = p;
            }
        }
        if (!at) {
            continue;
        }
        QRectF box(0.0, 0.0, metrics.horizontalAdvance(label) + 4.0, metrics.height());
        box.moveCenter(*at);
        box.moveLeft(std::clamp(box.left(), square.left(), square.right() - box.width()));
        box.moveTop(std::clamp(box.top(), square.top(), square.bottom() - box.height()));
        if (std::any_of(placed.begin(), placed.end(),
                        [&box](const QRectF& other) { return other.intersects(box); })) {
            continue;
        }
        placed.push_back(box);
        painter.fillRect(box, QColor(0, 0, 0, 190));
        painter.setPen(colour);
        painter.drawText(box, Qt::AlignCenter, label);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void FieldPictureView::SetRulerReading(const QStringList& reading) {
    rulerReading_ = reading;
    update();
}

void FieldPictureView::ClearRuler() {
    ruler_.reset();
    rulerPress_.reset();
    measuring_ = false;
    rulerReading_.clear();
    update();
}

void FieldPictureView::DrawRuler(QPainter& painter) const {
    if (!ruler_ || !rulerShown_) {
        return;
    }
    PaintRuler(painter, WidgetPoint(ruler_->from.x(), ruler_->from.y()),
               WidgetPoint(ruler_->to.x(), ruler_->to.y()), rulerReading_, QRectF(rect()));
}

}  // namespace pathsum
