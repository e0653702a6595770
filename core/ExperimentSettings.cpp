#include "ExperimentSettings.h"

#include <cmath>

#include "Geometry.h"
#include "NumberText.h"

namespace pathsum {

SourcePoint ApplyFarSourceRule(SourcePoint marker) {
    if (!(marker.y < 0.0f)) {
        return marker;
    }
    // In the marker's single precision; the row's y and centre are exact as floats.
    constexpr auto rowY = static_cast<float>(kRowY);
    constexpr auto centreX = static_cast<float>(kCentreX);
    const float y0 = marker.y;
    SourcePoint far;
    far.y = 100.0f * y0;
    far.x = ((rowY - far.y) * (marker.x - centreX)) / (rowY - y0) + centreX;
    return far;
}

double CaptionNumber(double value) {
    return std::floor(value + 0.5);
}

std::string SourceXCaption(SourcePoint source) {
    return "X=" + TextFromNumber(CaptionNumber(static_cast<double>(source.x) - kCentreX));
}

std::string SourceYCaption(SourcePoint source) {
    return "Y=" + TextFromNumber(CaptionNumber(DistanceFromRow(source.y)));
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
    settings.texts = texts;
    settings.pi = kPi;
    return settings;
}

}  // namespace pathsum
