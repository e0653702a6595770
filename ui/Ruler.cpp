#include "Ruler.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "FarField.h"
#include "Geometry.h"
#include "NumberText.h"
#include "PlotFrame.h"

namespace pathsum {
namespace {

// The ruler's colour: apart from the curves, the grid, the textbook's colour and the field's
// colours, and outlined in black so that it reads over any of them.
const QColor kRulerColour(0, 230, 255);

QString Readable(double value, int digits = 4) {
    return QString::fromStdString(ReadableNumber(value, digits));
}

}  // namespace

QStringList RulerReading(const RulerEnds& ends, const FarField* theory) {
    // X grows with x, Y against y.
    const double dX = ends.to.x() - ends.from.x();
    const double dY = ends.from.y() - ends.to.y();
    const double length = std::hypot(dX, dY);
    const double degrees = dY == 0.0 ? (dX == 0.0 ? 0.0 : 90.0) : std::atan(dX / dY) * 180.0 / kPi;
    QStringList reading = {
        QCoreApplication::translate("Ruler", "\u0394X %1, \u0394Y %2")
            .arg(Readable(dX), Readable(dY)),
        QCoreApplication::translate("Ruler", "length %1, %2\u00b0 from the vertical")
            .arg(Readable(length), Readable(degrees, 3)),
    };
    const double middle = DistanceFromRow(0.5 * (ends.from.y() + ends.to.y()));
    if (theory != nullptr && middle > 0.0) {
        if (const auto spacing = theory->FringeSpacing(middle)) {
            reading << QCoreApplication::translate("Ruler", "textbook fringe spacing at Y %1: %2")
                           .arg(Readable(middle), Readable(*spacing));
        } else {
            reading << QCoreApplication::translate("Ruler", "one element: no fringes of that kind");
        }
    }
    return reading;
}

bool IsDrag(QPointF press, QPointF now) {
    return (now - press).manhattanLength() >= QApplication::startDragDistance();
}

void PaintRuler(QPainter& painter, QPointF from, QPointF to, const QStringList& reading,
                const QRectF& within) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    const QPointF across =
        length > 0.0 ? QPointF(-along.y(), along.x()) / length * 4.0 : QPointF(4.0, 0.0);
    for (const auto& [width, colour] : {std::pair{3.0, QColor(Qt::black)}, {1.0, kRulerColour}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(from, to);
        painter.drawLine(from - across, from + across);
        painter.drawLine(to - across, to + across);
    }
    const QFontMetrics metrics(painter.font());
    int textWidth = 0;
    for (const QString& line : reading) {
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    }
    constexpr int kPad = 3;
    const auto lines = static_cast<double>(reading.size());
    QRectF box(0.0, 0.0, textWidth + 2 * kPad, metrics.lineSpacing() * lines + 2 * kPad);
    // Beside the end the drag finished at, on the side away from the line.
    box.moveTopLeft(to + QPointF(along.x() >= 0.0 ? 8.0 : -8.0 - box.width(),
                                 along.y() >= 0.0 ? 8.0 : -8.0 - box.height()));
    box.moveLeft(std::clamp(box.left(), within.left(),
                            std::max(within.left(), within.right() - box.width())));
    box.moveTop(std::clamp(box.top(), within.top(),
                           std::max(within.top(), within.bottom() - box.height())));
    painter.setPen(QPen(kRulerColour, 1.0));
    painter.setBrush(QColor(0, 0, 0, 210));
    painter.drawRect(box);
    painter.setPen(kRulerColour);
    double baseline = box.top() + kPad + metrics.ascent();
    for (const QString& line : reading) {
        painter.drawText(QPointF(box.left() + kPad, baseline), line);
        baseline += metrics.lineSpacing();
    }
    painter.restore();
}

RulerOverlay::RulerOverlay(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("RulerView"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void RulerOverlay::Show(const RulerEnds& ends, const QStringList& reading) {
    ends_ = ends;
    reading_ = reading;
    setAccessibleDescription(reading.join(QStringLiteral("; ")));
    show();
    raise();
    update();
}

void RulerOverlay::Clear() {
    ends_.reset();
    reading_.clear();
    hide();
}

void RulerOverlay::paintEvent(QPaintEvent*) {
    if (!ends_) {
        return;
    }
    QPainter painter(this);
    const auto pixel = [](QPointF p) {
        return QPointF(PlotFrame::PixelX(p.x()), PlotFrame::PixelY(p.y()));
    };
    PaintRuler(painter, pixel(ends_->from), pixel(ends_->to), reading_, QRectF(rect()));
}

}  // namespace pathsum
