#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "FieldPicture.h"
#include "PlotCanvas.h"
#include "WhiteLight.h"

namespace pathsum {

// The colour of light of several wavelengths as the program shows it and writes it down; the
// colour itself comes from the run (Spectrum::At, in linear sRGB, white-balanced).

// The colour at its brightest: scaled so that its largest channel is 1. Black (all three 0)
// where no light arrives: no channel above 0, or one that is not a number.
LinearRgb Brightest(const LinearRgb& colour);

// The sRGB curve (IEC 61966-2-1): a channel of linear sRGB from 0 to 1 as the screen's value
// from 0 to 1.
double SrgbCurve(double linear);

// A channel of linear sRGB through the sRGB curve, as the nearest byte; taken into [0, 1]
// first, a NaN as 0.
std::uint8_t SrgbByte(double linear);

// A linear colour as the screen shows it: brought among the screen's colours (a channel below 0
// by adding as much white as it lacks, then one above 1 by dimming all three alike, which keeps
// the hue), then each channel through the sRGB curve.
Rgb ShownColour(const LinearRgb& colour);

// The colour a run's band is drawn in at a point: the point's light at its brightest.
Rgb BandColour(const LinearRgb& colour);

// The pixels of a field in true colour as 0xffrrggbb, rows from the top, from the white value p
// and the colour of every pixel with row 0 at the bottom (as FieldRefinement gives them) and
// N = `count` paths at every point. A pixel is as bright as the scale puts its white value
// p / N^2 (full brightness where a grey would be white), in the colour of its light. Without
// paths no light arrives: every pixel is black.
void PaintTrueColour(std::span<const double> p, std::span<const LinearRgb> colour, int columns,
                     int rows, int count, const FieldScale& scale,
                     std::vector<std::uint32_t>& pixels);

}  // namespace pathsum
