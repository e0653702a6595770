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

}  // namespace pathsum
