#include "WindowPlacement.h"

#include <algorithm>
#include <utility>

namespace pathsum {
namespace {

// Between the two windows.
constexpr int kGap = 8;

// `value` kept within [low, high], low winning where they cross.
int Within(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

// `least` grown to kLeastSide on each side, as far as the screen allows.
QSize AtLeastASide(QSize least, const QRect& screen) {
    return least.expandedTo(QSize(kLeastSide, kLeastSide)).boundedTo(screen.size());
}

// Two windows one above the other in `shared` pixels of height: each its wanted height where
// both fit; else each half, a window that wants less than half keeping what it wants and the
// other taking the rest; never below the least of either, which fit together.
std::pair<int, int> ShareHeight(int shared, int wantFirst, int wantSecond, int leastFirst,
                                int leastSecond) {
    int first = wantFirst;
    int second = wantSecond;
    if (first + second > shared) {
        const int half = shared / 2;
        if (first <= half) {
            second = shared - first;
        } else if (second <= half) {
            first = shared - second;
        } else {
            first = half;
            second = shared - half;
        }
    }
    first = std::max(first, leastFirst);
    second = std::max(std::min(second, shared - first), leastSecond);
    first = std::min(first, shared - second);
    return {first, second};
}

int Overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : both.width() * both.height();
}

}  // namespace

bool CoversMuch(const QRect& a, const QRect& b) {
    const auto area = [](const QRect& r) {
        return static_cast<qint64>(r.width()) * static_cast<qint64>(r.height());
    };
    const QRect both = a.intersected(b);
    return !both.isEmpty() && 20 * area(both) > std::min(area(a), area(b));
}

SideBySide PlaceBeside(const QRect& screen, const QRect& main, const QRect& plot, QSize preferred,
                       QSize least) {
    SideBySide placed{main, {}};
    least = AtLeastASide(least, screen);
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
    firstLeast = AtLeastASide(firstLeast, screen);
    least = AtLeastASide(least, screen);
    const int secondWidth = std::max(preferred.width(), least.width());
    const int height = std::min(std::max(preferred.height(), least.height()), screen.height());
    // A row: the main window, the first, the second at the width it asks for, the first
    // narrowed as far as that needs.
    const int room = screen.width() - main.width() - 2 * kGap;
    if (room >= firstLeast.width() + secondWidth) {
        const int firstWidth = std::min(first.width(), room - secondWidth);
        const int total = main.width() + 2 * kGap + firstWidth + secondWidth;
        placed.main.moveLeft(Within(main.left(), screen.left(), screen.right() + 1 - total));
        placed.first =
            QRect(placed.main.right() + 1 + kGap, first.top(), firstWidth, first.height());
        const int top = Within(main.top(), screen.top(), screen.bottom() + 1 - height);
        placed.second = QRect(placed.first.right() + 1 + kGap, top, secondWidth, height);
        return placed;
    }
    // Else a column right of the main window, which goes to the left edge: the first on top,
    // the second below, each as wide as the column and sharing its height; where the screen is
    // too small for that, the second over the first against the right edge, covering the main
    // window only as far as its least width forces.
    placed.main.moveLeft(screen.left());
    const int columnLeft = placed.main.right() + 1 + kGap;
    const int column = screen.right() + 1 - columnLeft;
    const int shared = screen.height() - kGap;
    if (column >= std::max(firstLeast.width(), least.width()) &&
        firstLeast.height() + least.height() <= shared) {
        const auto [firstHeight, secondHeight] =
            ShareHeight(shared, first.height(), height, firstLeast.height(), least.height());
        placed.first = QRect(columnLeft, screen.top(), column, firstHeight);
        placed.second = QRect(columnLeft, placed.first.bottom() + 1 + kGap, column, secondHeight);
        return placed;
    }
    const int firstWidth = std::max(firstLeast.width(), std::min(first.width(), column));
    const int width =
        std::min(std::max(least.width(), std::min(preferred.width(), column)), screen.width());
    const int top = Within(main.top(), screen.top(), screen.bottom() + 1 - height);
    placed.first = QRect(Within(columnLeft, screen.left(), screen.right() + 1 - firstWidth),
                         first.top(), firstWidth, first.height());
    placed.second = QRect(screen.right() + 1 - width, top, width, height);
    return placed;
}

}  // namespace pathsum
