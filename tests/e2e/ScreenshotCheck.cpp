// Checks a screenshot of the window after a finished run with the default settings: the
// grid, the element bar, and the height of the curve bands against the engine's values.
//   e2e-screenshot-check <png> [--quiet]
// Exits 0 when every check holds.

#include <QImage>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "PathEngine.h"
#include "PlotFrame.h"
#include "RunPlan.h"

namespace {

using pathsum::PlotFrame;

int failures = 0;
bool quiet = false;

void Check(bool ok, const std::string& what) {
    if (!ok) {
        ++failures;
        if (!quiet) {
            std::fprintf(stderr, "FAILED: %s\n", what.c_str());
        }
    }
}

int Column(double x) {
    return static_cast<int>(std::floor(PlotFrame::PixelX(x)));
}
int Row(double y) {
    return static_cast<int>(std::floor(PlotFrame::PixelY(y)));
}

bool IsWhite(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == QColor(255, 255, 255);
}
bool IsGrey(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == QColor(128, 128, 128);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <screenshot.png> [--quiet]\n", argv[0]);
        return 2;
    }
    quiet = argc > 2 && std::string(argv[2]) == "--quiet";
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull() || image.width() < PlotFrame::kClientWidth ||
        image.height() < PlotFrame::kClientHeight) {
        std::fprintf(stderr, "cannot read a window-sized image from %s\n", argv[1]);
        return 2;
    }
    image = image.convertToFormat(QImage::Format_RGB32);

    // Vertical grid lines, between the element row and the nearest screen.
    for (int i = 10; i <= 100; i += 10) {
        Check(IsGrey(image, Column(i), Row(96)), "vertical grid line at x = " + std::to_string(i));
    }
    // The top grid line runs along the bottom of the element bar; elsewhere it is grey.
    Check(IsGrey(image, Column(20), Row(100)), "horizontal grid line y = 100 at x = 20");
    Check(IsGrey(image, Column(80), Row(100)), "horizontal grid line y = 100 at x = 80");
    // The element bar from 45 to 55 just above y = 100.
    for (double x = 45.5; x < 55; x += 1.0) {
        Check(IsWhite(image, Column(x), Row(100.25)), "element bar at x = " + std::to_string(x));
    }
    Check(!IsWhite(image, Column(43.5), Row(100.25)), "no bar left of 45");
    Check(!IsWhite(image, Column(56.5), Row(100.25)), "no bar right of 55");

    // Band half-heights against gain * p / count^2 for the same settings.
    const auto planned = pathsum::PlanRun(
        pathsum::ReadExperimentSettings(pathsum::SettingsTexts{}, pathsum::kStartSource));
    const auto& plan = std::get<pathsum::RunPlan>(planned);
    const double count = plan.paths.Count();
    for (double screenY : {30.0, 50.0, 70.0, 90.0}) {
        const std::vector<double> xs{30, 40, 45, 60, 70};
        std::vector<double> p(xs.size());
        pathsum::ComputeScreen(plan.paths, plan.settings.wavelength, screenY, xs, p, 1);
        for (std::size_t k = 0; k < xs.size(); ++k) {
            const double v = plan.settings.gain * p[k] / (count * count);
            const int column = Column(xs[k]);
            // Walk up from the screen line while the column stays white.
            int top = Row(screenY);
            while (top > 0 && IsWhite(image, column, top - 1)) {
                --top;
            }
            const double measured = PlotFrame::PixelY(screenY) - top;
            const double expected = PlotFrame::PixelHeight(v);
            char what[160];
            std::snprintf(what, sizeof what,
                          "band at x = %g on screen %g: %.1f pixels high, engine says %.1f", xs[k],
                          screenY, measured, expected);
            Check(
                std::fabs(measured - expected) <= 1.0 + 1e-9 || (expected < 1.0 && measured <= 1.0),
                what);
        }
    }
    if (!quiet) {
        std::printf("%s\n",
                    failures == 0 ? "screenshot checks passed" : "screenshot checks failed");
    }
    return failures == 0 ? 0 : 1;
}
