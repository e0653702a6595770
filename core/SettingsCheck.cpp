#include "SettingsCheck.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "NumberText.h"

namespace pathsum {
namespace {

std::optional<Refusal> RequireFinite(const char* field, double value) {
    if (std::isfinite(value)) {
        return std::nullopt;
    }
    return Refusal{std::string(field) + " " + QuotedValue(value) +
                   " cannot be used: it must be a finite number."};
}

// A phase is the fractional part of length / wavelength. A wavelength so small that the
// quotient leaves the double range would give no phase at all, only NaN sums.
std::optional<Refusal> RequirePhases(const PathSet& paths, double wavelength) {
    // No second leg is longer than the diagonal of the plot square.
    constexpr double kLongestSecondLeg = 142.0;
    double longestFirstLeg = 0.0;
    for (double leg : paths.FirstLeg()) {
        longestFirstLeg = std::max(longestFirstLeg, leg);
    }
    if (paths.Count() == 0 ||
        std::isfinite((longestFirstLeg + kLongestSecondLeg) / std::fabs(wavelength))) {
        return std::nullopt;
    }
    return Refusal{"Wavelength " + QuotedValue(wavelength) +
                   " cannot be used: it is so small that the path lengths measured in it go "
                   "beyond the number range. Use a larger wavelength."};
}

}  // namespace

std::optional<Refusal> CheckSettings(const ExperimentSettings& s) {
    if (!std::isfinite(s.wavelength) || s.wavelength == 0.0) {
        return Refusal{"Wavelength " + QuotedValue(s.wavelength) +
                       " cannot be used: the wavelength must be a finite number other than 0."};
    }
    if (!std::isfinite(s.resolution) || !(s.resolution > 0.0)) {
        return Refusal{"Resolution Radians " + QuotedValue(s.resolution) +
                       " cannot be used: the angular resolution must be a finite number "
                       "greater than 0."};
    }
    if (!std::isfinite(s.resolutionX) || !(s.resolutionX >= kMinDetectorStep)) {
        return Refusal{"Resolution X " + QuotedValue(s.resolutionX) +
                       " cannot be used: the detector step must be a finite number of at least" +
                       TextFromNumber(kMinDetectorStep) + "."};
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
        return Refusal{
            "The source marker is too far below the plot: the source it stands for "
            "lies beyond the number range. Move the marker closer to the plot."};
    }
    return std::nullopt;
}

Checked<RunPlan> PlanRun(const ExperimentSettings& settings) {
    if (auto refusal = CheckSettings(settings)) {
        return *refusal;
    }
    RunPlan plan;
    plan.settings = settings;
    auto row = BuildElementRow(PatternFromCaption(settings.patternCaption), settings.width,
                               settings.spacing);
    if (auto* refusal = std::get_if<Refusal>(&row)) {
        return *refusal;
    }
    plan.row = std::move(std::get<ElementRow>(row));
    EngineInputs inputs;
    inputs.source = settings.source;
    inputs.wavelength = settings.wavelength;
    inputs.resolution = settings.resolution;
    inputs.pi = settings.pi;
    auto paths = EnumeratePaths(inputs, plan.row);
    if (auto* refusal = std::get_if<Refusal>(&paths)) {
        return *refusal;
    }
    plan.paths = std::move(std::get<PathSet>(paths));
    if (auto refusal = RequirePhases(plan.paths, settings.wavelength)) {
        return *refusal;
    }
    plan.detectorX = DetectorPoints(settings.resolutionX);
    return plan;
}

}  // namespace pathsum
