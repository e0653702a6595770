#include "Controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ControlTexts.h"
#include "PlotFrame.h"

namespace pathsum {

short ButtonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        case Qt::BackButton:
            return 8;
        case Qt::ForwardButton:
            return 16;
        default:
            return 0;
    }
}

short ShiftCode(Qt::KeyboardModifiers modifiers) {
    short code = 0;
    if (modifiers & Qt::ShiftModifier) {
        code |= 1;
    }
    if (modifiers & Qt::ControlModifier) {
        code |= 2;
    }
    if (modifiers & Qt::AltModifier) {
        code |= 4;
    }
    return code;
}

QRect FrameRect(double left, double top, double width, double height) {
    const int x1 = static_cast<int>(std::lround(PlotFrame::PixelX(left)));
    const int y1 = static_cast<int>(std::lround(PlotFrame::PixelY(top)));
    const int x2 = static_cast<int>(std::lround(PlotFrame::PixelX(left + width)));
    const int y2 = static_cast<int>(std::lround(PlotFrame::PixelY(top - height)));
    return {x1, y1, x2 - x1, y2 - y1};
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    // Taking the press keeps the release for this label instead of the window beneath it.
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    const QPointF at = event->position();
    emit mouseUp(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                 static_cast<float>(at.x()), static_cast<float>(at.y()));
    if (event->button() == Qt::LeftButton && rect().contains(at.toPoint())) {
        emit clicked();
    }
}

namespace {

// A wheel turned by whole notches (120 eighths of a degree each); what is left of a fine
// turn (a touchpad's) waits for the next event.
int WholeNotches(QWheelEvent* event, int& rest) {
    constexpr int kNotch = 120;
    rest += event->angleDelta().y();
    const int notches = rest / kNotch;
    rest -= notches * kNotch;
    return notches;
}

}  // namespace

void ClickLabel::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (const int notches = WholeNotches(event, wheelRest_)) {
        emit wheelNotches(notches);
    }
}

void ClickLineEdit::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (const int notches = WholeNotches(event, wheelRest_)) {
        emit wheelNotches(notches);
    }
}

void ClickLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

bool ClickLineEdit::event(QEvent* event) {
    // A key the box would take for itself it claims before any shortcut sees it; a command's
    // key it leaves unclaimed, so the command has it.
    if (event->type() == QEvent::ShortcutOverride &&
        IsCommandShortcut(static_cast<QKeyEvent*>(event)->keyCombination())) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void ClickLineEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_PageUp:
            emit stepKey(2);
            return;
        case Qt::Key_PageDown:
            emit stepKey(1);
            return;
        case Qt::Key_F2:
            emit clicked();
            return;
        case Qt::Key_Up:
            emit wheelNotches(1);
            return;
        case Qt::Key_Down:
            emit wheelNotches(-1);
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

ShapeControl::ShapeControl(QWidget* parent, float left, float top, float width, float height,
                           const QColor& colour)
    : QWidget(parent), left_(left), top_(top), width_(width), height_(height), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Place();
}

void ShapeControl::SetLeft(float left) {
    left_ = left;
    Place();
}

void ShapeControl::SetTop(float top) {
    top_ = top;
    Place();
}

void ShapeControl::Place() {
    // A marker far outside the window is simply not visible; keep the geometry in range.
    constexpr double kFar = 1e5;
    const double left = std::clamp(static_cast<double>(left_), -kFar, kFar);
    const double top = std::clamp(static_cast<double>(top_), -kFar, kFar);
    setGeometry(FrameRect(left, top, width_, height_));
}

void ShapeControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
}

}  // namespace pathsum
