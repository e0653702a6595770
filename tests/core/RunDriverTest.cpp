#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "PathEngine.h"
#include "RunDriver.h"
#include "WhiteLight.h"

namespace pathsum {
namespace {

// Records what the driver asks of the window, in order.
class RecordingHost : public RunHost {
  public:
    std::vector<std::string> calls;
    std::vector<double> plottedX;
    std::vector<double> plottedP;
    int eventsCalls = 0;
    int stopAtEventsCall = -1;  // the events call during which the user presses Stop
    bool stop = false;

    void ProcessPendingEvents() override {
        ++eventsCalls;
        calls.push_back("events");
        if (eventsCalls == stopAtEventsCall) {
            stop = true;
        }
    }
    bool ShouldStop() override { return stop; }
    void DrawScene(const ElementRow& row) override {
        calls.push_back("scene " + std::to_string(row.count));
    }
    void StartScreen(double y) override { calls.push_back("start " + std::to_string(int(y))); }
    void PlotPoint(double x, double, int, double p) override {
        plottedX.push_back(x);
        plottedP.push_back(p);
    }
    // A white run's points: the white value among the p, the colour beside it.
    std::vector<LinearRgb> plottedColours;
    std::vector<int> whiteCounts;
    void PlotWhitePoint(double x, double, int count, const WhitePoint& point) override {
        plottedX.push_back(x);
        plottedP.push_back(point.p);
        plottedColours.push_back(point.colour);
        whiteCounts.push_back(count);
    }
    void FinishScreen(double y, int count) override {
        calls.push_back("finish " + std::to_string(int(y)) + " " + std::to_string(count));
    }
};

RunPlan Plan(const SettingsTexts& texts, SourcePoint marker = kStartSource) {
    auto plan = PlanRun(ReadExperimentSettings(texts, marker));
    EXPECT_FALSE(IsRefused(plan));
    return std::get<RunPlan>(plan);
}

TEST(RunCalculation, DrawsTheSceneThenTheTenScreensInOrder) {
    const RunPlan plan = Plan(SettingsTexts{});
    RecordingHost host;
    RunOptions options;
    options.eventInterval = std::chrono::hours(1);  // only the event processing of each screen
    EXPECT_EQ(RunCalculation(plan, host, options), RunOutcome::Finished);

    const std::string count = std::to_string(plan.paths.Count());
    std::vector<std::string> expected{"scene 1"};
    for (int y = 0; y <= 90; y += 10) {
        expected.push_back("start " + std::to_string(y));
        expected.push_back("events");
        expected.push_back("finish " + std::to_string(y) + " " + count);
    }
    EXPECT_EQ(host.calls, expected);

    // Every detector point of every screen is plotted, with the engine's value.
    ASSERT_EQ(host.plottedX.size(), 10 * plan.detectorX.size());
    std::vector<double> p(plan.detectorX.size());
    ComputeScreen(plan.paths, plan.settings.wavelength, 30.0, plan.detectorX, p, 1);
    for (std::size_t i = 0; i < p.size(); ++i) {
        const std::size_t at = 3 * p.size() + i;
        EXPECT_EQ(host.plottedX[at], plan.detectorX[i]);
        EXPECT_DOUBLE_EQ(host.plottedP[at], p[i]);
    }
}

TEST(RunCalculation, AStopTakesEffectBeforeTheNextPointAndLeavesLaterScreensUnlabelled) {
    const RunPlan plan = Plan(SettingsTexts{});
    RecordingHost host;
    host.stopAtEventsCall = 3;  // Stop pressed while the third screen starts
    RunOptions options;
    options.eventInterval = std::chrono::hours(1);
    EXPECT_EQ(RunCalculation(plan, host, options), RunOutcome::Stopped);
    EXPECT_EQ(host.plottedX.size(), 2 * plan.detectorX.size());
    EXPECT_EQ(host.calls.back(), "events");
    EXPECT_EQ(std::count_if(host.calls.begin(), host.calls.end(),
                            [](const std::string& c) { return c.rfind("finish", 0) == 0; }),
              2);
}

TEST(RunCalculation, ProcessesEventsWithinAScreenWhenComputingTakesLong) {
    SettingsTexts texts;
    texts.resolutionX = ".01";  // 10,001 points a screen
    const RunPlan plan = Plan(texts);
    RecordingHost host;
    host.stopAtEventsCall = 2;  // the first event processing inside the first screen
    RunOptions options;
    options.eventInterval = std::chrono::milliseconds(0);
    EXPECT_EQ(RunCalculation(plan, host, options), RunOutcome::Stopped);
    EXPECT_EQ(host.eventsCalls, 2);
    EXPECT_GT(host.plottedX.size(), 0u);
    EXPECT_LT(host.plottedX.size(), plan.detectorX.size());
}

// The weights of the interpolated sum take a while at fine resolutions: the window answers
// while they are formed, and a Stop then ends the run before its first screen.
TEST(RunCalculation, AStopWhileTheWeightsAreFormedEndsTheRunBeforeAnyScreen) {
    SettingsTexts texts;
    texts.patternCaption = "Mirror Number Grating";
    texts.resolution = "1E-06";
    texts.resolutionX = ".1";
    const RunPlan plan = Plan(texts);
    RecordingHost host;
    host.stopAtEventsCall = 1;
    RunOptions options;
    options.eventInterval = std::chrono::milliseconds(0);
    EXPECT_EQ(RunCalculation(plan, host, options), RunOutcome::Stopped);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"scene 5", "events"}));
    EXPECT_TRUE(host.plottedX.empty());
}

TEST(RunCalculation, ARunWithoutPathsPlotsNothingButLabelsEveryScreenWithZero) {
    SettingsTexts texts;
    texts.patternCaption = "Mirror Number single";  // matches no pattern: no elements
    const RunPlan plan = Plan(texts);
    RecordingHost host;
    EXPECT_EQ(RunCalculation(plan, host), RunOutcome::Finished);
    EXPECT_EQ(host.calls.front(), "scene 0");
    EXPECT_EQ(host.calls.back(), "finish 90 0");
    for (double p : host.plottedP) {
        EXPECT_EQ(p, 0.0);
    }
}

// A white run sums every wavelength over the plan's own paths, enumerated once before the run:
// given paths no sweep of its settings would give, each point's white value is the mean of the
// screen kernel's p over those paths at every wavelength, and the count plotted is theirs.
TEST(RunCalculation, InWhiteLightEveryWavelengthSumsThePlansOwnPaths) {
    SettingsTexts texts;
    texts.resolutionX = "10";
    RunPlan plan = Plan(texts);
    plan.settings.light = WhiteLight();
    plan.paths = PathSet({44.0, 47.5, 53.0}, {100.0, 100.1, 100.2}, 3);
    RecordingHost host;
    EXPECT_EQ(RunCalculation(plan, host), RunOutcome::Finished);
    ASSERT_EQ(host.plottedColours.size(), 10 * plan.detectorX.size());
    EXPECT_EQ(host.whiteCounts, std::vector<int>(host.plottedColours.size(), 3));
    const Spectrum spectrum(plan.settings.light);
    std::vector<double> mean(plan.detectorX.size(), 0.0);
    for (const double nanometres : spectrum.Nanometres()) {
        std::vector<double> p(plan.detectorX.size());
        ComputeScreen(plan.paths, WavelengthAt(plan.settings.wavelength, nanometres), 30.0,
                      plan.detectorX, p);
        for (std::size_t i = 0; i < p.size(); ++i) {
            mean[i] += p[i] / static_cast<double>(spectrum.Size());
        }
    }
    for (std::size_t i = 0; i < mean.size(); ++i) {
        EXPECT_NEAR(host.plottedP[3 * mean.size() + i], mean[i], 1e-12 * 9.0);
    }
}

// White light through two narrow slits, seen on the farthest screen: in the middle every
// wavelength arrives in step, and the light is white (r, g and b within 1%); the first bright
// fringes on either side are the wavelengths' own, spaced in proportion to them, so the red
// light peaks farther out than the blue. (The slits are narrow enough that each one's own
// pattern is nearly the same for every wavelength where the middle sees it; the two-slit
// lesson's wider ones tint it by a few percent.)
TEST(RunCalculation, WhiteLightThroughTwoSlitsIsWhiteInTheMiddleRedOutsideBlueOnTheFirstFringes) {
    SettingsTexts texts;
    texts.patternCaption = "Mirror Number Double";
    texts.width = ".2";
    texts.spacing = "10";
    texts.resolution = ".00002";
    texts.resolutionX = ".25";
    RunPlan plan = Plan(texts);
    plan.settings.light = WhiteLight();
    RecordingHost host;
    EXPECT_EQ(RunCalculation(plan, host), RunOutcome::Finished);
    const std::size_t points = plan.detectorX.size();
    ASSERT_EQ(host.plottedColours.size(), 10 * points);
    // The farthest screen (y = 0) is the first.
    const auto colour = [&](std::size_t i) { return host.plottedColours[i]; };
    const std::size_t middle = points / 2;
    ASSERT_EQ(plan.detectorX[middle], 50.0);
    const LinearRgb centre = colour(middle);
    const double brightest = std::max({centre.r, centre.g, centre.b});
    EXPECT_GT(brightest, 0.0);
    EXPECT_LE(brightest - std::min({centre.r, centre.g, centre.b}), 0.01 * brightest);
    // From the middle outwards on each side: past the first dark fringe of a channel, the
    // point where it is brightest is its first bright fringe.
    const auto firstFringe = [&](double LinearRgb::*channel, int side) {
        std::size_t i = middle;
        const auto next = [&](std::size_t j) { return side > 0 ? j + 1 : j - 1; };
        while (colour(next(i)).*channel < colour(i).*channel) {
            i = next(i);
        }
        while (colour(next(i)).*channel >= colour(i).*channel) {
            i = next(i);
        }
        return std::fabs(plan.detectorX[i] - 50.0);
    };
    for (int side : {-1, 1}) {
        const double red = firstFringe(&LinearRgb::r, side);
        const double blue = firstFringe(&LinearRgb::b, side);
        EXPECT_GT(red, blue + 1.0) << "side " << side;
        EXPECT_LT(red, 20.0) << "side " << side;
    }
}

}  // namespace
}  // namespace pathsum
