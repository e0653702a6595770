#pragma once

#include <array>
#include <cstdint>
#include <limits>

namespace pathsum {

// Every limit the program enforces, with the reason it exists. A value beyond one of these is
// refused before a run starts (with a text from Refusal.h) or, for the step ranges, wrapped to
// the other end of its range.

// The most rays one sweep of the source may try: it bounds both the time of the enumeration
// (about a third of a second) and the memory of the paths it keeps.
inline constexpr std::int64_t kMaxRaysPerSweep = 20'000'000;

// The largest grating built; more elements would only slow the drawing of the row.
inline constexpr int kMaxGratingElements = 100'000;

// The narrowest grating period (width plus spacing) that stays within kMaxGratingElements
// across the 100 units of the row.
inline constexpr double kMinGratingPeriod = 100.0 / kMaxGratingElements;

// The finest detector step: 100,001 points a screen, which keeps a run's arrays and drawing
// bounded.
inline constexpr double kMinDetectorStep = 0.001;

// No second leg (element row to detector point) is longer than the diagonal of the plot
// square: with the longest first leg it bounds the longest path of a run.
inline constexpr double kLongestSecondLeg = 142.0;

// A path's arrow turns by the fractional part of its length in wavelengths, which a double
// keeps to a millionth of a turn or better only below 2^33 turns (from there on neighbouring
// doubles lie 2^-19 turns apart). A wavelength that makes the longest path of a run this many
// wavelengths long, or more, is refused: the arrows would point wherever rounding put them.
inline constexpr double kMostResolvedTurns = 8589934592.0;  // 2^33

// The largest gain, of either sign. A point is plotted at (gain * p) / N^2, the product first,
// where p, the squared length of a sum of N unit arrows, is at most N^2, and N is at most
// kMaxRaysPerSweep: so |gain * p| stays below 1E+293 * (2E+07)^2 = 4E+307, inside the double
// range (about 1.8E+308), and every plotted value (the bands, the arrows window's numbers, the
// CSV) is a finite number no larger than the gain. A larger gain could plot infinities.
inline constexpr double kMaxGain = 1E+293;
static_assert(kMaxGain * static_cast<double>(kMaxRaysPerSweep) *
                      static_cast<double>(kMaxRaysPerSweep) <
                  std::numeric_limits<double>::max(),
              "a gain times the largest p must stay inside the double range");

// The most the interpolated sum may add, a priori, to the error of any p / N^2 it plots (the
// run falls back to the sum over every path where it cannot keep to it): far below the 1e-9
// the engine keeps to against the sweep, so that a detector point's arrows added one by one
// still agree with its plotted value to 1e-12.
inline constexpr double kMaxInterpolationError = 1e-13;

// The most orders of a grating drawn on either side of the zeroth: beyond twenty, neighbouring
// order lines lie less than three degrees apart near the vertical and their labels could not be
// told apart.
inline constexpr int kMostOrdersEachSide = 20;

// The five parameters a label steps by a factor of ten, and the range each cycles through.
enum class Parameter { Wavelength, Resolution, Gain, Width, Spacing };

struct ParameterRange {
    Parameter parameter;
    double low;   // a downward step below this jumps to high
    double high;  // an upward step above this jumps to low
};

// The ranges the step procedures keep a value in, chosen so that each cycle runs through the
// useful decades of its parameter.
inline constexpr std::array<ParameterRange, 5> kParameterRanges = {{
    {Parameter::Wavelength, 0.001, 1.0},
    {Parameter::Resolution, 1E-05, 0.01},
    {Parameter::Gain, 0.001, 10.0},
    {Parameter::Width, 0.001, 100.0},
    {Parameter::Spacing, 0.001, 100.0},
}};

}  // namespace pathsum
