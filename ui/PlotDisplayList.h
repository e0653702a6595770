#pragma once

#include <QColor>
#include <QRect>
#include <cstddef>
#include <memory>
#include <vector>

#include "PlotCanvas.h"

class QImage;
class QPainter;

namespace pathsum {

// Everything the plot canvas has been asked to draw since it was last cleared, kept so that
// the drawing can be painted again at any resolution, on paper as on the screen.
//
// Memory: a line takes 16 bytes, its two frame points in single precision exactly as the
// canvas received them; colour and kind are kept once for each run of lines that share them
// (a drawing has a handful of runs: the grid, the element bars, the curves). Lines are kept
// in blocks of 65536 (1 MiB), so the list grows without copying and never needs twice its
// size: the longest run, about 3 million lines at the finest detector step, takes about 48 MB.
class PlotDisplayList {
  public:
    // The colour a line of colour `drawn` takes when painted.
    using InkFor = QColor (*)(const QColor& drawn);

    void Clear();
    void Add(float x1, float y1, float x2, float y2, Rgb colour, LineKind kind);
    std::size_t Size() const { return size_; }

    // Paints lines [first, last) in the logical pixels of the client area, each in its ink
    // (its own colour when `ink` is null) with a solid pen of `penWidth` logical pixels; a
    // box is filled in its ink as well.
    void Paint(QPainter& painter, std::size_t first, std::size_t last, InkFor ink,
               double penWidth) const;

    // Paints lines [first, last) into `image`, an image of the client area at one pixel a
    // logical pixel, in their own colours with a one-pixel pen: the pixels Paint gives there,
    // the long vertical and horizontal lines and the lines shorter than a pixel (most of a curve's
    // pixels and most of its lines) set straight into the image rather than through a painter,
    // which is several times faster for them. Gives the pixels that may have changed, as a
    // rectangle within the image.
    QRect PaintOnScreenImage(QImage& image, std::size_t first, std::size_t last) const;

    // Hands every line to `canvas`, in order, as it was added.
    void Redraw(PlotCanvas& canvas) const;

    // Where painting lines [first, last) in the logical pixels of the client area may change
    // pixels, within `area`.
    QRect PaintedArea(std::size_t first, std::size_t last, const QRect& area) const;

  private:
    struct Points {
        float x1;
        float y1;
        float x2;
        float y2;
    };
    // The colour and kind of the lines from `first` up to the next run.
    struct Run {
        std::size_t first = 0;
        Rgb colour;
        LineKind kind = LineKind::Segment;
    };

    static constexpr int kBlockBits = 16;
    static constexpr std::size_t kBlockLines = std::size_t{1} << kBlockBits;

    const Points& At(std::size_t line) const {
        return blocks_[line >> kBlockBits][line & (kBlockLines - 1)];
    }

    std::vector<std::unique_ptr<Points[]>> blocks_;
    std::vector<Run> runs_;
    std::size_t size_ = 0;
};

}  // namespace pathsum
