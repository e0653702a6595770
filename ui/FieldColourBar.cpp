#include "FieldColourBar.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "FieldPictureView.h"
#include "FieldWaves.h"

namespace pathsum {

namespace {

// The bar's stripe: its left edge and width; its numbers begin kTextLeft from the left.
constexpr int kBarLeft = 8;
constexpr int kBarWidth = 16;
constexpr int kTextLeft = kBarLeft + kBarWidth + 6;

QString Title(const FieldScale& scale, bool waves) {
    if (waves) {
        return scale.logarithmic ? QCoreApplication::translate("FieldColourBar", "Re S / N, log")
                                 : QCoreApplication::translate("FieldColourBar", "Re S / N");
    }
    return scale.logarithmic ? QCoreApplication::translate("FieldColourBar", "p / N\u00b2, log")
                             : QCoreApplication::translate("FieldColourBar", "p / N\u00b2");
}

std::vector<ScaleMark> Marks(const FieldScale& scale, bool waves) {
    return waves ? WaveScaleMarks(scale) : ScaleMarks(scale);
}

}  // namespace

FieldColourBar::FieldColourBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FieldColourBar"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QSize FieldColourBar::minimumSizeHint() const {
    int width = 0;
    for (const bool waves : {false, true}) {
        width = std::max(width, fontMetrics().horizontalAdvance(Title(scale_, waves)));
        for (const ScaleMark& mark : Marks(scale_, waves)) {
            width = std::max(width, kTextLeft + fontMetrics().horizontalAdvance(
                                                    QString::fromStdString(mark.text)));
        }
    }
    return {width + 4, 100};
}

QSize FieldColourBar::sizeHint() const {
    return {minimumSizeHint().width(), 300};
}

void FieldColourBar::Show(FieldColours map, const FieldScale& scale) {
    map_ = map;
    scale_ = scale;
    waves_ = false;
    updateGeometry();
    update();
}

void FieldColourBar::ShowWaves(const FieldScale& scale) {
    scale_ = scale;
    waves_ = true;
    updateGeometry();
    update();
}

void FieldColourBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const int titleHeight = fontMetrics().height() + 4;
    const int textHeight = fontMetrics().height();
    // The top number, centred on the bar's top, is kept below the title, however wide that is.
    const int top = kFieldRowStrip + titleHeight + textHeight / 2;
    const QRect bar(kBarLeft, top, kBarWidth, std::max(10, height() - top - titleHeight));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, kFieldRowStrip, width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, Title(scale_, waves_));
    for (int row = 0; row < bar.height(); ++row) {
        const double t = 1.0 - (row + 0.5) / bar.height();
        const Rgb colour = waves_ ? WaveColour(t) : FieldColour(map_, t);
        painter.setPen(QColor(colour.r, colour.g, colour.b));
        painter.drawLine(bar.left(), bar.top() + row, bar.right(), bar.top() + row);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    for (const ScaleMark& mark : Marks(scale_, waves_)) {
        const int y =
            bar.bottom() - static_cast<int>(std::lround(mark.position * (bar.height() - 1)));
        painter.drawLine(bar.right() + 1, y, bar.right() + 4, y);
        painter.drawText(QRect(kTextLeft, y - textHeight / 2, width(), textHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(mark.text));
    }
}

}  // namespace pathsum
