#pragma once

#include <QRect>
#include <QSize>

namespace pathsum {

// Where the main window and a window opened beside it go: both frames, in screen pixels.
struct SideBySide {
    QRect main;
    QRect side;
};

// Places a window of `preferred` size (no smaller than `least` where the screen allows) beside
// the main window `main`. Where the screen has room for both, they stand side by side without
// overlap, the main window moved left as far as that needs. Where it has not, the two go to
// opposite edges of the screen, the way round in which the side window covers less of `plot`
// (the plot square of the main window on the screen). Neither window ever leaves `screen`.
SideBySide PlaceBeside(const QRect& screen, const QRect& main, const QRect& plot, QSize preferred,
                       QSize least);

// Where the main window and two windows beside it go: all three frames.
struct ThreeBeside {
    QRect main;
    QRect first;
    QRect second;
};

// Places a second window beside the main window `main` when `first` (no smaller than
// `firstLeast`) already stands beside it. In a row with both where the screen has room (the
// side windows narrowed as far as they allow, the main window moved left as far as needed);
// else the main window at the left edge and the two in the column right of it, sharing its
// height where both fit, or else the second over the first at the right edge, so that the main
// window stays uncovered as far as the second window's least width allows. No window ever
// leaves `screen`.
ThreeBeside PlaceSecondBeside(const QRect& screen, const QRect& main, const QRect& first,
                              QSize firstLeast, QSize preferred, QSize least);

}  // namespace pathsum
