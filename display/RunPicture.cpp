#include "RunPicture.h"

#include <algorithm>

#include "LightColour.h"
#include "SceneDrawing.h"

namespace pathsum {

void RunPicture::DrawScene(const ElementRow& row) {
    pathsum::DrawScene(canvas_, row);
}

void RunPicture::StartScreen(double screenY) {
    plotter_.StartScreen(screenY);
    screen_ = static_cast<std::size_t>(std::find(kScreenYs.begin(), kScreenYs.end(), screenY) -
                                       kScreenYs.begin());
    screenP_.clear();
    screenColours_.clear();
    screenPeak_.reset();
}

void RunPicture::PlotPoint(double x, int count, double p) {
    plotter_.Plot(x, count, p);
    Remember(x, count, p);
}

void RunPicture::PlotWhitePoint(double x, int count, const WhitePoint& point) {
    plotter_.Plot(x, count, point.p, BandColour(point.colour));
    Remember(x, count, point.p);
    screenColours_.push_back(point.colour);
}

void RunPicture::Remember(double x, int count, double p) {
    screenP_.push_back(p);
    if (count > 0) {
        const double value = PlottedValue(gain_, p, count);
        if (!screenPeak_ || value > screenPeak_->value) {
            screenPeak_ = ScreenPeak{value, x};
        }
    }
}

ScreenLabels RunPicture::FinishScreen(double screenY, int count) {
    ScreenLabels labels = LabelsForScreen(screenY, count);
    if (screen_ < kScreenYs.size()) {
        record_.p[screen_] = std::move(screenP_);
        record_.colours[screen_] = std::move(screenColours_);
        record_.labels[screen_] = labels;
        record_.peaks[screen_] = screenPeak_;
    }
    screenP_.clear();
    screenColours_.clear();
    screenPeak_.reset();
    return labels;
}

}  // namespace pathsum
