#pragma once

#include <array>
#include <cmath>
#include <cstddef>

#include "Geometry.h"

namespace pathsum {

// The ten screens, in the order a run computes them: y = 0 (the farthest from the element
// row) up to y = 90 (the nearest).
inline constexpr std::array<double, 10> kScreenYs = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90};

// The index of the screen's pair of labels in the right column: 0 for the screen nearest the
// row (y = 90), 9 for y = 0.
inline int ScreenLabelIndex(double screenY) {
    return 9 - static_cast<int>(std::floor(screenY / 10.0));
}

// The number a user knows a screen by, as its labels count them at the start ("1:" to "10:"):
// 1 for the screen nearest the row, 10 for the farthest (y = 0). `screen` indexes kScreenYs.
inline int ScreenNumberOf(std::size_t screen) {
    return ScreenLabelIndex(kScreenYs[screen]) + 1;
}
inline constexpr int kFarthestScreenNumber = 10;

// The index into kScreenYs of the screen of that number (1 to 10).
inline std::size_t ScreenOfNumber(int number) {
    return kScreenYs.size() - static_cast<std::size_t>(number);
}

}  // namespace pathsum
