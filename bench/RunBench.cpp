// Times a whole run through the window (driver, plotting on the Qt canvas, event processing)
// against the engine alone for the same settings, in one process, and prints the medians.
//   pathsum-run-bench [--repeat N] [--pattern P] [--resolution V] [--step V]
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "MainForm.h"
#include "PathEngine.h"
#include "RunPlan.h"

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

// The engine's share of a run: the enumeration and every point of the ten screens.
double EngineSeconds(const pathsum::SettingsTexts& texts) {
    const auto started = Clock::now();
    const auto planned =
        pathsum::PlanRun(pathsum::ReadExperimentSettings(texts, pathsum::kStartSource));
    const auto& plan = std::get<pathsum::RunPlan>(planned);
    std::vector<double> p(plan.detectorX.size());
    for (double y : pathsum::kScreenYs) {
        pathsum::ComputeScreen(plan.paths, plan.settings.wavelength, plan.settings.pi, y,
                               plan.detectorX, p);
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
        } else {
            std::fprintf(stderr,
                         "usage: %s [--repeat N] [--pattern P] [--resolution V] [--step V]\n",
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

    std::vector<double> engine;
    std::vector<double> run;
    for (int i = 0; i < repeat; ++i) {
        engine.push_back(EngineSeconds(texts));
        const auto started = Clock::now();
        form.Calculate_Click();
        QApplication::processEvents();  // the last repaint belongs to the run
        run.push_back(Seconds(Clock::now() - started));
        std::printf("repeat %d engine %.4f run %.4f ratio %.3f\n", i + 1, engine.back(), run.back(),
                    run.back() / engine.back());
    }
    std::printf("median engine %.4f seconds, run %.4f seconds, ratio %.3f\n", Median(engine),
                Median(run), Median(run) / Median(engine));
    return 0;
}
