#pragma once

#include <cmath>

namespace pathsum {

// The geometry of the plot frame, named once. The plot is the square 0..100 by 0..100 with y
// growing upwards; the element row lies along its top edge and the screens and the source lie
// below it.

// The line the elements lie on.
inline constexpr double kRowY = 100.0;
// The centre of the row: the fixed patterns are centred on it, and the source's X and a
// detector's X are measured from it.
inline constexpr double kCentreX = 50.0;
// The plot square across: a ray counts only where it meets the row strictly inside it, and a
// screen's detector points run from its left edge to its right.
inline constexpr double kPlotLeft = 0.0;
inline constexpr double kPlotRight = 100.0;

// How far below the row the line of height y lies: a screen's distance, a source's Y.
constexpr double DistanceFromRow(double y) {
    return kRowY - y;
}

// How far right of the centre of the row x lies: a source's X, a detector's X.
//
// Wherever the program tells its user where a point is (the source labels, the field's
// readout under the pointer, the arrows window's numbers, the tables of numbers it writes), it
// gives the point as this X and its DistanceFromRow as Y. Only the set-up file keeps the plot's
// own x and y, as its documented keys have always held them.
constexpr double AcrossFromCentre(double x) {
    return x - kCentreX;
}

// Pi as a run computes it: 4 arctan(1), in double precision. Read it in functions only, not in
// the initialiser of another constant outside a function, whose order is not defined.
inline const double kPi = std::atan(1.0) * 4.0;

}  // namespace pathsum
