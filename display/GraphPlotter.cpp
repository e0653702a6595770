#include "GraphPlotter.h"

#include <stdexcept>

#include "Geometry.h"
#include "NumberText.h"
#include "Screens.h"

namespace pathsum {

double PlottedValue(double gain, double p, int count) {
    const double countSquared = static_cast<double>(count) * count;
    return (gain * p) / countSquared;
}

std::vector<PlottedPoint> PlottedPoints(std::span<const double> detectorX,
                                        std::span<const double> p, int count, double gain) {
    if (detectorX.size() != p.size()) {
        throw std::invalid_argument("PlottedPoints: an x for every p");
    }
    std::vector<PlottedPoint> points;
    if (count <= 0) {
        return points;
    }
    points.reserve(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        points.push_back({detectorX[i], PlottedValue(gain, p[i], count)});
    }
    return points;
}

ScreenLabels LabelsForScreen(double screenY, int count) {
    ScreenLabels labels;
    labels.index = ScreenLabelIndex(screenY);
    labels.distance = TextFromNumber(DistanceFromRow(screenY));
    labels.paths = TextFromNumber(count);
    return labels;
}

void GraphPlotter::StartScreen(double screenY) {
    screenY_ = screenY;
    previousX_ = 0.0;
    previousP_ = 0.0;
}

void GraphPlotter::Plot(double x, int count, double p) {
    Plot(x, count, p, PaletteColour(kElementColour));
}

void GraphPlotter::Plot(double x, int count, double p, Rgb colour) {
    if (count <= 0) {
        return;
    }
    const double v = PlottedValue(gain_, p, count);
    const double vPrevious = PlottedValue(gain_, previousP_, count);
    const float fx = CanvasCoordinate(x);
    const float fPrevX = CanvasCoordinate(previousX_);
    const float top = CanvasCoordinate(screenY_ + v);
    const float bottom = CanvasCoordinate(screenY_ - v);
    canvas_.Line(fx, bottom, fx, top, colour, LineKind::Segment);
    canvas_.Line(fPrevX, CanvasCoordinate(screenY_ + vPrevious), fx, top, colour,
                 LineKind::Segment);
    canvas_.Line(fPrevX, CanvasCoordinate(screenY_ - vPrevious), fx, bottom, colour,
                 LineKind::Segment);
    previousX_ = x;
    previousP_ = p;
}

}  // namespace pathsum
