// Checks a screenshot of the "Arrows at a Point" window after a run with the default settings
// and the pointer at a frame point: the red resultant, measured in pixels from where the
// picture starts its chain, is as long as sqrt(p) of that detector point at the picture's
// scale.
//   e2e-arrows-check <window.png> <frame x> <frame y>
// Exits 0 when it is, within a few pixels.

#include <QImage>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ArrowChain.h"
#include "ArrowDrawing.h"
#include "RunPlan.h"

namespace {

bool IsWhite(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

bool IsResultantRed(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <window.png> <frame x> <frame y>\n", argv[0]);
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    image = image.convertToFormat(QImage::Format_RGB32);

    // The picture is the white rectangle at the top of the window: the first row with a long
    // white run, down its left margin, which nothing is drawn on.
    int top = -1;
    int left = 0;
    int right = 0;
    for (int y = 0; y < image.height() && top < 0; ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = IsWhite(image, x, y) ? run + 1 : 0;
            if (run >= 300) {
                top = y;
                right = x;
                while (right + 1 < image.width() && IsWhite(image, right + 1, y)) {
                    ++right;
                }
                left = right;
                while (left > 0 && IsWhite(image, left - 1, y)) {
                    --left;
                }
                break;
            }
        }
    }
    if (top < 0) {
        std::fprintf(stderr, "FAILED: no arrow picture in the screenshot\n");
        return 1;
    }
    int bottom = top;
    while (bottom + 1 < image.height() && IsWhite(image, left + 2, bottom + 1)) {
        ++bottom;
    }
    const int width = right - left + 1;
    const int height = bottom - top + 1;

    // The chain of the point the pointer chose, as the program forms and places it.
    const auto planned = pathsum::PlanRun(
        pathsum::ReadExperimentSettings(pathsum::SettingsTexts{}, pathsum::kStartSource));
    const auto& plan = std::get<pathsum::RunPlan>(planned);
    const pathsum::ProbePoint probe =
        pathsum::NearestDetectorPoint(std::atof(argv[2]), std::atof(argv[3]), plan.detectorX);
    pathsum::ArrowChain chain;
    pathsum::ChainAtPoint(plan.paths, plan.settings.wavelength,
                          pathsum::kScreenYs[static_cast<std::size_t>(probe.screen)],
                          plan.detectorX[static_cast<std::size_t>(probe.point)], chain);
    const pathsum::ArrowPlacement placed = pathsum::PlaceChain(chain, {width, height, false, {}});
    const double originX = left + placed.origin.x;
    const double originY = top + placed.origin.y;
    const double expected = std::sqrt(chain.p) * placed.scale;

    double measured = -1.0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (IsResultantRed(image.pixel(x, y))) {
                measured = std::max(measured, std::hypot(x + 0.5 - originX, y + 0.5 - originY));
            }
        }
    }
    std::printf("picture %d x %d at %d,%d; resultant %.1f pixels, sqrt(p) at the scale %.1f\n",
                width, height, left, top, measured, expected);
    if (measured < 0.0 || std::fabs(measured - expected) > 3.0) {
        std::fprintf(stderr, "FAILED: the resultant is not sqrt(p) long at the picture's scale\n");
        return 1;
    }
    return 0;
}
