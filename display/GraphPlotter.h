#pragma once

#include <span>
#include <string>
#include <vector>

#include "PlotCanvas.h"
#include "Sonification.h"

namespace pathsum {

// What a finished screen writes into its pair of labels.
struct ScreenLabels {
    int index = 0;         // 0 for the screen nearest the element row, 9 for y = 0
    std::string distance;  // the screen's distance from the row
    std::string paths;     // the path count of its last detector point
};

// The value a detector point is plotted with: the half height of its band, gain * p / N^2.
// Only points with paths are plotted (count > 0).
double PlottedValue(double gain, double p, int count);

// The points a screen's curve is drawn through, to be heard: each detector x with its plotted
// value, none where the run found no paths (count 0). `p` holds the screen's p at each of
// `detectorX` (throws std::invalid_argument when their lengths differ).
std::vector<PlottedPoint> PlottedPoints(std::span<const double> detectorX,
                                        std::span<const double> p, int count, double gain);

// The labels of the screen at height y after its last point, `count` being that point's count.
ScreenLabels LabelsForScreen(double screenY, int count);

// Draws the curve of one screen as its detector points arrive: a band symmetric about the
// screen line, v = gain * p / count^2 above and below it, with a vertical bar at every point
// and the two edges joined to the previous point.
class GraphPlotter {
  public:
    GraphPlotter(PlotCanvas& canvas, double gain) : canvas_(canvas), gain_(gain) {}

    // Forgets the previous point: the first point of a screen joins to (0, y).
    void StartScreen(double screenY);

    // One detector point; nothing is drawn and nothing remembered when count is 0.
    void Plot(double x, int count, double p);
    // The same in a colour of its own (light of several wavelengths): the point's bar and the
    // edges that join it to the previous point.
    void Plot(double x, int count, double p, Rgb colour);

  private:
    PlotCanvas& canvas_;
    double gain_;
    double screenY_ = 0.0;
    double previousX_ = 0.0;
    double previousP_ = 0.0;
};

}  // namespace pathsum
