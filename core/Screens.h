#pragma once

#include <array>
#include <cmath>

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

}  // namespace pathsum
