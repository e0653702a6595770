#include "RunPlan.h"

#include <utility>

#include "SettingsCheck.h"

namespace pathsum {

Checked<RunPlan> PlanRun(const ExperimentSettings& settings) {
    return *PlanRun(settings, {});
}

std::optional<Checked<RunPlan>> PlanRun(const ExperimentSettings& settings,
                                        const std::function<bool()>& keepGoing) {
    if (auto refusal = CheckSettings(settings)) {
        return *refusal;
    }
    RunPlan plan;
    plan.settings = settings;
    const SettingsTexts& typed = settings.texts;
    auto row = BuildElementRow(PatternFromCaption(settings.patternCaption),
                               {settings.width, typed.width}, {settings.spacing, typed.spacing});
    if (auto* refusal = std::get_if<Refusal>(&row)) {
        return *refusal;
    }
    plan.row = std::move(std::get<ElementRow>(row));
    auto paths = EnumeratePaths(InputsOf(settings), plan.row, keepGoing);
    if (!paths) {
        return std::nullopt;
    }
    if (auto* refusal = std::get_if<Refusal>(&*paths)) {
        return *refusal;
    }
    plan.paths = std::move(std::get<PathSet>(*paths));
    if (auto refusal = CheckPhases(plan.paths, {settings.wavelength, typed.wavelength})) {
        return *refusal;
    }
    plan.detectorX = DetectorPoints(settings.resolutionX);
    return plan;
}

}  // namespace pathsum
