#pragma once

#include <chrono>
#include <functional>

#include "MirrorPattern.h"
#include "RunPlan.h"

namespace pathsum {

// What a run needs from the window it runs in. The driver never reads a control and never
// draws itself; the window decides how the scene, the points and the labels appear.
class RunHost {
  public:
    virtual ~RunHost() = default;

    // Lets the window answer its user: clicks, repaints, Stop.
    virtual void ProcessPendingEvents() = 0;
    // Checked before every detector point; true ends the run there (a Stop, or the window closing).
    virtual bool ShouldStop() = 0;

    virtual void DrawScene(const ElementRow& row) = 0;
    virtual void StartScreen(double screenY) = 0;
    virtual void PlotPoint(double x, double screenY, int count, double p) = 0;
    // A point of a run in light of several wavelengths (the plan's settings.light): its white
    // value and the colour of its light (WhitePoint). A window that shows no colour plots the
    // white value as it plots any p.
    virtual void PlotWhitePoint(double x, double screenY, int count, const WhitePoint& point) {
        PlotPoint(x, screenY, count, point.p);
    }
    virtual void FinishScreen(double screenY, int count) = 0;
};

enum class RunOutcome { Finished, Stopped };

struct RunOptions {
    // Pending events are processed whenever this much computing has passed, besides once at
    // the start of every screen, so the window keeps answering at any settings.
    std::chrono::milliseconds eventInterval{50};
    int threads = 0;  // 0: every core
};

// Runs the ten screens of a plan: draws the scene, prepares the engine (ScreenEngine.h) for the
// plan's paths, then for each screen resets the plotter, processes pending events, computes and
// plots its detector points and writes its labels. In light of several wavelengths every
// wavelength sums over the plan's own paths, enumerated once, and each point goes to
// PlotWhitePoint instead of PlotPoint.
RunOutcome RunCalculation(const RunPlan& plan, RunHost& host, const RunOptions& options = {});

}  // namespace pathsum
