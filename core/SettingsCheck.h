#pragma once

#include <optional>

#include "ExperimentSettings.h"
#include "PathEnumeration.h"
#include "Refusal.h"

namespace pathsum {

// The values no run can work with: a wavelength of 0, a resolution or detector step that
// would never end the sweep, anything that is not a finite number.
std::optional<Refusal> CheckSettings(const ExperimentSettings& settings);

// A phase is the fractional part of length / wavelength: a wavelength so small that the
// longest path, measured in it, leaves the double range gives no phase at all.
std::optional<Refusal> CheckPhases(const PathSet& paths, double wavelength);

}  // namespace pathsum
