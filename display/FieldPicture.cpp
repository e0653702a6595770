#include "FieldPicture.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "Geometry.h"
#include "LightColour.h"
#include "NumberText.h"
#include "Screens.h"

namespace pathsum {
namespace {

// Each map is a table of this many colours, enough that neighbouring entries look alike.
constexpr std::size_t kMapColours = 1024;

// Both maps grow evenly in CIE lightness L* from black (0) to kTopLightness, equal steps of
// which look equal. The perceptual map is drawn in the OKLab space, whose L of a grey is the
// cube root of its luminance, as L* nearly is: the hue turns from violet (at kFirstHue) through
// red and orange to yellow, and the chroma is the most of kChroma that the screen's colours
// hold.
constexpr double kTopLightness = 96.0;
constexpr double kFirstHue = 290.0;  // degrees
constexpr double kHueTurn = 180.0;
constexpr double kChroma = 0.19;

// The waves' map is dark at zero and grows evenly in L* with the size of the value, to
// kWaveTopLightness at full colour on either side; a crest and a trough of the same size have
// the same luminance, so they print alike in grey. The sign is the hue, orange for positive and
// azure for negative, two hues whose screen colours reach about the same chroma at every
// lightness; both sides take the chroma both can show (up to kWaveChroma), so they mirror each
// other but for the hue. The top stays below the other maps' so that a crest keeps its hue.
constexpr double kWaveTopLightness = 88.0;
constexpr double kPositiveHue = 60.0;  // degrees
constexpr double kNegativeHue = 240.0;
constexpr double kWaveChroma = 0.15;

struct Linear {
    double r;
    double g;
    double b;
};

Linear LinearFromOklab(double l, double a, double b) {
    const double l1 = l + 0.3963377774 * a + 0.2158037573 * b;
    const double m1 = l - 0.1055613458 * a - 0.0638541728 * b;
    const double s1 = l - 0.0894841775 * a - 1.2914855480 * b;
    const double l3 = l1 * l1 * l1;
    const double m3 = m1 * m1 * m1;
    const double s3 = s1 * s1 * s1;
    return {4.0767416621 * l3 - 3.3077115913 * m3 + 0.2309699292 * s3,
            -1.2684380046 * l3 + 2.6097574011 * m3 - 0.3413193965 * s3,
            -0.0041960863 * l3 - 0.7034186147 * m3 + 1.7076147010 * s3};
}

bool Shown(const Linear& c) {
    constexpr double kSlack = 1e-9;
    return c.r >= -kSlack && c.r <= 1.0 + kSlack && c.g >= -kSlack && c.g <= 1.0 + kSlack &&
           c.b >= -kSlack && c.b <= 1.0 + kSlack;
}

std::uint8_t Encoded(double linear) {
    return static_cast<std::uint8_t>(std::lround(SrgbCurve(std::clamp(linear, 0.0, 1.0)) * 255.0));
}

// The relative luminance Y of the CIE lightness L*.
double LuminanceOf(double lightness) {
    const double f = (lightness + 16.0) / 116.0;
    return lightness > 8.0 ? f * f * f : lightness * 27.0 / 24389.0;  // the CIE definition's toe
}

double LuminanceOf(const Linear& c) {
    return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b;
}

// OKLab's L of the grey whose CIE lightness is `lightness`.
double OklabLightness(double lightness) {
    return std::cbrt(LuminanceOf(lightness));
}

// The most chroma up to `wanted` the screen can show at this OKLab lightness and hue (radians).
double MostChroma(double lightness, double hue, double wanted) {
    double low = 0.0;
    double high = wanted;
    for (int i = 0; i < 40; ++i) {
        const double mid = 0.5 * (low + high);
        (Shown(LinearFromOklab(lightness, mid * std::cos(hue), mid * std::sin(hue))) ? low : high) =
            mid;
    }
    return low;
}

Rgb OklabColour(double lightness, double hue, double chroma) {
    const Linear c = LinearFromOklab(lightness, chroma * std::cos(hue), chroma * std::sin(hue));
    return {Encoded(c.r), Encoded(c.g), Encoded(c.b)};
}

Rgb PerceptualColour(double t) {
    const double lightness = OklabLightness(kTopLightness * t);
    const double hue = (kFirstHue + kHueTurn * t) * kPi / 180.0;
    // Full chroma in the middle, less towards black and the pale end.
    const double wanted = kChroma * std::sqrt(std::sin(kPi * (0.05 + 0.9 * t)));
    return OklabColour(lightness, hue, MostChroma(lightness, hue, wanted));
}

// The OKLab colour of this hue (radians) and chroma whose luminance is `luminance`: Newton's
// steps from the grey of that luminance, the slope of the luminance (a cubic in OKLab's L)
// taken across a short step.
Linear WithLuminance(double luminance, double hue, double chroma) {
    const double a = chroma * std::cos(hue);
    const double b = chroma * std::sin(hue);
    const auto y = [&](double l) { return LuminanceOf(LinearFromOklab(l, a, b)); };
    constexpr double kStep = 1e-3;
    double l = std::cbrt(luminance);
    for (int i = 0; i < 6; ++i) {
        const double slope = (y(l + kStep) - y(l - kStep)) / (2.0 * kStep);
        if (!(slope > 0.0)) {
            break;
        }
        l -= (y(l) - luminance) / slope;
    }
    return LinearFromOklab(l, a, b);
}

// The waves' colours of a value of this size (0 to 1 of full colour), positive and negative:
// the same luminance, the same chroma, the most both hues show.
struct WaveSides {
    Rgb positive;
    Rgb negative;
};

WaveSides WaveSidesOf(double size) {
    const double luminance = LuminanceOf(kWaveTopLightness * size);
    const double positive = kPositiveHue * kPi / 180.0;
    const double negative = kNegativeHue * kPi / 180.0;
    double low = 0.0;
    double high = kWaveChroma;
    for (int i = 0; i < 20; ++i) {
        const double mid = 0.5 * (low + high);
        (Shown(WithLuminance(luminance, positive, mid)) &&
                 Shown(WithLuminance(luminance, negative, mid))
             ? low
             : high) = mid;
    }
    const auto encoded = [](const Linear& c) -> Rgb {
        return {Encoded(c.r), Encoded(c.g), Encoded(c.b)};
    };
    return {encoded(WithLuminance(luminance, positive, low)),
            encoded(WithLuminance(luminance, negative, low))};
}

Rgb GreyColour(double t) {
    const Linear c = LinearFromOklab(OklabLightness(kTopLightness * t), 0.0, 0.0);
    const std::uint8_t v = Encoded(c.g);
    return {v, v, v};
}

std::uint32_t Packed(Rgb c) {
    return 0xff000000u | (static_cast<std::uint32_t>(c.r) << 16) |
           (static_cast<std::uint32_t>(c.g) << 8) | c.b;
}

using ColourTable = std::array<std::uint32_t, kMapColours>;

ColourTable MakeTable(Rgb (*colour)(double)) {
    ColourTable table{};
    for (std::size_t i = 0; i < kMapColours; ++i) {
        table[i] = Packed(colour(static_cast<double>(i) / (kMapColours - 1)));
    }
    return table;
}

const ColourTable& TableOf(FieldColours map) {
    static const ColourTable perceptual = MakeTable(PerceptualColour);
    static const ColourTable grey = MakeTable(GreyColour);
    return map == FieldColours::Grey ? grey : perceptual;
}

std::size_t EntryOf(double t) {
    const double clamped = t >= 0.0 ? std::min(t, 1.0) : 0.0;  // a NaN as 0
    return static_cast<std::size_t>(std::lround(clamped * (kMapColours - 1)));
}

// The gap between neighbouring screens: how far a band may reach before it meets the next.
double ScreenSpacing() {
    return kScreenYs[1] - kScreenYs[0];
}

}  // namespace

const WaveColourTable& WaveColours() {
    static const WaveColourTable table = [] {
        constexpr std::size_t kZero = (kWaveColours - 1) / 2;
        WaveColourTable t{};
        for (std::size_t i = 0; i <= kZero; ++i) {
            const WaveSides sides = WaveSidesOf(static_cast<double>(i) / kZero);
            t[kZero + i] = Packed(sides.positive);
            t[kZero - i] = Packed(sides.negative);
        }
        return t;
    }();
    return table;
}

Rgb WaveColour(double position) {
    const double clamped = position >= 0.0 ? std::min(position, 1.0) : 0.0;
    const double at = position == position ? clamped : 0.5;  // a NaN as zero
    const std::uint32_t c =
        WaveColours()[static_cast<std::size_t>(std::lround(at * (kWaveColours - 1)))];
    return {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
            static_cast<std::uint8_t>(c)};
}

Rgb FieldColour(FieldColours map, double t) {
    const std::uint32_t c = TableOf(map)[EntryOf(t)];
    return {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
            static_cast<std::uint8_t>(c)};
}

double FieldScale::Position(double pOverN2) const {
    if (!(full > 0.0) || !std::isfinite(full) || !(pOverN2 > 0.0)) {
        return 0.0;
    }
    const double ratio = pOverN2 / full;
    if (!logarithmic) {
        return ratio;
    }
    return 1.0 + std::log10(ratio) / kLogDecades;
}

FieldScale ScaleFor(double gain, bool logarithmic) {
    return {ScreenSpacing() / std::fabs(gain), logarithmic};
}

std::vector<ScaleMark> ScaleMarks(const FieldScale& scale) {
    if (!(scale.full > 0.0) || !std::isfinite(scale.full)) {
        return {};
    }
    std::vector<ScaleMark> marks;
    if (scale.logarithmic) {
        for (int decade = kLogDecades; decade >= 0; --decade) {
            marks.push_back({1.0 - static_cast<double>(decade) / kLogDecades,
                             ReadableNumber(scale.full * std::pow(10.0, -decade))});
        }
        return marks;
    }
    constexpr int kSteps = 4;
    for (int step = 0; step <= kSteps; ++step) {
        const double position = static_cast<double>(step) / kSteps;
        marks.push_back({position, ReadableNumber(scale.full * position)});
    }
    return marks;
}

void PaintField(std::span<const double> p, int columns, int rows, int count,
                const FieldScale& scale, FieldColours map, std::vector<std::uint32_t>& pixels) {
    const ColourTable& table = TableOf(map);
    const auto across = static_cast<std::size_t>(std::max(columns, 0));
    const auto down = static_cast<std::size_t>(std::max(rows, 0));
    pixels.assign(across * down, table[0]);
    if (count <= 0 || p.size() < across * down) {
        return;
    }
    const double countSquared = static_cast<double>(count) * static_cast<double>(count);
    for (std::size_t k = 0; k < down; ++k) {
        const double* from = p.data() + k * across;
        std::uint32_t* to = pixels.data() + (down - 1 - k) * across;
        for (std::size_t i = 0; i < across; ++i) {
            to[i] = table[EntryOf(scale.Position(from[i] / countSquared))];
        }
    }
}

std::vector<FieldMark> FieldMarks(const ElementRow& row, SourcePoint source) {
    std::vector<FieldMark> marks;
    const Rgb element = PaletteColour(kElementColour);
    for (double left : row.leftEdges) {
        marks.push_back({FieldMark::Kind::Element, left, kRowY, left + row.width, kRowY, element});
    }
    const Rgb grid = PaletteColour(kGridColour);
    for (double y : kScreenYs) {
        marks.push_back({FieldMark::Kind::Screen, kPlotLeft, y, kPlotRight, y, grid});
    }
    const double x = source.x;
    const double y = source.y;
    if (x >= kPlotLeft && x <= kPlotRight && y >= 0.0 && y <= kRowY) {
        marks.push_back({FieldMark::Kind::Source, x, y, x, y, {0, 255, 0}});
    }
    return marks;
}

}  // namespace pathsum
