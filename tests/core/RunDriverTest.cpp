#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RunDriver.h"

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

}  // namespace
}  // namespace pathsum
