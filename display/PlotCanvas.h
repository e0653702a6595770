#pragma once

#include <cstdint>

namespace pathsum {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The two colours of the classic 16-colour palette the drawing uses.
inline constexpr int kGridColour = 8;      // grey
inline constexpr int kElementColour = 15;  // bright white, elements and curves

// The RGB value of a palette index (0 to 15 of the classic palette).
Rgb PaletteColour(int index);

// A frame coordinate in the single precision the canvas takes. Values beyond any window are
// pulled in to +-1e30, still far outside the visible frame, so that a huge curve value or a
// very wide element draws as a line the window clips instead of an infinite one.
float CanvasCoordinate(double value);

enum class LineKind {
    Segment,  // a straight segment between the two points
    Box,      // the rectangle with the two points as opposite corners
};

// The drawing surface of the main window, addressed in the plot frame: x from -10 at the left
// to 110 at the right, y from 102 at the top down to -18 at the bottom; the plot square is
// 0..100 by 0..100. Points are passed in single precision.
class PlotCanvas {
  public:
    virtual ~PlotCanvas() = default;

    // Erases all drawing to the background; controls are not affected.
    virtual void Clear() = 0;

    virtual void Line(float x1, float y1, float x2, float y2, Rgb colour, LineKind kind) = 0;
};

}  // namespace pathsum
