#include "PlotCanvas.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pathsum {

Rgb PaletteColour(int index) {
    static constexpr std::array<Rgb, 16> kPalette = {{
        {0, 0, 0},
        {0, 0, 128},
        {0, 128, 0},
        {0, 128, 128},
        {128, 0, 0},
        {128, 0, 128},
        {128, 128, 0},
        {192, 192, 192},
        {128, 128, 128},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {255, 255, 0},
        {255, 255, 255},
    }};
    return kPalette[static_cast<unsigned>(index) & 15u];
}

float CanvasCoordinate(double value) {
    constexpr double kFar = 1e30;
    if (std::isnan(value)) {
        return 0.0f;
    }
    return static_cast<float>(std::clamp(value, -kFar, kFar));
}

}  // namespace pathsum
