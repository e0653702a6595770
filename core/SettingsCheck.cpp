#include "SettingsCheck.h"

#include <algorithm>
#include <cmath>

#include "Limits.h"
#include "Translation.h"

namespace pathsum {
namespace {

std::optional<Refusal> RequireFinite(const char* field, const Entry& entry) {
    if (std::isfinite(entry.value)) {
        return std::nullopt;
    }
    return refusals::NotFinite(field, entry);
}

}  // namespace

std::optional<Refusal> CheckPhases(const PathSet& paths, const Entry& wavelength,
                                   double turnsRatio) {
    double longestFirstLeg = 0.0;
    for (double leg : paths.FirstLeg()) {
        longestFirstLeg = std::max(longestFirstLeg, leg);
    }
    const double longestPath = longestFirstLeg + kLongestSecondLeg;
    if (paths.Count() == 0 ||
        longestPath * turnsRatio / std::fabs(wavelength.value) < kMostResolvedTurns) {
        return std::nullopt;
    }
    return refusals::WavelengthTooShortForThePhase(wavelength, longestPath, turnsRatio);
}

std::optional<Refusal> CheckSettings(const ExperimentSettings& s) {
    if (!std::isfinite(s.wavelength) || s.wavelength == 0.0) {
        return refusals::WavelengthNotUsable({s.wavelength, s.texts.wavelength});
    }
    if (!std::isfinite(s.resolution) || !(s.resolution > 0.0)) {
        return refusals::ResolutionNotUsable({s.resolution, s.texts.resolution});
    }
    if (!std::isfinite(s.resolutionX) || !(s.resolutionX >= kMinDetectorStep)) {
        return refusals::DetectorStepNotUsable({s.resolutionX, s.texts.resolutionX});
    }
    // Beyond kMaxGain (or not a number at all) the plotted values could overflow.
    if (!(std::fabs(s.gain) <= kMaxGain)) {
        return refusals::GainNotUsable({s.gain, s.texts.gain});
    }
    if (auto refusal =
            RequireFinite(QT_TRANSLATE_NOOP("Refusal", "Width"), {s.width, s.texts.width})) {
        return refusal;
    }
    if (auto refusal =
            RequireFinite(QT_TRANSLATE_NOOP("Refusal", "Spacing"), {s.spacing, s.texts.spacing})) {
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
