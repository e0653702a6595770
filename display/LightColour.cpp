#include "LightColour.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace pathsum {
namespace {

// The linear values at which the byte of the sRGB curve steps up: the byte of a value is the
// number of these below or at it, which rounds the curve times 255 to the nearest byte without
// a power for every pixel.
using Steps = std::array<double, 255>;

Steps MakeSteps() {
    Steps steps{};
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const double wanted = (static_cast<double>(k) + 0.5) / 255.0;
        double low = 0.0;
        double high = 1.0;
        for (int i = 0; i < 60; ++i) {
            const double mid = 0.5 * (low + high);
            (SrgbCurve(mid) < wanted ? low : high) = mid;
        }
        steps[k] = high;
    }
    return steps;
}

std::uint32_t Packed(Rgb c) {
    return 0xff000000u | (static_cast<std::uint32_t>(c.r) << 16) |
           (static_cast<std::uint32_t>(c.g) << 8) | c.b;
}

}  // namespace

double SrgbCurve(double linear) {
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

LinearRgb Brightest(const LinearRgb& colour) {
    const double most = std::max({colour.r, colour.g, colour.b});
    if (!(most > 0.0) || std::isnan(colour.r + colour.g + colour.b) || !std::isfinite(most)) {
        return {};
    }
    return {colour.r / most, colour.g / most, colour.b / most};
}

std::uint8_t SrgbByte(double linear) {
    static const Steps steps = MakeSteps();
    const double c = linear >= 0.0 ? std::min(linear, 1.0) : 0.0;  // a NaN as 0
    return static_cast<std::uint8_t>(std::upper_bound(steps.begin(), steps.end(), c) -
                                     steps.begin());
}

Rgb ShownColour(const LinearRgb& colour) {
    const double least = std::min({colour.r, colour.g, colour.b});
    const double white = least < 0.0 ? -least : 0.0;
    double r = colour.r + white;
    double g = colour.g + white;
    double b = colour.b + white;
    const double most = std::max({r, g, b});
    if (most > 1.0) {
        r /= most;
        g /= most;
        b /= most;
    }
    return {SrgbByte(r), SrgbByte(g), SrgbByte(b)};
}

Rgb BandColour(const LinearRgb& colour) {
    return ShownColour(Brightest(colour));
}

void PaintTrueColour(std::span<const double> p, std::span<const LinearRgb> colour, int columns,
                     int rows, int count, const FieldScale& scale,
                     std::vector<std::uint32_t>& pixels) {
    const auto across = static_cast<std::size_t>(std::max(columns, 0));
    const auto down = static_cast<std::size_t>(std::max(rows, 0));
    pixels.assign(across * down, Packed({}));
    if (count <= 0 || p.size() < across * down || colour.size() < across * down) {
        return;
    }
    const double countSquared = static_cast<double>(count) * static_cast<double>(count);
    for (std::size_t k = 0; k < down; ++k) {
        const double* from = p.data() + k * across;
        const LinearRgb* light = colour.data() + k * across;
        std::uint32_t* to = pixels.data() + (down - 1 - k) * across;
        for (std::size_t i = 0; i < across; ++i) {
            if (!(from[i] > 0.0)) {
                continue;
            }
            // The colour per unit of white value, times the brightness the scale gives it.
            const double brightness = std::max(scale.Position(from[i] / countSquared), 0.0);
            const double share = brightness / from[i];
            to[i] =
                Packed(ShownColour({light[i].r * share, light[i].g * share, light[i].b * share}));
        }
    }
}

}  // namespace pathsum
