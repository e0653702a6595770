#pragma once

#include <QRect>
#include <QSize>

namespace pathsum {

// A window beside the main one is never placed smaller than this on either side, where the
// screen allows: room for a picture that can be read and a few lines beside or below it.
inline constexpr int kLeastSide = 250;

// Whether one window covers another by more than a twentieth of the smaller of the two: more
// than a corner or an edge that shares a border.
bool CoversMuch(const QRect& a, const QRect& b);

// Where the main window and a window opened beside it go: both frames, in screen pixels.
struct SideBySide {
    QRect main;
    QRect side;
};

// Places a window of `preferred` size (no smaller than `least`, nor kLeastSide, where the
// screen allows) beside the main window `main`. Where the screen has room for both, they stand
// side by side without overlap, the main window moved left as far as that needs. Where it has
// not, the two go to opposite edges of the screen, the way round in which the side window
// covers less of `plot` (the plot square of the main window on the screen). Neither window
// ever leaves `screen`.
SideBySide PlaceBeside(const QRect& screen, const QRect& main, const QRect& plot, QSize preferred,
                       QSize least);

// Where the main window and two windows beside it go: all three frames.
struct ThreeBeside {
    QRect main;
    QRect first;
    QRect second;
};

// Places a second window beside the main window `main` when `first` (no smaller than
// `firstLeast`) already stands beside it; neither side window smaller than kLeastSide where the
// screen allows. In a row with both where the screen has room for the second at its preferred
// width (the first narrowed as far as it allows, the main window moved left as far as needed);
// else the main window at the left edge and the two in the column right of it, one above the
// other, each as wide as the column and with half its height or what it asks for if less (a
// short, wide window shows its panel beside its picture); or else, on a screen too small for
// that, the second over the first at the right edge, so that the main window stays uncovered
// as far as the second window's least width allows. No window ever leaves `screen`.
ThreeBeside PlaceSecondBeside(const QRect& screen, const QRect& main, const QRect& first,
                              QSize firstLeast, QSize preferred, QSize least);

}  // namespace pathsum
