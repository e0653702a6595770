#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ExperimentSettings.h"
#include "MirrorPattern.h"
#include "PlotCanvas.h"

namespace pathsum {

// The picture of a field of light: p / N^2 at every pixel as a colour of a map whose lightness
// grows with the value, the numbers of its colour bar, and the lines drawn over it.

// Both grow evenly in CIE lightness L*, from black to nearly white.
enum class FieldColours {
    Perceptual,  // dark violet through red and orange to pale yellow
    Grey,        // black to light grey: prints as it shows
};

// The colour at position t of a map, t from 0 (no light: black) to 1 (full colour); t is taken
// into [0, 1], a NaN as 0.
Rgb FieldColour(FieldColours map, double t);

// The map of the waves (FieldWaves.h), diverging: its colours from full negative through black
// at zero to full positive, one hue a side, as 0xffrrggbb; the lightness grows evenly with the
// size of the value, alike on both sides.
inline constexpr std::size_t kWaveColours = 1023;  // odd: zero has its own colour, the middle one
using WaveColourTable = std::array<std::uint32_t, kWaveColours>;
const WaveColourTable& WaveColours();
// The colour at a position of the waves' colour bar: 0 full negative, 1/2 zero, 1 full
// positive; taken into [0, 1], a NaN as 1/2.
Rgb WaveColour(double position);

// How p / N^2 becomes a position on the map. The scale follows the run's gain as the curves do:
// full colour where a curve's band would reach the next screen, gain * p / N^2 = the screens'
// spacing; the logarithmic scale shows kLogDecades decades below that, for the faint fringes.
inline constexpr int kLogDecades = 4;

struct FieldScale {
    double full = 0.0;  // p / N^2 at full colour; not above 0, or infinite: nothing shows
    bool logarithmic = false;

    double Position(double pOverN2) const;
};

FieldScale ScaleFor(double gain, bool logarithmic);

// A number of the colour bar at its position on the map.
struct ScaleMark {
    double position = 0.0;
    std::string text;
    friend bool operator==(const ScaleMark&, const ScaleMark&) = default;
};

// The colour bar's numbers, from the bottom up: none when nothing shows.
std::vector<ScaleMark> ScaleMarks(const FieldScale& scale);

// The pixels of a field as 0xffrrggbb, rows from the top, from p at every pixel with row 0 at
// the bottom (as FieldRefinement gives it) and N = `count` paths at every point. Without paths
// no light arrives: every pixel is black.
void PaintField(std::span<const double> p, int columns, int rows, int count,
                const FieldScale& scale, FieldColours map, std::vector<std::uint32_t>& pixels);

// What is drawn over a field, in the plot frame.
struct FieldMark {
    enum class Kind {
        Element,  // a mirror or slit: a bar along the row from (x1, y1) to (x2, y2)
        Screen,   // one of the ten screens: a thin line across the plot
        Source,   // the source: a marker centred on (x1, y1)
    };
    Kind kind = Kind::Element;
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
    Rgb colour;
    friend bool operator==(const FieldMark&, const FieldMark&) = default;
};

// The element row, the ten screen lines and the source where the run's paths start (after
// the far-source rule: a far source lies outside the plot, and the window says so instead).
std::vector<FieldMark> FieldMarks(const ElementRow& row, SourcePoint source);

}  // namespace pathsum
