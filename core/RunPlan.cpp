#include "RunPlan.h"

#include <utility>

#include "FarField.h"
#include "SettingsCheck.h"
#include "Translation.h"

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
    if (auto refusal = CheckPhases(plan.paths, {settings.wavelength, typed.wavelength},
                                   Spectrum(settings.light).MostTurnsRatio())) {
        return *refusal;
    }
    plan.detectorX = DetectorPoints(settings.resolutionX);
    return plan;
}

std::vector<std::string> RunNotices(const ExperimentSettings& settings, const RunPlan* plan) {
    const SettingsTexts& typed = settings.texts;
    std::vector<notices::ReadBox> boxes = {
        {QT_TRANSLATE_NOOP("Refusal", "Wavelength"), {settings.wavelength, typed.wavelength}},
        {QT_TRANSLATE_NOOP("Refusal", "Resolution Radians"),
         {settings.resolution, typed.resolution}},
        {QT_TRANSLATE_NOOP("Refusal", "Resolution X"), {settings.resolutionX, typed.resolutionX}},
        {QT_TRANSLATE_NOOP("Refusal", "Gain"), {settings.gain, typed.gain}},
        {QT_TRANSLATE_NOOP("Refusal", "Width"), {settings.width, typed.width}},
    };
    // A single mirror has no spacing: the run does not use the box.
    if (PatternFromCaption(settings.patternCaption) != MirrorPattern::Single) {
        boxes.push_back(
            {QT_TRANSLATE_NOOP("Refusal", "Spacing"), {settings.spacing, typed.spacing}});
    }
    std::vector<std::string> said;
    if (auto readAs = notices::NotPlainNumbers(boxes)) {
        said.push_back(std::move(*readAs));
    }
    if (plan != nullptr && plan->paths.Count() == 0) {
        said.push_back(notices::NoPath());
    }
    // The run goes ahead all the same: the beams that are not there are worth showing too.
    if (plan != nullptr && plan->paths.Count() > 0) {
        if (const auto sparse = TooFewPaths(settings, plan->row)) {
            said.push_back(notices::TooFewPaths(sparse->largestGap, settings.wavelength,
                                                sparse->fineResolution, sparse->withinRayLimit));
        }
    }
    return said;
}

}  // namespace pathsum
