#include "PlotDisplayList.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "PlotFrame.h"

namespace pathsum {
namespace {

// Logical pixel of a frame point. Values far outside the window are clamped well outside it,
// so that a huge curve value still draws as a clipped line instead of overflowing the raster.
QPointF ToPixel(float x, float y) {
    constexpr double kLimit = 1e6;
    const double px = std::clamp(PlotFrame::PixelX(x), -kLimit, kLimit);
    const double py = std::clamp(PlotFrame::PixelY(y), -kLimit, kLimit);
    return {std::isnan(px) ? -kLimit : px, std::isnan(py) ? -kLimit : py};
}

// The row or column of the pixel that a one-pixel aliased pen covers at logical coordinate v:
// coordinates are taken in 64ths of a pixel, cut towards zero, as the painter takes them.
int PixelCell(double v) {
    return static_cast<int>(v * 64.0) >> 6;
}

}  // namespace

void PlotDisplayList::Clear() {
    blocks_.clear();
    runs_.clear();
    size_ = 0;
}

void PlotDisplayList::Add(float x1, float y1, float x2, float y2, Rgb colour, LineKind kind) {
    if (runs_.empty() || runs_.back().colour != colour || runs_.back().kind != kind) {
        runs_.push_back({size_, colour, kind});
    }
    if (size_ == blocks_.size() * kBlockLines) {
        blocks_.push_back(std::make_unique_for_overwrite<Points[]>(kBlockLines));
    }
    blocks_.back()[size_ & (kBlockLines - 1)] = {x1, y1, x2, y2};
    ++size_;
}

void PlotDisplayList::Paint(QPainter& painter, std::size_t first, std::size_t last, InkFor ink,
                            double penWidth) const {
    last = std::min(last, size_);
    if (first >= last) {
        return;
    }
    // The run that holds `first`: the last one starting at or before it.
    auto run = std::upper_bound(runs_.begin(), runs_.end(), first,
                                [](std::size_t line, const Run& r) { return line < r.first; }) -
               1;
    for (std::size_t line = first; line < last; ++run) {
        const std::size_t end = run + 1 == runs_.end() ? last : std::min(last, (run + 1)->first);
        const QColor drawn(run->colour.r, run->colour.g, run->colour.b);
        const QColor colour = ink != nullptr ? ink(drawn) : drawn;
        painter.setPen(QPen(colour, penWidth));
        if (run->kind == LineKind::Box) {
            painter.setBrush(colour);
            for (; line < end; ++line) {
                const Points& p = At(line);
                painter.drawRect(QRectF(ToPixel(p.x1, p.y1), ToPixel(p.x2, p.y2)).normalized());
            }
        } else {
            painter.setBrush(Qt::NoBrush);
            for (; line < end; ++line) {
                const Points& p = At(line);
                painter.drawLine(ToPixel(p.x1, p.y1), ToPixel(p.x2, p.y2));
            }
        }
    }
    painter.setBrush(Qt::NoBrush);
}

}  // namespace pathsum

namespace pathsum {

void PlotDisplayList::PaintOnScreenImage(QImage& image, std::size_t first, std::size_t last) const {
    last = std::min(last, size_);
    if (first >= last) {
        return;
    }
    // The bits before the painter starts, so that writing them never detaches the image.
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const int width = image.width();
    const int height = image.height();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    auto run = std::upper_bound(runs_.begin(), runs_.end(), first,
                                [](std::size_t line, const Run& r) { return line < r.first; }) -
               1;
    for (std::size_t line = first; line < last; ++run) {
        const std::size_t end = run + 1 == runs_.end() ? last : std::min(last, (run + 1)->first);
        const QColor colour(run->colour.r, run->colour.g, run->colour.b);
        if (run->kind == LineKind::Box) {
            Paint(painter, line, end, nullptr, 1.0);
            line = end;
            continue;
        }
        painter.setPen(QPen(colour, 1.0));
        const QRgb pixel = colour.rgb();
        constexpr std::size_t kBatch = 1024;
        QLineF batch[kBatch];
        std::size_t filled = 0;
        for (; line < end; ++line) {
            const Points& p = At(line);
            const QPointF a = ToPixel(p.x1, p.y1);
            const QPointF b = ToPixel(p.x2, p.y2);
            // A vertical line at least a pixel long covers, in its column, the rows from the
            // one of its upper end to the one of its lower end. Shorter and slanted lines are
            // left to the painter, whose rules for them are its own.
            if (a.x() == b.x() && std::fabs(b.y() - a.y()) >= 1.0) {
                const int column = PixelCell(a.x());
                if (column >= 0 && column < width) {
                    const int from = std::max(0, PixelCell(std::min(a.y(), b.y())));
                    const int to = std::min(height - 1, PixelCell(std::max(a.y(), b.y())));
                    for (int row = from; row <= to; ++row) {
                        reinterpret_cast<QRgb*>(bits + row * stride)[column] = pixel;
                    }
                }
                continue;
            }
            batch[filled++] = QLineF(a, b);
            if (filled == kBatch) {
                painter.drawLines(batch, static_cast<int>(filled));
                filled = 0;
            }
        }
        if (filled > 0) {
            painter.drawLines(batch, static_cast<int>(filled));
        }
    }
}

}  // namespace pathsum
