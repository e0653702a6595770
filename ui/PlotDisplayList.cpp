#include "PlotDisplayList.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <utility>

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

// Where a line shorter than a pixel each way puts its pixels with a one-pixel aliased pen, as
// the painter puts them: it takes the ends in 64ths of a pixel, cut towards zero, and along the
// longer direction sets one pixel in each row (or column) from the one of the first end to the
// one of the other; across, it takes the line's place at the middle of that row when the line
// runs down and to the right (or up and to the left), at the top of the row otherwise (the left
// of a column for a line along x). Where that place falls within a 64th of a pixel of a
// pixel's edge the painter's own rounding decides, and so do lines as steep as they are wide,
// lines that end in the same 64th and lines near the image's edges: for those this gives 0 and
// the painter draws them. Otherwise it gives the number of pixels, 1 or 2, in `columns` and
// `rows`.
int ShortLinePixels(QPointF a, QPointF b, int width, int height, int columns[2], int rows[2]) {
    const auto inside = [](double v, int size) { return v >= 1.0 && v <= size - 2.0; };
    if (!inside(a.x(), width) || !inside(b.x(), width) || !inside(a.y(), height) ||
        !inside(b.y(), height)) {
        return 0;
    }
    long long x1 = static_cast<long long>(a.x() * 64.0);
    long long y1 = static_cast<long long>(a.y() * 64.0);
    long long x2 = static_cast<long long>(b.x() * 64.0);
    long long y2 = static_cast<long long>(b.y() * 64.0);
    const bool alongY = std::llabs(y2 - y1) > std::llabs(x2 - x1);
    if (!alongY) {
        // A line along x is a line along y with the two directions swapped.
        std::swap(x1, y1);
        std::swap(x2, y2);
    }
    long long dx = x2 - x1;
    long long dy = y2 - y1;
    if (std::llabs(dy) > 64 || std::llabs(dy) == std::llabs(dx)) {
        return 0;
    }
    if (dy < 0) {
        std::swap(x1, x2);
        std::swap(y1, y2);
        dx = -dx;
        dy = -dy;
    }
    const long long sample = dx >= 0 ? 32 : 0;
    int count = 0;
    for (long long row = y1 >> 6; row <= (y2 >> 6); ++row) {
        // The place across, times dy, in 64ths of a pixel.
        const long long across = x1 * dy + dx * (row * 64 + sample - y1);
        const long long cell =
            across >= 0 ? across / (64 * dy) : -((-across + 64 * dy - 1) / (64 * dy));
        const long long within = across - cell * 64 * dy;
        if (within < dy || 64 * dy - within < dy) {
            return 0;
        }
        columns[count] = static_cast<int>(alongY ? cell : row);
        rows[count] = static_cast<int>(alongY ? row : cell);
        ++count;
    }
    return count;
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

namespace {

// The pixels a flush may have changed, as bounds.
class ChangedPixels {
  public:
    void Add(int column, int row) {
        left_ = std::min(left_, column);
        right_ = std::max(right_, column);
        top_ = std::min(top_, row);
        bottom_ = std::max(bottom_, row);
    }
    // Where the painter draws the line between `a` and `b`: its pixels lie within a pixel of
    // the cells of its ends.
    void AddPainted(QPointF a, QPointF b) { AddCells(a, b, 1); }
    // Where it draws the box with corners `a` and `b`: within the cells of its corners when it
    // is at least a pixel each way, within a pixel of them otherwise.
    void AddPaintedBox(QPointF a, QPointF b) {
        const bool large = std::fabs(a.x() - b.x()) >= 1.0 && std::fabs(a.y() - b.y()) >= 1.0;
        AddCells(a, b, large ? 0 : 1);
    }
    QRect Within(const QRect& area) const {
        if (left_ > right_) {
            return {};
        }
        return QRect(QPoint(left_, top_), QPoint(right_, bottom_)) & area;
    }

  private:
    void AddCells(QPointF a, QPointF b, int margin) {
        Add(PixelCell(std::min(a.x(), b.x())) - margin, PixelCell(std::min(a.y(), b.y())) - margin);
        Add(PixelCell(std::max(a.x(), b.x())) + margin, PixelCell(std::max(a.y(), b.y())) + margin);
    }

    int left_ = std::numeric_limits<int>::max();
    int top_ = std::numeric_limits<int>::max();
    int right_ = std::numeric_limits<int>::min();
    int bottom_ = std::numeric_limits<int>::min();
};

}  // namespace

void PlotDisplayList::Redraw(PlotCanvas& canvas) const {
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        const std::size_t end = r + 1 == runs_.size() ? size_ : runs_[r + 1].first;
        for (std::size_t line = runs_[r].first; line < end; ++line) {
            const Points& p = At(line);
            canvas.Line(p.x1, p.y1, p.x2, p.y2, runs_[r].colour, runs_[r].kind);
        }
    }
}

QRect PlotDisplayList::PaintedArea(std::size_t first, std::size_t last, const QRect& area) const {
    ChangedPixels changed;
    for (std::size_t line = first; line < std::min(last, size_); ++line) {
        const Points& p = At(line);
        changed.AddPainted(ToPixel(p.x1, p.y1), ToPixel(p.x2, p.y2));
    }
    return changed.Within(area);
}

QRect PlotDisplayList::PaintOnScreenImage(QImage& image, std::size_t first,
                                          std::size_t last) const {
    last = std::min(last, size_);
    if (first >= last) {
        return {};
    }
    // The bits before the painter starts, so that writing them never detaches the image.
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const int width = image.width();
    const int height = image.height();
    ChangedPixels changed;
    // Most batches set every pixel themselves; a painter is begun only for what they leave to
    // it, beginning one costs as much as setting thousands of pixels.
    std::optional<QPainter> painterOnImage;
    const auto painter = [&]() -> QPainter& {
        if (!painterOnImage) {
            painterOnImage.emplace(&image);
            painterOnImage->setRenderHint(QPainter::Antialiasing, false);
        }
        return *painterOnImage;
    };
    auto run = std::upper_bound(runs_.begin(), runs_.end(), first,
                                [](std::size_t line, const Run& r) { return line < r.first; }) -
               1;
    for (std::size_t line = first; line < last; ++run) {
        const std::size_t end = run + 1 == runs_.end() ? last : std::min(last, (run + 1)->first);
        const QColor colour(run->colour.r, run->colour.g, run->colour.b);
        if (run->kind == LineKind::Box) {
            Paint(painter(), line, end, nullptr, 1.0);
            for (; line < end; ++line) {
                const Points& p = At(line);
                changed.AddPaintedBox(ToPixel(p.x1, p.y1), ToPixel(p.x2, p.y2));
            }
            continue;
        }
        bool penSet = false;
        const QRgb pixel = colour.rgb();
        constexpr std::size_t kBatch = 1024;
        QLineF batch[kBatch];
        std::size_t filled = 0;
        for (; line < end; ++line) {
            const Points& p = At(line);
            const QPointF a = ToPixel(p.x1, p.y1);
            const QPointF b = ToPixel(p.x2, p.y2);
            // A vertical line at least a pixel long covers, in its column, the rows from the
            // one of its upper end to the one of its lower end.
            if (a.x() == b.x() && std::fabs(b.y() - a.y()) >= 1.0) {
                const int column = PixelCell(a.x());
                if (column >= 0 && column < width) {
                    const int from = std::max(0, PixelCell(std::min(a.y(), b.y())));
                    const int to = std::min(height - 1, PixelCell(std::max(a.y(), b.y())));
                    for (int row = from; row <= to; ++row) {
                        reinterpret_cast<QRgb*>(bits + row * stride)[column] = pixel;
                    }
                    if (from <= to) {
                        changed.Add(column, from);
                        changed.Add(column, to);
                    }
                }
                continue;
            }
            // So does a horizontal one in its row, from the column of one end to the other's.
            if (a.y() == b.y() && std::fabs(b.x() - a.x()) >= 1.0) {
                const int row = PixelCell(a.y());
                if (row >= 0 && row < height) {
                    const int from = std::max(0, PixelCell(std::min(a.x(), b.x())));
                    const int to = std::min(width - 1, PixelCell(std::max(a.x(), b.x())));
                    if (from <= to) {
                        QRgb* const pixels = reinterpret_cast<QRgb*>(bits + row * stride);
                        std::fill(pixels + from, pixels + to + 1, pixel);
                        changed.Add(from, row);
                        changed.Add(to, row);
                    }
                }
                continue;
            }
            int columns[2];
            int rows[2];
            if (const int count = ShortLinePixels(a, b, width, height, columns, rows); count > 0) {
                for (int i = 0; i < count; ++i) {
                    reinterpret_cast<QRgb*>(bits + rows[i] * stride)[columns[i]] = pixel;
                    changed.Add(columns[i], rows[i]);
                }
                continue;
            }
            // Longer slanted lines are left to the painter, whose rules for them are its own.
            changed.AddPainted(a, b);
            batch[filled++] = QLineF(a, b);
            if (!penSet) {
                painter().setPen(QPen(colour, 1.0));
                penSet = true;
            }
            if (filled == kBatch) {
                painter().drawLines(batch, static_cast<int>(filled));
                filled = 0;
            }
        }
        if (filled > 0) {
            painter().drawLines(batch, static_cast<int>(filled));
        }
    }
    return changed.Within(image.rect());
}

}  // namespace pathsum
