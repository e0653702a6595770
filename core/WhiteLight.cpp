#include "WhiteLight.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace pathsum {
namespace {

// The CIE 1931 standard colorimetric observer (2 degrees): the colour-matching functions
// x-bar, y-bar and z-bar from 380 to 780 nanometres every 10 nanometres, as the CIE tabulates
// them (CIE 15:2004, table T.4; the same values as ISO/CIE 11664-1). Between two rows a
// wavelength takes the straight line between them; the white light's wavelengths are rows.
// Checked when written against the multi-lobe Gaussian fit of Wyman, Sloan and Shirley (2013):
// no value departs from it by more than 0.015, the fit's own error, and equal power over the
// whole table lies at x = y = 1/3 to within 1e-4, as the CIE's equal-energy white does.
constexpr double kTableFirst = 380.0;
constexpr double kTableStep = 10.0;
constexpr std::array<std::array<double, 3>, 41> kColourMatching = {{
    {0.001368, 0.000039, 0.006450},  // 380
    {0.004243, 0.000120, 0.020050},  // 390
    {0.014310, 0.000396, 0.067850},  // 400
    {0.043510, 0.001210, 0.207400},  // 410
    {0.134380, 0.004000, 0.645600},  // 420
    {0.283900, 0.011600, 1.385600},  // 430
    {0.348280, 0.023000, 1.747060},  // 440
    {0.336200, 0.038000, 1.772110},  // 450
    {0.290800, 0.060000, 1.669200},  // 460
    {0.195360, 0.090980, 1.287640},  // 470
    {0.095640, 0.139020, 0.812950},  // 480
    {0.032010, 0.208020, 0.465180},  // 490
    {0.004900, 0.323000, 0.272000},  // 500
    {0.009300, 0.503000, 0.158200},  // 510
    {0.063270, 0.710000, 0.078250},  // 520
    {0.165500, 0.862000, 0.042160},  // 530
    {0.290400, 0.954000, 0.020300},  // 540
    {0.433450, 0.994950, 0.008750},  // 550
    {0.594500, 0.995000, 0.003900},  // 560
    {0.762100, 0.952000, 0.002100},  // 570
    {0.916300, 0.870000, 0.001650},  // 580
    {1.026300, 0.757000, 0.001100},  // 590
    {1.062200, 0.631000, 0.000800},  // 600
    {1.002600, 0.503000, 0.000340},  // 610
    {0.854450, 0.381000, 0.000190},  // 620
    {0.642400, 0.265000, 0.000050},  // 630
    {0.447900, 0.175000, 0.000020},  // 640
    {0.283500, 0.107000, 0.000000},  // 650
    {0.164900, 0.061000, 0.000000},  // 660
    {0.087400, 0.032000, 0.000000},  // 670
    {0.046770, 0.017000, 0.000000},  // 680
    {0.022700, 0.008210, 0.000000},  // 690
    {0.011359, 0.004102, 0.000000},  // 700
    {0.005790, 0.002091, 0.000000},  // 710
    {0.002899, 0.001047, 0.000000},  // 720
    {0.001440, 0.000520, 0.000000},  // 730
    {0.000690, 0.000249, 0.000000},  // 740
    {0.000332, 0.000120, 0.000000},  // 750
    {0.000166, 0.000060, 0.000000},  // 760
    {0.000083, 0.000030, 0.000000},  // 770
    {0.000042, 0.000015, 0.000000},  // 780
}};
static_assert(kTableFirst + kTableStep * (kColourMatching.size() - 1) == kLongestNanometres &&
              kTableFirst == kShortestNanometres);

// From CIE XYZ to linear sRGB: the matrix of IEC 61966-2-1 (sRGB primaries, D65 white).
constexpr double kXyzToRgb[3][3] = {
    {3.2406, -1.5372, -0.4986},
    {-0.9689, 1.8758, 0.0415},
    {0.0557, -0.2040, 1.0570},
};

std::array<double, 3> MatchingAt(double nanometres) {
    const double at = (nanometres - kTableFirst) / kTableStep;
    const auto row = static_cast<std::size_t>(at);
    const double share = at - static_cast<double>(row);
    if (share == 0.0) {
        return kColourMatching[row];
    }
    std::array<double, 3> xyz{};
    for (std::size_t c = 0; c < 3; ++c) {
        const double low = kColourMatching[row][c];
        const double high = kColourMatching[row + 1][c];
        xyz[c] = low + (high - low) * share;
    }
    return xyz;
}

std::array<double, 3> RgbOf(const std::array<double, 3>& xyz) {
    std::array<double, 3> rgb{};
    for (std::size_t c = 0; c < 3; ++c) {
        rgb[c] = kXyzToRgb[c][0] * xyz[0] + kXyzToRgb[c][1] * xyz[1] + kXyzToRgb[c][2] * xyz[2];
    }
    return rgb;
}

}  // namespace

Light WhiteLight() {
    Light light;
    for (std::size_t j = 0; j < kWhiteWavelengths; ++j) {
        light.nanometres.push_back(kWhiteFirstNanometres +
                                   kWhiteStepNanometres * static_cast<double>(j));
    }
    return light;
}

std::vector<std::size_t> PreviewWavelengths(std::size_t count) {
    constexpr std::size_t kEvery = 3;
    std::vector<std::size_t> places;
    for (std::size_t w = 0; w < count; w += kEvery) {
        places.push_back(w);
    }
    if (count > 0 && places.back() != count - 1) {
        places.push_back(count - 1);
    }
    return places;
}

double WavelengthAt(double typed, double nanometres) {
    return typed * (nanometres / kTypedNanometres);
}

Spectrum::Spectrum(const Light& light)
    : nanometres_(light.Spectral() ? light.nanometres : std::vector<double>{kTypedNanometres}) {
    std::array<double, 3> equalPower{};
    for (const double n : nanometres_) {
        if (!(n >= kShortestNanometres && n <= kLongestNanometres)) {
            throw std::invalid_argument("Spectrum: a wavelength outside the colour-matching table");
        }
        ratios_.push_back(kTypedNanometres / n);
        const std::array<double, 3> rgb = RgbOf(MatchingAt(n));
        rgbPerP_.push_back(rgb);
        for (std::size_t c = 0; c < 3; ++c) {
            equalPower[c] += rgb[c];
        }
    }
    // The white balance: each channel divided by what equal power at every wavelength gives it,
    // so that equal p give r = g = b = p.
    for (std::size_t c = 0; c < 3; ++c) {
        if (!(std::isfinite(equalPower[c]) && equalPower[c] != 0.0)) {
            throw std::invalid_argument("Spectrum: equal power has no colour to balance to");
        }
        for (std::array<double, 3>& rgb : rgbPerP_) {
            rgb[c] /= equalPower[c];
        }
    }
}

double Spectrum::MostTurnsRatio() const {
    return *std::max_element(ratios_.begin(), ratios_.end());
}

WhitePoint Spectrum::At(std::span<const double> p) const {
    if (p.size() != nanometres_.size()) {
        throw std::invalid_argument("Spectrum::At: one p for every wavelength");
    }
    WhitePoint point;
    double sum = 0.0;
    for (std::size_t j = 0; j < p.size(); ++j) {
        sum += p[j];
        point.colour.r += p[j] * rgbPerP_[j][0];
        point.colour.g += p[j] * rgbPerP_[j][1];
        point.colour.b += p[j] * rgbPerP_[j][2];
    }
    point.p = sum / static_cast<double>(p.size());
    return point;
}

}  // namespace pathsum
