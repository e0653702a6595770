#include "SettingsCheck.h"

#include <cmath>
#include <string>

#include "NumberText.h"

namespace pathsum {
namespace {

std::string Quoted(double value) {
    std::string text(1, '"');
    text += TextFromNumber(value);
    text += '"';
    return text;
}

std::optional<Refusal> RequireFinite(const char* field, double value) {
    if (std::isfinite(value)) {
        return std::nullopt;
    }
    return Refusal{std::string(field) + " " + Quoted(value) +
                   " cannot be used: it must be a finite number."};
}

}  // namespace

std::optional<Refusal> CheckSettings(const ExperimentSettings& s) {
    if (!std::isfinite(s.wavelength) || s.wavelength == 0.0) {
        return Refusal{"Wavelength " + Quoted(s.wavelength) +
                       " cannot be used: the wavelength must be a finite number other than 0."};
    }
    if (!std::isfinite(s.resolution) || !(s.resolution > 0.0)) {
        return Refusal{"Resolution Radians " + Quoted(s.resolution) +
                       " cannot be used: the angular resolution must be a finite number "
                       "greater than 0."};
    }
    if (!std::isfinite(s.resolutionX) || !(s.resolutionX >= kMinDetectorStep)) {
        return Refusal{"Resolution X " + Quoted(s.resolutionX) +
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
    plan.detectorX = DetectorPoints(settings.resolutionX);
    return plan;
}

}  // namespace pathsum
