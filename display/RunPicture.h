#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "GraphPlotter.h"
#include "MirrorPattern.h"
#include "PlotCanvas.h"
#include "RunDriver.h"
#include "Screens.h"

namespace pathsum {

// What a run has drawn so far: the p of every point of each finished screen (empty for a
// screen not finished yet) and the labels each finished screen wrote.
struct RunPictureRecord {
    std::array<std::vector<double>, kScreenYs.size()> p;
    std::array<std::optional<ScreenLabels>, kScreenYs.size()> labels;
};

// A run drawn onto a canvas as the driver hands it over: the scene, the band of each screen
// point by point, and the labels of each screen once it is finished. Whoever shows a run (the
// window, a picture written to a file, a test) draws it through this, so that a run looks the
// same wherever it is drawn.
class RunPicture {
  public:
    RunPicture(PlotCanvas& canvas, double gain) : canvas_(canvas), plotter_(canvas, gain) {}

    void DrawScene(const ElementRow& row);
    void StartScreen(double screenY);
    void PlotPoint(double x, int count, double p);
    // Ends the screen begun last and gives what its labels now read.
    ScreenLabels FinishScreen(double screenY, int count);

    const RunPictureRecord& Record() const { return record_; }
    // The screen begun last, into kScreenYs.
    std::size_t Screen() const { return screen_; }

  private:
    PlotCanvas& canvas_;
    GraphPlotter plotter_;
    std::size_t screen_ = 0;  // into kScreenYs
    std::vector<double> screenP_;
    RunPictureRecord record_;
};

// A run drawn onto a canvas and nothing else: no window to answer, never stopped.
class PictureHost : public RunHost {
  public:
    PictureHost(PlotCanvas& canvas, double gain) : picture_(canvas, gain) {}

    void ProcessPendingEvents() override {}
    bool ShouldStop() override { return false; }
    void DrawScene(const ElementRow& row) override { picture_.DrawScene(row); }
    void StartScreen(double screenY) override { picture_.StartScreen(screenY); }
    void PlotPoint(double x, double, int count, double p) override {
        picture_.PlotPoint(x, count, p);
    }
    void FinishScreen(double screenY, int count) override { picture_.FinishScreen(screenY, count); }

    const RunPictureRecord& Record() const { return picture_.Record(); }

  private:
    RunPicture picture_;
};

}  // namespace pathsum
