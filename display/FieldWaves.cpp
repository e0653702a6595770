#include "FieldWaves.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "Geometry.h"
#include "NumberText.h"

namespace pathsum {
namespace {

// The steps of a period the time is taken to: far finer than any frame rate shows.
constexpr double kTurnSteps = 65536.0;

// The middle colour of the waves' map (zero), and the colours on either side of it.
constexpr std::size_t kHalfColours = (kWaveColours - 1) / 2;

// The value at full colour; 0 when nothing shows.
double FullValue(const FieldScale& scale) {
    return scale.full > 0.0 && std::isfinite(scale.full) ? std::sqrt(scale.full) : 0.0;
}

// The size of u = value / full value on a side of the bar, from 0 (zero) to 1 (full colour);
// NaN for a NaN.
double SideShare(double u, bool logarithmic) {
    const double size = std::fabs(u);
    if (!logarithmic) {
        return std::min(size, 1.0);
    }
    if (!(size > 0.0)) {
        return size;  // 0, or a NaN
    }
    // kLogDecades decades of the square, half as many of the value.
    return std::clamp(1.0 + 2.0 * std::log10(size) / kLogDecades, 0.0, 1.0);
}

// The entry of the waves' map of u = value / full value on the linear scale.
std::size_t EntryOf(double u) {
    const double share = std::copysign(SideShare(u, false), u);
    const double at = share * static_cast<double>(kHalfColours) + (kHalfColours + 0.5);
    return at >= 0.0 ? static_cast<std::size_t>(at) : kHalfColours;  // a NaN as zero
}

// The logarithmic scale's side of the map looked up, not computed, for a frame: a logarithm at
// every pixel would take longer than the frame may. The square w = u^2 is looked up by its binary
// exponent and the first kBinBits bits of its mantissa, each bin's entry that of its geometric
// middle: a bin spans a 256th of a doubling, under a fifth of an entry of the map.
constexpr int kBinBits = 8;
constexpr int kMantissaBits = 52;
// Squares below this power of two show as zero: 2^-4 is below a tenth, so the scale's
// kLogDecades decades lie above it.
constexpr int kLowestExponent = -4 * kLogDecades;

std::uint64_t BitsOf(double w) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &w, sizeof bits);
    return bits;
}

class LogSides {
  public:
    LogSides() {
        const std::uint64_t first = Bin(std::ldexp(1.0, kLowestExponent));
        side_.resize(Bin(1.0) - first);
        for (std::size_t i = 0; i < side_.size(); ++i) {
            double low = 0.0;
            double high = 0.0;
            const std::uint64_t bin = first + i;
            const std::uint64_t lowBits = bin << (kMantissaBits - kBinBits);
            const std::uint64_t highBits = (bin + 1) << (kMantissaBits - kBinBits);
            std::memcpy(&low, &lowBits, sizeof low);
            std::memcpy(&high, &highBits, sizeof high);
            const double share = SideShare(std::sqrt(std::sqrt(low * high)), true);
            side_[i] =
                static_cast<std::uint16_t>(std::lround(share * static_cast<double>(kHalfColours)));
        }
        first_ = first;
    }

    // The entry of u.
    std::size_t EntryOf(double u) const {
        const double w = u * u;
        std::size_t side = 0;
        if (w >= 1.0) {
            side = kHalfColours;
        } else if (w >= kLowest) {  // not for a NaN
            side = side_[Bin(w) - first_];
        }
        return u < 0.0 ? kHalfColours - side : kHalfColours + side;
    }

  private:
    static std::uint64_t Bin(double w) { return BitsOf(w) >> (kMantissaBits - kBinBits); }

    static constexpr double kLowest = 1.0 / (1ull << -kLowestExponent);
    std::vector<std::uint16_t> side_;
    std::uint64_t first_ = 0;
};

const LogSides& TheLogSides() {
    static const LogSides sides;
    return sides;
}

}  // namespace

WaveTurn WaveTurnAt(double periods) {
    const double t = std::isfinite(periods) ? periods : 0.0;
    const double step = std::fmod(std::round((t - std::floor(t)) * kTurnSteps), kTurnSteps);
    const double angle = -2.0 * kPi * (step / kTurnSteps);
    return {std::cos(angle), std::sin(angle)};
}

double WaveValue(double re, double im, int count, const WaveTurn& turn) {
    if (count <= 0) {
        return 0.0;
    }
    // Re((re + i im)(cos + i sin)).
    return (re * turn.cos - im * turn.sin) / static_cast<double>(count);
}

double WavePosition(const FieldScale& scale, double value) {
    const double full = FullValue(scale);
    if (!(full > 0.0)) {
        return 0.5;
    }
    const double u = value / full;
    const double share = SideShare(u, scale.logarithmic);
    if (share != share) {
        return 0.5;
    }
    return 0.5 + 0.5 * std::copysign(share, u);
}

std::vector<ScaleMark> WaveScaleMarks(const FieldScale& scale) {
    const double full = FullValue(scale);
    if (!(full > 0.0)) {
        return {};
    }
    // Full colour and half of it on either side, or in the logarithmic scale each decade of the
    // value down to where it shows as zero.
    std::vector<double> values;
    if (scale.logarithmic) {
        for (int decade = 0; 2 * decade < kLogDecades; ++decade) {
            values.push_back(full * std::pow(10.0, -decade));
        }
    } else {
        values = {full, 0.5 * full};
    }
    std::vector<ScaleMark> marks;
    marks.reserve(2 * values.size() + 1);
    for (double value : values) {
        marks.push_back({WavePosition(scale, -value), ReadableNumber(-value)});
    }
    marks.push_back({0.5, ReadableNumber(0.0)});
    for (auto v = values.rbegin(); v != values.rend(); ++v) {
        marks.push_back({WavePosition(scale, *v), ReadableNumber(*v)});
    }
    return marks;
}

void PaintWaves(std::span<const double> re, std::span<const double> im, int columns, int rows,
                int count, double periods, const FieldScale& scale,
                std::vector<std::uint32_t>& pixels) {
    const WaveColourTable& table = WaveColours();
    const auto across = static_cast<std::size_t>(std::max(columns, 0));
    const auto down = static_cast<std::size_t>(std::max(rows, 0));
    pixels.assign(across * down, table[kHalfColours]);
    const double full = FullValue(scale);
    if (count <= 0 || !(full > 0.0) || re.size() < across * down || im.size() < across * down) {
        return;
    }
    // u = WaveValue / full, with the turn, 1 / N and 1 / full in two factors.
    const WaveTurn turn = WaveTurnAt(periods);
    const double factor = 1.0 / (static_cast<double>(count) * full);
    const double c = turn.cos * factor;
    const double s = turn.sin * factor;
    const bool logarithmic = scale.logarithmic;
    for (std::size_t k = 0; k < down; ++k) {
        const double* fromRe = re.data() + k * across;
        const double* fromIm = im.data() + k * across;
        std::uint32_t* to = pixels.data() + (down - 1 - k) * across;
        if (logarithmic) {
            const LogSides& sides = TheLogSides();
            for (std::size_t i = 0; i < across; ++i) {
                to[i] = table[sides.EntryOf(fromRe[i] * c - fromIm[i] * s)];
            }
        } else {
            for (std::size_t i = 0; i < across; ++i) {
                to[i] = table[EntryOf(fromRe[i] * c - fromIm[i] * s)];
            }
        }
    }
}

}  // namespace pathsum
