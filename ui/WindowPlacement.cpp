#include "WindowPlacement.h"

#include <algorithm>

namespace pathsum {
namespace {

// Between the two windows.
constexpr int kGap = 8;

// `value` kept within [low, high], low winning where they cross.
int Within(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

int Overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : both.width() * both.height();
}

}  // namespace

SideBySide PlaceBeside(const QRect& screen, const QRect& main, const QRect& plot, QSize preferred,
                       QSize least) {
    SideBySide placed{main, {}};
    const int height = std::min(std::max(preferred.height(), least.height()), screen.height());
    const int room = screen.width() - main.width() - kGap;
    if (room >= least.width()) {
        const int width = std::min(std::max(preferred.width(), least.width()), room);
        const int mainLeft =
            Within(main.left(), screen.left(), screen.right() + 1 - (main.width() + kGap + width));
        placed.main.moveLeft(mainLeft);
        const int top = Within(main.top(), screen.top(), screen.bottom() + 1 - height);
        placed.side = QRect(mainLeft + main.width() + kGap, top, width, height);
        return placed;
    }
    // The two overlap whatever is done: the main window goes to one edge of the screen and the
    // side window to the other, the way round in which the side window covers less of the plot.
    const int width = std::min(std::max(preferred.width(), least.width()), screen.width());
    const int top = Within(main.top(), screen.top(), screen.bottom() + 1 - height);
    const int mainAtRight = std::max(screen.left(), screen.right() + 1 - main.width());
    const QRect sideAtRight(screen.right() + 1 - width, top, width, height);
    const QRect sideAtLeft(screen.left(), top, width, height);
    const QRect plotWithMainAtLeft = plot.translated(screen.left() - main.left(), 0);
    const QRect plotWithMainAtRight = plot.translated(mainAtRight - main.left(), 0);
    if (Overlap(sideAtRight, plotWithMainAtLeft) <= Overlap(sideAtLeft, plotWithMainAtRight)) {
        placed.main.moveLeft(screen.left());
        placed.side = sideAtRight;
    } else {
        placed.main.moveLeft(mainAtRight);
        placed.side = sideAtLeft;
    }
    return placed;
}

}  // namespace pathsum
