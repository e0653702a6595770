#include "SettingsCheck.h"

#include <algorithm>
#include <cmath>

#include "Limits.h"

namespace pathsum {
namespace {

std::optional<Refusal> RequireFinite(const char* field, double value) {
    if (std::isfinite(value)) {
        return std::nullopt;
    }
    return refusals::NotFinite(field, value);
}

}  // namespace

std::optional<Refusal> CheckPhases(const PathSet& paths, double wavelength) {
    double longestFirstLeg = 0.0;
    for (double leg : paths.FirstLeg()) {
        longestFirstLeg = std::max(longestFirstLeg, leg);
    }
    if (paths.Count() == 0 ||
        std::isfinite((longestFirstLeg + kLongestSecondLeg) / std::fabs(wavelength))) {
        return std::nullopt;
    }
    return refusals::WavelengthTooSmallForAPhase(wavelength);
}

std::optional<Refusal> CheckSettings(const ExperimentSettings& s) {
    if (!std::isfinite(s.wavelength) || s.wavelength == 0.0) {
        return refusals::WavelengthNotUsable(s.wavelength);
    }
    if (!std::isfinite(s.resolution) || !(s.resolution > 0.0)) {
        return refusals::ResolutionNotUsable(s.resolution);
    }
    if (!std::isfinite(s.resolutionX) || !(s.resolutionX >= kMinDetectorStep)) {
        return refusals::DetectorStepNotUsable(s.resolutionX);
    }
    if (auto refusal = RequireFinite("Gain", s.gain)) {
        return refusal;
    }
    if (auto refusal = RequireFinite("Width", s.width)) {
        return refusal;
    }
    if (auto refusal = RequireFinite("Spacing", s.spacing)) {
        return refusal;
    }
    // The marker is finite, but the far-source rule multiplies its height by a hundred in
    // single precision, which can leave the float range.
    if (!std::isfinite(s.source.x) || !std::isfinite(s.source.y)) {
        return refusals::SourceBeyondTheNumberRange();
    }
    return std::nullopt;
}

}  // namespace pathsum
