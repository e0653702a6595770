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
#include "WhiteLight.h"

namespace pathsum {

// The highest point of a screen's band: its plotted value and the detector x it stands at
// (the first, where several share it).
struct ScreenPeak {
    double value = 0.0;
    double x = 0.0;
};

// What a run has drawn so far: the p of every point of each finished screen (empty for a
// screen not finished yet), the labels each finished screen wrote and its peak (none for a
// screen without paths). In light of several wavelengths p is each point's white value, and
// `colours` holds each point's colour beside it (WhitePoint); it stays empty otherwise.
struct RunPictureRecord {
    std::array<std::vector<double>, kScreenYs.size()> p;
    std::array<std::vector<LinearRgb>, kScreenYs.size()> colours;
    std::array<std::optional<ScreenLabels>, kScreenYs.size()> labels;
    std::array<std::optional<ScreenPeak>, kScreenYs.size()> peaks;
};

// A run drawn onto a canvas as the driver hands it over: the scene, the band of each screen
// point by point, and the labels of each screen once it is finished. Whoever shows a run (the
// window, a picture written to a file, a test) draws it through this, so that a run looks the
// same wherever it is drawn.
class RunPicture {
  public:
    RunPicture(PlotCanvas& canvas, double gain)
        : canvas_(canvas), plotter_(canvas, gain), gain_(gain) {}

    void DrawScene(const ElementRow& row);
    void StartScreen(double screenY);
    void PlotPoint(double x, int count, double p);
    // A point in light of several wavelengths: its band at the white value, in the colour of
    // its light (BandColour).
    void PlotWhitePoint(double x, int count, const WhitePoint& point);
    // Ends the screen begun last and gives what its labels now read.
    ScreenLabels FinishScreen(double screenY, int count);

    const RunPictureRecord& Record() const { return record_; }
    // The screen begun last, into kScreenYs.
    std::size_t Screen() const { return screen_; }

  private:
    PlotCanvas& canvas_;
    GraphPlotter plotter_;
    double gain_;
    std::size_t screen_ = 0;  // into kScreenYs
    void Remember(double x, int count, double p);

    std::vector<double> screenP_;
    std::vector<LinearRgb> screenColours_;
    std::optional<ScreenPeak> screenPeak_;
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
    void PlotWhitePoint(double x, double, int count, const WhitePoint& point) override {
        picture_.PlotWhitePoint(x, count, point);
    }
    void FinishScreen(double screenY, int count) override { picture_.FinishScreen(screenY, count); }

    const RunPictureRecord& Record() const { return picture_.Record(); }

  private:
    RunPicture picture_;
};

}  // namespace pathsum
