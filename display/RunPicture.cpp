#include "RunPicture.h"

#include <algorithm>

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
    screenPeak_.reset();
}

void RunPicture::PlotPoint(double x, int count, double p) {
    plotter_.Plot(x, count, p);
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
        record_.labels[screen_] = labels;
        record_.peaks[screen_] = screenPeak_;
    }
    screenP_.clear();
    screenPeak_.reset();
    return labels;
}

}  // namespace pathsum
