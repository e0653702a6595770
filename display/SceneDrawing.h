#pragma once

#include "MirrorPattern.h"
#include "PlotCanvas.h"

namespace pathsum {

// Clears the canvas and draws the fixed part of the picture: the grey grid over the plot
// square (for i = 10 to 100, the vertical line at x = i then the horizontal one at y = i) and
// each element of the row as a white bar from (x, 100) to (x + w, 100.5), left to right.
void DrawScene(PlotCanvas& canvas, const ElementRow& row);

}  // namespace pathsum
