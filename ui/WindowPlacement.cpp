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

ThreeBeside PlaceSecondBeside(const QRect& screen, const QRect& main, const QRect& first,
                              QSize firstLeast, QSize preferred, QSize least) {
    ThreeBeside placed{main, first, {}};
    const int height = std::min(std::max(preferred.height(), least.height()), screen.height());
    const int top = Within(main.top(), screen.top(), screen.bottom() + 1 - height);
    // A row: the main window, the first, the second.
    const int room = screen.width() - main.width() - 2 * kGap;
    if (room >= firstLeast.width() + least.width()) {
        const int firstWidth = std::min(first.width(), room - least.width());
        const int secondWidth =
            std::min(std::max(preferred.width(), least.width()), room - firstWidth);
        const int total = main.width() + 2 * kGap + firstWidth + secondWidth;
        placed.main.moveLeft(Within(main.left(), screen.left(), screen.right() + 1 - total));
        placed.first =
            QRect(placed.main.right() + 1 + kGap, first.top(), firstWidth, first.height());
        placed.second = QRect(placed.first.right() + 1 + kGap, top, secondWidth, height);
        return placed;
    }
    // Otherwise the main window goes to the left edge, and the two share the column right of it:
    // the first on top, the second below, where both fit; else the second over the first,
    // against the right edge, covering the main window only as far as its least width forces.
    placed.main.moveLeft(screen.left());
    const int column = screen.right() - placed.main.right() - kGap;
    const int columnLeft = placed.main.right() + 1 + kGap;
    const int firstWidth = std::max(firstLeast.width(), std::min(first.width(), column));
    const int width = std::max(least.width(), std::min(preferred.width(), column));
    if (column >= std::max(firstLeast.width(), least.width()) &&
        firstLeast.height() + kGap + least.height() <= screen.height()) {
        const int secondHeight = std::min(height, screen.height() - kGap - firstLeast.height());
        const int firstHeight = std::min(first.height(), screen.height() - kGap - secondHeight);
        placed.first = QRect(columnLeft, screen.top(), firstWidth, firstHeight);
        placed.second = QRect(columnLeft, placed.first.bottom() + 1 + kGap, width, secondHeight);
        return placed;
    }
    placed.first = QRect(Within(columnLeft, screen.left(), screen.right() + 1 - firstWidth),
                         first.top(), firstWidth, first.height());
    placed.second = QRect(screen.right() + 1 - std::min(width, screen.width()), top,
                          std::min(width, screen.width()), height);
    return placed;
}

}  // namespace pathsum
