#include "FieldColourBar.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "FieldPictureView.h"

namespace pathsum {

namespace {

// The bar's stripe: its left edge and width; its numbers begin kTextLeft from the left.
constexpr int kBarLeft = 8;
constexpr int kBarWidth = 16;
constexpr int kTextLeft = kBarLeft + kBarWidth + 6;

QString Title(const FieldScale& scale) {
    return scale.logarithmic ? QStringLiteral("p / N\u00b2, log") : QStringLiteral("p / N\u00b2");
}

}  // namespace

FieldColourBar::FieldColourBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FieldColourBar"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QSize FieldColourBar::minimumSizeHint() const {
    int width = fontMetrics().horizontalAdvance(Title(scale_));
    for (const ScaleMark& mark : ScaleMarks(scale_)) {
        width = std::max(
            width, kTextLeft + fontMetrics().horizontalAdvance(QString::fromStdString(mark.text)));
    }
    return {width + 4, 100};
}

QSize FieldColourBar::sizeHint() const {
    return {minimumSizeHint().width(), 300};
}

void FieldColourBar::Show(FieldColours map, const FieldScale& scale) {
    map_ = map;
    scale_ = scale;
    updateGeometry();
    update();
}

void FieldColourBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const int titleHeight = fontMetrics().height() + 4;
    const QRect bar(kBarLeft, kFieldRowStrip + titleHeight, kBarWidth,
                    std::max(10, height() - kFieldRowStrip - 2 * titleHeight));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, kFieldRowStrip, width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, Title(scale_));
    for (int row = 0; row < bar.height(); ++row) {
        const double t = 1.0 - (row + 0.5) / bar.height();
        const Rgb colour = FieldColour(map_, t);
        painter.setPen(QColor(colour.r, colour.g, colour.b));
        painter.drawLine(bar.left(), bar.top() + row, bar.right(), bar.top() + row);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    const int textHeight = fontMetrics().height();
    for (const ScaleMark& mark : ScaleMarks(scale_)) {
        const int y =
            bar.bottom() - static_cast<int>(std::lround(mark.position * (bar.height() - 1)));
        painter.drawLine(bar.right() + 1, y, bar.right() + 4, y);
        painter.drawText(QRect(kTextLeft, y - textHeight / 2, width(), textHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(mark.text));
    }
}

}  // namespace pathsum
