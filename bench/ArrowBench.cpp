// Times what a pointer move over the plot costs while "Arrows at a Point" is open: from the
// move to the repainted picture (the chain of the point and its drawing), for the heavy
// grating and for the largest path count a run accepts, and prints the medians.
//   pathsum-arrow-bench [--moves N]
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include <QAction>
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ArrowsWindow.h"
#include "MainForm.h"
#include "MainWindow.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Case {
    const char* name;
    const char* pattern;
    const char* width;
    const char* resolution;
    const char* step;
};

void Measure(const Case& c, int moves) {
    pathsum::MainWindow window;
    window.show();
    QApplication::processEvents();
    pathsum::MainForm& form = *window.Form();
    form.Pattern->setText(QString::fromLatin1(c.pattern));
    form.GratingWidthText->setText(QString::fromLatin1(c.width));
    form.ResolutionText->setText(QString::fromLatin1(c.resolution));
    form.ResolutionXText->setText(QString::fromLatin1(c.step));
    const auto runStarted = Clock::now();
    form.Calculate_Click();
    const double runMs = Milliseconds(Clock::now() - runStarted);
    if (!form.LastRun().plan) {
        std::printf("%s: the run was refused\n", c.name);
        return;
    }
    window.Action(pathsum::Command::ArrowsAtAPoint)->trigger();
    pathsum::ArrowsWindow& arrows = *window.Arrows();
    QApplication::processEvents();

    std::vector<double> chainMs;
    std::vector<double> totalMs;
    for (int i = 0; i < moves; ++i) {
        // Across the plot and down its screens, as a pointer would go.
        const double x = 5.0 + 90.0 * i / moves;
        const double y = 95.0 - 90.0 * ((i * 7) % moves) / moves;
        const auto moved = Clock::now();
        arrows.ProbeAt(x, y);
        const auto chained = Clock::now();
        arrows.Picture()->repaint();
        const auto painted = Clock::now();
        chainMs.push_back(Milliseconds(chained - moved));
        totalMs.push_back(Milliseconds(painted - moved));
    }
    const int paths = form.LastRun().plan->paths.Count();
    std::printf(
        "%s: %d paths (run %.0f ms); pointer move to picture: median %.2f ms, "
        "slowest %.2f ms; of it the chain and numbers: median %.2f ms\n",
        c.name, paths, runMs, Median(totalMs), *std::max_element(totalMs.begin(), totalMs.end()),
        Median(chainMs));
}

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int moves = 25;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::string(argv[i]) == "--moves") {
            moves = std::max(1, std::atoi(argv[i + 1]));
        } else {
            std::fprintf(stderr, "usage: %s [--moves N]\n", argv[0]);
            return 2;
        }
    }
    QApplication app(argc, argv);
    // The heavy grating, and a mirror over the whole row swept as finely as the ray bound
    // allows: about 9 million paths.
    Measure({"heavy grating", "Mirror Number Grating", "10", "1E-05", ".1"}, moves);
    Measure({"largest path count", "Mirror Number Single", "100", "1.02E-07", "10"}, moves);
    return 0;
}
