#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ExperimentSettings.h"
#include "MirrorPattern.h"
#include "PathEngine.h"
#include "Refusal.h"

namespace pathsum {

// Everything a run computes before its first screen.
struct RunPlan {
    ExperimentSettings settings;
    ElementRow row;
    PathSet paths;
    std::vector<double> detectorX;
};

// Checks the settings, builds the element row and enumerates the paths; the first refusal
// met is returned instead. Nothing here draws.
Checked<RunPlan> PlanRun(const ExperimentSettings& settings);

// The same, asking `keepGoing` now and then during the sweep of the rays (EnumeratePaths);
// nothing when it says no.
std::optional<Checked<RunPlan>> PlanRun(const ExperimentSettings& settings,
                                        const std::function<bool()>& keepGoing);

// What a run says beside its picture, a line each: the boxes whose text is not a plain number,
// with what the run read from each, and, once it is planned (`plan`), a run in which no path
// reaches the row or whose rays are too sparse for its wavelength (TooFewPaths). Empty when
// there is nothing to say.
std::vector<std::string> RunNotices(const ExperimentSettings& settings, const RunPlan* plan);

}  // namespace pathsum
