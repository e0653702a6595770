#pragma once

#include <span>

#include "FarField.h"
#include "PlotCanvas.h"

namespace pathsum {

// The colour of everything the textbook says over the plot: apart from the white of the bands
// and the grey of the grid, and still bright on black and dark enough on white paper.
inline constexpr Rgb kTheoryColour{255, 80, 200};

// The far-field prediction over the screen at `screenY`, in the units the screen's band is
// plotted in: the two edges of the band the textbook predicts, screenY +- gain * prediction, a
// segment from each detector point to the next in kTheoryColour. A point without a prediction
// (NaN) breaks both edges there. Drawn onto a canvas of its own, over the run's picture and
// never into it.
void DrawPrediction(PlotCanvas& canvas, const FarField& theory, double screenY,
                    std::span<const double> detectorX, double gain);

}  // namespace pathsum
