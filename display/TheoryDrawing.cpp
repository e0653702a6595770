#include "TheoryDrawing.h"

#include <cmath>
#include <vector>

namespace pathsum {

void DrawPrediction(PlotCanvas& canvas, const FarField& theory, double screenY,
                    std::span<const double> detectorX, double gain) {
    std::vector<double> prediction(detectorX.size());
    theory.PredictScreen(screenY, detectorX, prediction);
    bool joined = false;  // the point before had a prediction
    float lastX = 0.0f;
    float lastAbove = 0.0f;
    float lastBelow = 0.0f;
    for (std::size_t i = 0; i < detectorX.size(); ++i) {
        if (std::isnan(prediction[i])) {
            joined = false;
            continue;
        }
        const double value = gain * prediction[i];
        const float x = CanvasCoordinate(detectorX[i]);
        const float above = CanvasCoordinate(screenY + value);
        const float below = CanvasCoordinate(screenY - value);
        if (joined) {
            canvas.Line(lastX, lastAbove, x, above, kTheoryColour, LineKind::Segment);
            canvas.Line(lastX, lastBelow, x, below, kTheoryColour, LineKind::Segment);
        }
        joined = true;
        lastX = x;
        lastAbove = above;
        lastBelow = below;
    }
}

}  // namespace pathsum
