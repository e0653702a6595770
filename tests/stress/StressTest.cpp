// Hundreds of random settings, inside and outside every limit, through the settings check and
// the run driver onto the recording canvas. Each run is either refused with a reason or
// finishes with finite drawing and the labels the engine's paths call for.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "ExperimentSettings.h"
#include "MirrorPattern.h"
#include "NumberText.h"
#include "RecordingCanvas.h"
#include "RunDriver.h"
#include "RunPicture.h"
#include "RunPlan.h"

namespace pathsum {
namespace {

using testing::CanvasOp;
using testing::RecordingCanvas;

constexpr int kCases = 300;
constexpr std::uint64_t kSeed = 20240611;

// Path evaluations and detector points a case may use; a plan beyond them is run on a spread
// of its detector points (the first and the last kept), and a plan whose paths alone are
// beyond them is counted as too large to run.
constexpr double kMostWork = 1e6;
constexpr std::size_t kMostPoints = 400;

// Draws numbers from the standard engine with its own scaling, so that the cases are the same
// with every standard library.
class Random {
  public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}

    std::size_t Below(std::size_t n) { return static_cast<std::size_t>(engine_() % n); }
    double Unit() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
    double Between(double low, double high) { return low + (high - low) * Unit(); }
    double LogBetween(double low, double high) {
        return std::exp(Between(std::log(low), std::log(high)));
    }
    double Sign() { return Below(2) == 0 ? 1.0 : -1.0; }

  private:
    std::mt19937_64 engine_;
};

// One way of filling a field, and how often it is chosen.
template <class T>
struct Choice {
    int weight;
    std::function<T(Random&)> make;
};

template <class T>
T Choose(Random& random, const std::vector<Choice<T>>& choices) {
    int total = 0;
    for (const auto& choice : choices) {
        total += choice.weight;
    }
    auto pick = static_cast<int>(random.Below(static_cast<std::size_t>(total)));
    for (const auto& choice : choices) {
        if (pick < choice.weight) {
            return choice.make(random);
        }
        pick -= choice.weight;
    }
    return choices.back().make(random);
}

using TextChoices = std::vector<Choice<std::string>>;

std::function<std::string(Random&)> Fixed(std::vector<std::string> texts) {
    return [texts](Random& random) { return texts[random.Below(texts.size())]; };
}

std::function<std::string(Random&)> Number(std::function<double(Random&)> value) {
    return [value](Random& random) { return TextFromNumber(value(random)); };
}

// Text that is not a number reads as 0; text beyond the double range reads as infinity.
const std::vector<std::string> kNotNumbers = {"", "abc", "-", ".", "E5"};
const std::vector<std::string> kInfinite = {"1e999", "-1e400", "1E+309"};

const TextChoices kWavelengths = {
    {90, Number([](Random& r) { return r.Sign() * r.LogBetween(0.01, 10.0); })},
    {4, Fixed({"0", "-0", "0E+5"})},
    {3, Fixed(kNotNumbers)},
    {5, Fixed({"1e-300", "1e-307", "1e-310", "4.9e-324", "-2e-320"})},
    {5, Fixed({"1e300", "-1e308", "1.7976931348623157E+308", "1e20"})},
    {3, Fixed(kInfinite)},
};

// The sweep tries about pi / resolution rays; below about 1.6E-07 radians it would try more
// than the run allows and is refused after trying them, so such cases are kept rare.
const TextChoices kResolutions = {
    {100, Number([](Random& r) { return r.LogBetween(2e-3, 0.2); })},
    {6, Number([](Random& r) { return r.LogBetween(1e-5, 2e-3); })},
    {5, Fixed({"0", "-.001", "-1e300"})},
    {3, Fixed(kNotNumbers)},
    {2, Fixed({"1e-8", "1e-12", "4.9e-324"})},
    {5, Fixed({"1.5", "3", "100", "1e300"})},
    {3, Fixed(kInfinite)},
};

const TextChoices kDetectorSteps = {
    {50, Fixed({"1", ".5", ".25", ".1"})},
    {20, Number([](Random& r) { return r.LogBetween(0.01, 20.0); })},
    {4, Fixed({"0", "-1", "-.5", "-1e300"})},
    {4, Fixed({".0009", ".0001", "1e-300", "9.99999999999999E-04"})},
    {4, Fixed({".001"})},
    {3, Fixed(kNotNumbers)},
    {5, Fixed({"50", "100", "100.5", "1e300"})},
    {3, Fixed(kInfinite)},
};

// Widths and spacings.
const TextChoices kLengths = {
    {80, Number([](Random& r) { return r.Between(0.5, 30.0); })},
    {6, Number([](Random& r) { return -r.LogBetween(0.1, 200.0); })},
    {4, Fixed({"0"})},
    {3, Fixed(kNotNumbers)},
    {4, Fixed({"1e300", "-1e308", "1e308", "150"})},
    {3, Fixed({"1e-300", ".0001", ".0005"})},
    {3, Fixed(kInfinite)},
};

const TextChoices kGains = {
    {90, Number([](Random& r) { return r.LogBetween(1e-3, 100.0); })},
    {5, Fixed({"0", "-10", "-.001"})},
    {5, Fixed({"1e300", "1e308", "-1e308"})},
    {3, Fixed(kInfinite)},
};

const TextChoices kCaptions = {
    {6, [](Random& r) { return std::string(kPatternCaptions[r.Below(kPatternCaptions.size())]); }},
    {1, Fixed({"Mirror Number single", "", "Mirror Number Grating "})},
};

const std::vector<Choice<SourcePoint>> kMarkers = {
    {50,
     [](Random& r) {
         return SourcePoint{static_cast<float>(r.Between(0, 100)),
                            static_cast<float>(r.Between(0, 100))};
     }},
    // Below the plot: a far source.
    {20,
     [](Random& r) {
         return SourcePoint{static_cast<float>(r.Between(-10, 110)),
                            static_cast<float>(r.Between(-18, -1e-3))};
     }},
    {15,
     [](Random& r) {
         return SourcePoint{static_cast<float>(r.Sign() * r.LogBetween(1e2, 1e30)),
                            static_cast<float>(r.Sign() * r.LogBetween(1e2, 1e30))};
     }},
    // So far below that the far source leaves the float range.
    {3,
     [](Random& r) {
         return SourcePoint{static_cast<float>(r.Between(-10, 110)),
                            static_cast<float>(-r.LogBetween(1e37, 3e38))};
     }},
};

struct Case {
    SettingsTexts texts;
    SourcePoint marker;
};

Case MakeCase(Random& random) {
    Case c;
    c.texts.wavelength = Choose(random, kWavelengths);
    c.texts.width = Choose(random, kLengths);
    c.texts.spacing = Choose(random, kLengths);
    c.texts.gain = Choose(random, kGains);
    c.texts.resolution = Choose(random, kResolutions);
    c.texts.resolutionX = Choose(random, kDetectorSteps);
    c.texts.patternCaption = Choose(random, kCaptions);
    c.marker = Choose(random, kMarkers);
    return c;
}

std::string Describe(int index, const Case& c) {
    std::ostringstream out;
    out.precision(9);
    out << "case " << index << ": wavelength \"" << c.texts.wavelength << "\" width \""
        << c.texts.width << "\" spacing \"" << c.texts.spacing << "\" gain \"" << c.texts.gain
        << "\" resolution \"" << c.texts.resolution << "\" step \"" << c.texts.resolutionX
        << "\" pattern \"" << c.texts.patternCaption << "\" marker (" << c.marker.x << ", "
        << c.marker.y << ")";
    return out.str();
}

// A spread of at most `most` detector points, the first and the last among them.
std::vector<double> Spread(const std::vector<double>& xs, std::size_t most) {
    if (xs.size() <= most) {
        return xs;
    }
    std::vector<double> kept;
    const std::size_t stride = (xs.size() + most - 2) / (most - 1);
    for (std::size_t i = 0; i < xs.size() - 1; i += stride) {
        kept.push_back(xs[i]);
    }
    kept.push_back(xs.back());
    return kept;
}

// Draws the way the window does and keeps, besides, the order the screens were finished in
// and every plotted p in the order it came.
class StressHost : public PictureHost {
  public:
    using PictureHost::PictureHost;

    void PlotPoint(double x, double screenY, int count, double p) override {
        PictureHost::PlotPoint(x, screenY, count, p);
        plotted.push_back(p);
    }
    void FinishScreen(double screenY, int count) override {
        PictureHost::FinishScreen(screenY, count);
        screens.push_back(screenY);
    }

    std::vector<double> plotted;
    std::vector<double> screens;
};

void ExpectFiniteDrawing(const std::vector<CanvasOp>& ops) {
    for (const CanvasOp& op : ops) {
        ASSERT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1) && std::isfinite(op.x2) &&
                    std::isfinite(op.y2))
            << op;
    }
}

void ExpectFinishedAsPlanned(const RunPlan& plan, const StressHost& host,
                             const RecordingCanvas& canvas) {
    const int count = plan.paths.Count();
    const std::vector<CanvasOp>& ops = canvas.Ops();
    ExpectFiniteDrawing(ops);

    // The scene: cleared, the grid, one bar per element; then three segments per plotted
    // point, none at all without paths.
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.front(), testing::ClearOp());
    const auto boxes = std::count_if(
        ops.begin(), ops.end(), [](const CanvasOp& op) { return op.kind == CanvasOp::Kind::Box; });
    EXPECT_EQ(boxes, plan.row.count);
    const std::size_t points = plan.detectorX.size() * kScreenYs.size();
    EXPECT_EQ(host.plotted.size(), points);
    const std::size_t gridLines = 20;
    EXPECT_EQ(ops.size(),
              1 + gridLines + static_cast<std::size_t>(boxes) + (count > 0 ? 3 * points : 0));

    // Each sum is the squared length of `count` unit arrows added up.
    const double most = static_cast<double>(count) * count * (1.0 + 1e-9) + 1e-9;
    for (double p : host.plotted) {
        ASSERT_TRUE(std::isfinite(p) && p >= 0.0 && p <= most)
            << "p = " << p << ", " << count << " paths";
    }

    // Ten labelled screens, from the one nearest the row down, each with the run's path count.
    ASSERT_EQ(host.screens.size(), kScreenYs.size());
    for (std::size_t i = 0; i < host.screens.size(); ++i) {
        ASSERT_TRUE(host.Record().labels[i].has_value());
        const ScreenLabels& label = *host.Record().labels[i];
        EXPECT_EQ(host.screens[i], kScreenYs[i]);
        EXPECT_EQ(label.index, 9 - static_cast<int>(i));
        EXPECT_EQ(NumberFromText(label.distance), 100.0 - kScreenYs[i]) << label.distance;
        EXPECT_EQ(NumberFromText(label.paths), count) << label.paths;
        EXPECT_EQ(TextFromNumber(NumberFromText(label.paths)), label.paths);
    }
}

TEST(Stress, EveryRunIsRefusedWithAReasonOrFinishesWithFiniteDrawingAndTheEngineLabels) {
    Random random(kSeed);
    int refused = 0;
    int finished = 0;
    int tooLarge = 0;
    for (int i = 0; i < kCases; ++i) {
        const Case c = MakeCase(random);
        SCOPED_TRACE(Describe(i, c));
        auto planned = PlanRun(ReadExperimentSettings(c.texts, c.marker));
        if (const auto* refusal = std::get_if<Refusal>(&planned)) {
            EXPECT_FALSE(refusal->reason.empty());
            ++refused;
            continue;
        }
        RunPlan plan = std::get<RunPlan>(std::move(planned));
        const double pathWork = static_cast<double>(plan.paths.Count()) * kScreenYs.size();
        if (pathWork > kMostWork) {
            ++tooLarge;
            continue;
        }
        const auto affordable = static_cast<std::size_t>(kMostWork / std::max(pathWork, 1.0));
        plan.detectorX =
            Spread(plan.detectorX, std::clamp<std::size_t>(affordable, 2, kMostPoints));

        RecordingCanvas canvas;
        StressHost host(canvas, plan.settings.gain);
        ASSERT_EQ(RunCalculation(plan, host), RunOutcome::Finished);
        ExpectFinishedAsPlanned(plan, host, canvas);
        ++finished;
        if (HasFatalFailure()) {
            return;
        }
    }
    std::cout << kCases << " cases: " << refused << " refused, " << finished << " finished, "
              << tooLarge << " too large to run\n";
    // The generator must keep reaching both outcomes, or the test would prove little.
    EXPECT_GE(refused, kCases / 10);
    EXPECT_GE(finished, kCases / 3);
}

}  // namespace
}  // namespace pathsum
