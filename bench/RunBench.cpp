// Times a whole run through the window (driver, plotting on the Qt canvas, event processing)
// against the engine alone for the same settings, in one process, and prints the medians.
//   pathsum-run-bench [--repeat N] [--pattern P] [--resolution V] [--step V] [--wavelength V]
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
//
// Besides the engine alone and the whole run it times the run through the driver with less and
// less of the window behind it, so that the difference can be told apart:
//   driver    the driver with a window that neither draws nor answers (chunks, Stop checks)
//   plotting  and the curves formed into lines (GraphPlotter) on a canvas that drops them
//   painting  and the lines painted into the Qt canvas's image, without any event processing
//   run       the whole run in the window, events and repaints included

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "GraphPlotter.h"
#include "MainForm.h"
#include "QtPlotCanvas.h"
#include "RunDriver.h"
#include "RunPlan.h"
#include "SceneDrawing.h"
#include "ScreenEngine.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

pathsum::RunPlan Plan(const pathsum::SettingsTexts& texts) {
    return std::get<pathsum::RunPlan>(
        pathsum::PlanRun(pathsum::ReadExperimentSettings(texts, pathsum::kStartSource)));
}

// The engine's share of a run: the enumeration and every point of the ten screens.
double EngineSeconds(const pathsum::SettingsTexts& texts) {
    const auto started = Clock::now();
    const pathsum::RunPlan plan = Plan(texts);
    const pathsum::ScreenEngine engine(plan.paths, plan.settings.wavelength, plan.detectorX.size());
    std::vector<double> p(plan.detectorX.size());
    for (double y : pathsum::kScreenYs) {
        engine.Compute(y, plan.detectorX, p);
    }
    return Seconds(Clock::now() - started);
}

// A canvas that drops every line.
class NoCanvas : public pathsum::PlotCanvas {
  public:
    void Clear() override {}
    void Line(float, float, float, float, pathsum::Rgb, pathsum::LineKind) override {}
};

// A window that draws on `canvas` (nothing at all without one) and never answers.
class SilentHost : public pathsum::RunHost {
  public:
    SilentHost(pathsum::PlotCanvas* canvas, double gain) : canvas_(canvas) {
        if (canvas_ != nullptr) {
            plotter_.emplace(*canvas_, gain);
        }
    }
    void ProcessPendingEvents() override {}
    bool ShouldStop() override { return false; }
    void DrawScene(const pathsum::ElementRow& row) override {
        if (canvas_ != nullptr) {
            pathsum::DrawScene(*canvas_, row);
        }
    }
    void StartScreen(double screenY) override {
        if (plotter_) {
            plotter_->StartScreen(screenY);
        }
    }
    void PlotPoint(double x, double, int count, double p) override {
        if (plotter_) {
            plotter_->Plot(x, count, p);
        }
    }
    void FinishScreen(double, int) override {}

  private:
    pathsum::PlotCanvas* canvas_;
    std::optional<pathsum::GraphPlotter> plotter_;
};

enum class Behind { Nothing, Plotter, QtCanvas };

double DriverSeconds(const pathsum::SettingsTexts& texts, Behind behind) {
    NoCanvas none;
    pathsum::QtPlotCanvas qt;
    const auto started = Clock::now();
    const pathsum::RunPlan plan = Plan(texts);
    pathsum::PlotCanvas* canvas = behind == Behind::Nothing ? nullptr
                                  : behind == Behind::Plotter
                                      ? static_cast<pathsum::PlotCanvas*>(&none)
                                      : &qt;
    SilentHost host(canvas, plan.settings.gain);
    pathsum::RunCalculation(plan, host);
    if (behind == Behind::QtCanvas) {
        qt.Image();  // every queued line painted
    }
    return Seconds(Clock::now() - started);
}

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int repeat = 5;
    pathsum::SettingsTexts texts;
    texts.patternCaption = "Mirror Number Grating";
    texts.resolution = "1E-05";
    texts.resolutionX = ".1";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const char* value = argv[i + 1];
        if (option == "--repeat") {
            repeat = std::max(1, std::atoi(value));
        } else if (option == "--pattern") {
            texts.patternCaption = std::string("Mirror Number ") + value;
        } else if (option == "--resolution") {
            texts.resolution = value;
        } else if (option == "--step") {
            texts.resolutionX = value;
        } else if (option == "--wavelength") {
            texts.wavelength = value;
        } else {
            std::fprintf(stderr,
                         "usage: %s [--repeat N] [--pattern P] [--resolution V] [--step V] "
                         "[--wavelength V]\n",
                         argv[0]);
            return 2;
        }
    }
    const auto checked =
        pathsum::PlanRun(pathsum::ReadExperimentSettings(texts, pathsum::kStartSource));
    if (const auto* refusal = std::get_if<pathsum::Refusal>(&checked)) {
        std::fprintf(stderr, "%s\n", refusal->reason.c_str());
        return 2;
    }

    QApplication app(argc, argv);
    pathsum::MainForm form;
    form.show();
    QApplication::processEvents();
    form.Pattern->setText(QString::fromStdString(texts.patternCaption));
    form.ResolutionText->setText(QString::fromStdString(texts.resolution));
    form.ResolutionXText->setText(QString::fromStdString(texts.resolutionX));
    form.WavelengthText->setText(QString::fromStdString(texts.wavelength));

    std::vector<double> engine;
    std::vector<double> driver;
    std::vector<double> plotting;
    std::vector<double> painting;
    std::vector<double> run;
    for (int i = 0; i < repeat; ++i) {
        engine.push_back(EngineSeconds(texts));
        driver.push_back(DriverSeconds(texts, Behind::Nothing));
        plotting.push_back(DriverSeconds(texts, Behind::Plotter));
        painting.push_back(DriverSeconds(texts, Behind::QtCanvas));
        const auto started = Clock::now();
        form.Calculate_Click();
        QApplication::processEvents();  // the last repaint belongs to the run
        run.push_back(Seconds(Clock::now() - started));
        std::printf(
            "repeat %d engine %.4f driver %.4f plotting %.4f painting %.4f run %.4f ratio %.3f\n",
            i + 1, engine.back(), driver.back(), plotting.back(), painting.back(), run.back(),
            run.back() / engine.back());
    }
    std::printf("median engine %.4f, driver %.4f, plotting %.4f, painting %.4f, run %.4f seconds\n",
                Median(engine), Median(driver), Median(plotting), Median(painting), Median(run));
    std::printf("median engine %.4f seconds, run %.4f seconds, ratio %.3f\n", Median(engine),
                Median(run), Median(run) / Median(engine));
    return 0;
}
