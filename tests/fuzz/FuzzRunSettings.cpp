// Arbitrary text as the settings of a run, through the settings check and, when the run is
// accepted and small enough, through the run driver onto a canvas that accepts finite
// coordinates only, every plotted value finite; a run without paths says so.
//
// The input is read as lines:
//   1-6  the text boxes: wavelength, width, spacing, gain, resolution, detector step
//   7    the pattern: a single character picks one of the six captions, anything longer is
//        the caption itself (so mistyped captions are tried too)
//   8-9  the marker's x and y, read like a text box and kept to the float range
// Missing lines keep the value the window starts with.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ExperimentSettings.h"
#include "GraphPlotter.h"
#include "MirrorPattern.h"
#include "NumberText.h"
#include "PlotCanvas.h"
#include "RunDriver.h"
#include "RunPicture.h"
#include "RunPlan.h"

namespace {

using namespace pathsum;

// Above this many path evaluations a run is skipped: the fuzzer looks for faults, not for
// long runs, and one input must stay well inside the hang timeout.
constexpr double kMostWork = 2e6;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

class FiniteCanvas : public PlotCanvas {
  public:
    void Clear() override {}
    void Line(float x1, float y1, float x2, float y2, Rgb, LineKind) override {
        if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
            std::fprintf(stderr, "non-finite coordinate: (%g, %g) - (%g, %g)\n", x1, y1, x2, y2);
            std::abort();
        }
    }
};

// A label must be a number written the way the window writes numbers.
void CheckNumberLabel(const std::string& text, double expected) {
    const double read = NumberFromText(text);
    if (!std::isfinite(read) || TextFromNumber(read) != text) {
        Fail(("label is not a finite number: \"" + text + "\"").c_str());
    }
    if (read != expected) {
        Fail(("label \"" + text + "\" does not show " + TextFromNumber(expected)).c_str());
    }
}

// Draws the run as the window does and checks every point and every screen as it comes.
class CheckingHost : public PictureHost {
  public:
    CheckingHost(PlotCanvas& canvas, const RunPlan& plan)
        : PictureHost(canvas, plan.settings.gain), plan_(plan) {}

    void PlotPoint(double x, double screenY, int count, double p) override {
        // The squared length of `count` unit arrows added up.
        const double most = static_cast<double>(count) * count * (1.0 + 1e-9) + 1e-9;
        if (!(p >= 0.0 && p <= most)) {
            std::fprintf(stderr, "sum %g out of range for %d paths\n", p, count);
            std::abort();
        }
        if (count > 0 && !std::isfinite(PlottedValue(plan_.settings.gain, p, count))) {
            Fail("a plotted value is not finite");
        }
        PictureHost::PlotPoint(x, screenY, count, p);
        ++points_;
    }
    void FinishScreen(double screenY, int count) override {
        if (count != plan_.paths.Count()) {
            Fail("a screen finished with a path count other than the plan's");
        }
        PictureHost::FinishScreen(screenY, count);
        const ScreenLabels labels = LabelsForScreen(screenY, count);
        if (labels.index < 0 || labels.index > 9) {
            Fail("screen label index out of range");
        }
        CheckNumberLabel(labels.distance, 100.0 - screenY);
        CheckNumberLabel(labels.paths, count);
        if (points_ != plan_.detectorX.size()) {
            Fail("a screen finished without plotting each of its detector points");
        }
        points_ = 0;
        ++screens;
    }

    int screens = 0;

  private:
    const RunPlan& plan_;
    std::size_t points_ = 0;
};

std::vector<std::string_view> Lines(std::string_view input) {
    std::vector<std::string_view> lines;
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        lines.push_back(input.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        input.remove_prefix(end + 1);
    }
    return lines;
}

float MarkerCoordinate(std::string_view text, float otherwise) {
    const double value = NumberFromText(text);
    if (std::isnan(value)) {
        return otherwise;
    }
    constexpr double kLargest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -kLargest, kLargest));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = Lines(std::string_view(reinterpret_cast<const char*>(data), size));
    SettingsTexts texts;
    std::string* boxes[] = {&texts.wavelength, &texts.width,      &texts.spacing,
                            &texts.gain,       &texts.resolution, &texts.resolutionX};
    for (std::size_t i = 0; i < std::size(boxes) && i < lines.size(); ++i) {
        *boxes[i] = lines[i];
    }
    if (lines.size() > 6) {
        const std::string_view pattern = lines[6];
        texts.patternCaption =
            pattern.size() == 1
                ? kPatternCaptions[static_cast<unsigned char>(pattern[0]) % kPatternCaptions.size()]
                : pattern;
    }
    SourcePoint marker = kStartSource;
    if (lines.size() > 7) {
        marker.x = MarkerCoordinate(lines[7], marker.x);
    }
    if (lines.size() > 8) {
        marker.y = MarkerCoordinate(lines[8], marker.y);
    }

    const auto planned = PlanRun(ReadExperimentSettings(texts, marker));
    if (const auto* refusal = std::get_if<Refusal>(&planned)) {
        if (refusal->reason.empty()) {
            Fail("refused without a reason");
        }
        return 0;
    }
    const RunPlan& plan = std::get<RunPlan>(planned);
    const std::vector<std::string> said = RunNotices(plan.settings, &plan);
    if ((plan.paths.Count() == 0) !=
        (std::find(said.begin(), said.end(), notices::NoPath()) != said.end())) {
        Fail("a run without paths that does not say so, or one with paths that says it has none");
    }
    const double work = static_cast<double>(plan.paths.Count()) *
                        static_cast<double>(plan.detectorX.size()) * kScreenYs.size();
    if (work > kMostWork) {
        return 0;
    }
    FiniteCanvas canvas;
    CheckingHost host(canvas, plan);
    RunOptions options;
    options.threads = 1;
    if (RunCalculation(plan, host, options) != RunOutcome::Finished ||
        host.screens != static_cast<int>(kScreenYs.size())) {
        Fail("a run that nobody stopped did not finish its ten screens");
    }
    return 0;
}
