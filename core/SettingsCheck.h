#pragma once

#include <optional>
#include <vector>

#include "ExperimentSettings.h"
#include "MirrorPattern.h"
#include "PathEngine.h"
#include "Refusal.h"

namespace pathsum {

// The finest detector step a run accepts: 100,001 points a screen.
inline constexpr double kMinDetectorStep = 0.001;

// The values no run can work with: a wavelength of 0, a resolution or detector step that
// would never end the sweep, anything that is not a finite number.
std::optional<Refusal> CheckSettings(const ExperimentSettings& settings);

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

}  // namespace pathsum
