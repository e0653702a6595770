#include "GraphPlotter.h"

#include "NumberText.h"
#include "Screens.h"

namespace pathsum {

ScreenLabels LabelsForScreen(double screenY, int count) {
    ScreenLabels labels;
    labels.index = ScreenLabelIndex(screenY);
    labels.distance = TextFromNumber(100.0 - screenY);
    labels.paths = TextFromNumber(count);
    return labels;
}

void GraphPlotter::StartScreen(double screenY) {
    screenY_ = screenY;
    previousX_ = 0.0;
    previousP_ = 0.0;
}

void GraphPlotter::Plot(double x, int count, double p) {
    if (count <= 0) {
        return;
    }
    const double countSquared = static_cast<double>(count) * count;
    const double v = (gain_ * p) / countSquared;
    const double vPrevious = (gain_ * previousP_) / countSquared;
    const Rgb white = PaletteColour(kElementColour);
    const float fx = CanvasCoordinate(x);
    const float fPrevX = CanvasCoordinate(previousX_);
    const float top = CanvasCoordinate(screenY_ + v);
    const float bottom = CanvasCoordinate(screenY_ - v);
    canvas_.Line(fx, bottom, fx, top, white, LineKind::Segment);
    canvas_.Line(fPrevX, CanvasCoordinate(screenY_ + vPrevious), fx, top, white, LineKind::Segment);
    canvas_.Line(fPrevX, CanvasCoordinate(screenY_ - vPrevious), fx, bottom, white,
                 LineKind::Segment);
    previousX_ = x;
    previousP_ = p;
}

}  // namespace pathsum
