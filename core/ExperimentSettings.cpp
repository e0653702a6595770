#include "ExperimentSettings.h"

#include <cmath>

#include "NumberText.h"

namespace pathsum {

SourcePoint ApplyFarSourceRule(SourcePoint marker) {
    if (!(marker.y < 0.0f)) {
        return marker;
    }
    const float y0 = marker.y;
    SourcePoint far;
    far.y = 100.0f * y0;
    far.x = ((100.0f - far.y) * (marker.x - 50.0f)) / (100.0f - y0) + 50.0f;
    return far;
}

double CaptionNumber(double value) {
    return std::floor(value + 0.5);
}

std::string SourceXCaption(SourcePoint source) {
    return "X=" + TextFromNumber(CaptionNumber(static_cast<double>(source.x) - 50.0));
}

std::string SourceYCaption(SourcePoint source) {
    return "Y=" + TextFromNumber(CaptionNumber(100.0 - static_cast<double>(source.y)));
}

double RunPi() {
    return std::atan(1.0) * 4.0;
}

ExperimentSettings::ExperimentSettings()
    : ExperimentSettings(ReadExperimentSettings(SettingsTexts{}, kStartSource)) {}

ExperimentSettings ReadExperimentSettings(const SettingsTexts& texts, SourcePoint marker) {
    ExperimentSettings settings{ExperimentSettings::Unread{}};
    settings.wavelength = NumberFromText(texts.wavelength);
    settings.width = NumberFromText(texts.width);
    settings.spacing = NumberFromText(texts.spacing);
    settings.gain = NumberFromText(texts.gain);
    settings.resolution = NumberFromText(texts.resolution);
    settings.marker = marker;
    settings.resolutionX = NumberFromText(texts.resolutionX);
    settings.source = ApplyFarSourceRule(marker);
    settings.patternCaption = texts.patternCaption;
    settings.pi = RunPi();
    return settings;
}

}  // namespace pathsum
