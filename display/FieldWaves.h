#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "FieldPicture.h"

namespace pathsum {

// The field of light as waves in time. A path's arrow stands for the light that has come along
// it; as time passes every arrow turns by the same angle, once a period T, and the real part of
// a pixel's sum turned so is the wave there at that instant. The sums are the field's own
// (FieldRefinement's Re and Im): a frame only turns and colours them, it forms no sum.

// The turn of every arrow at time t = periods * T: e^(-2 pi i t / T), as its cosine and sine.
// The direction is the one that makes light travel away from its source. The engine gives a
// path of length L the arrow e^(+2 pi i L / lambda): the phase grows along the path, one turn a
// wavelength. Turned by e^(-2 pi i t / T), the arrow is e^(2 pi i (L / lambda - t / T)), whose
// crests (phase a whole number of turns) stand at L = lambda (m + t / T): they move outward, a
// wavelength a period. (Turned the other way they would move towards the source.)
// Only the part of `periods` after its whole periods counts, taken to a 65536th of a period, so
// that one period later every arrow, and so every pixel, is exactly where it was; a number that
// is not finite is taken as 0.
struct WaveTurn {
    double cos = 1.0;
    double sin = 0.0;
};
WaveTurn WaveTurnAt(double periods);

// What a pixel shows at that instant: Re(S * turn) / N, S = re + i im the sum of its N paths'
// arrows (0 without paths). Over a period its square averages p / (2 N^2), p = |S|^2; at its
// crest it is |S| / N.
double WaveValue(double re, double im, int count, const WaveTurn& turn);

// Where a value lies on the waves' colour bar, from 0 (full negative) through 1/2 (zero) to 1
// (full positive). The scale follows the gain as the other maps' does (ScaleFor): full colour
// where the value's square reaches the scale's full p / N^2, so a pixel's crest shows as bright
// as its p does on the grey map. The logarithmic scale spans kLogDecades decades of that square
// (half as many of the value) on either side, the smaller values shown as zero.
double WavePosition(const FieldScale& scale, double value);

// The colour bar's numbers for the waves, from the bottom (full negative) up: none when nothing
// shows.
std::vector<ScaleMark> WaveScaleMarks(const FieldScale& scale);

// One frame: the pixels as 0xffrrggbb, rows from the top, coloured by WaveValue at time
// `periods` (in periods) from the sum's components re and im at every pixel, row 0 at the bottom
// (as FieldRefinement gives them), N = `count` paths at every point. Without paths, or with
// fewer components than pixels, every pixel is black. The same numbers always give the same
// frame.
void PaintWaves(std::span<const double> re, std::span<const double> im, int columns, int rows,
                int count, double periods, const FieldScale& scale,
                std::vector<std::uint32_t>& pixels);

}  // namespace pathsum
