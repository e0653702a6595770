#pragma once

#include <optional>

#include "ExperimentSettings.h"
#include "PathEnumeration.h"
#include "Refusal.h"

namespace pathsum {

// The values no run can work with: a wavelength of 0, a resolution or detector step that
// would never end the sweep, a gain whose plotted values could overflow, anything that is not
// a finite number.
std::optional<Refusal> CheckSettings(const ExperimentSettings& settings);

// A phase is the fractional part of length / wavelength: a wavelength so short that the
// longest path holds kMostResolvedTurns wavelengths or more leaves too little of a double for
// that fraction (at 1E+17 wavelengths nothing at all, and every arrow points the same way).
// A spectrum's shortest wavelength turns `turnsRatio` times as often as the typed one
// (Spectrum::MostTurnsRatio); the refusal then asks for a typed wavelength long enough for it.
std::optional<Refusal> CheckPhases(const PathSet& paths, const Entry& wavelength,
                                   double turnsRatio = 1.0);

}  // namespace pathsum
