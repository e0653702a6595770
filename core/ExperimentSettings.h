#pragma once

#include <string>

#include "MirrorPattern.h"
#include "WhiteLight.h"

namespace pathsum {

// A point of the plot frame in the single precision the source marker is stored in.
struct SourcePoint {
    float x = 0.0f;
    float y = 0.0f;
};

// Where the source marker stands when the program starts.
inline constexpr SourcePoint kStartSource{50.0f, 0.0f};

// A marker placed below the plot (y < 0) stands for a far, almost parallel source: the point
// used by the calculation moves along the line from the centre of the element row (50, 100)
// through the marker to a hundred times the marker's y. Any other marker is used as it is.
// Computed in single precision, like the marker itself.
SourcePoint ApplyFarSourceRule(SourcePoint marker);

// The whole number shown for a coordinate: the nearest integer, halves taken upwards.
double CaptionNumber(double value);

// Captions of the source coordinate labels for a source point (after the far-source rule):
// X is measured from the centre of the row, Y downwards from the row ("X= 0", "Y= 100").
std::string SourceXCaption(SourcePoint source);
std::string SourceYCaption(SourcePoint source);

// The texts a run reads its settings from, as the window's controls hold them. A
// default-made one holds the texts the boxes and the Pattern button start with: these are the
// program's defaults, written nowhere else.
struct SettingsTexts {
    std::string wavelength = "1";
    std::string width = "10";
    std::string spacing = "10";
    std::string gain = "10";
    std::string resolution = ".001";
    std::string resolutionX = "1";
    std::string patternCaption = std::string(kPatternCaptions.front());
};

// The inputs of one run, taken once when it starts.
struct ExperimentSettings {
    // The settings a run takes from the default texts with the marker where it starts.
    ExperimentSettings();

    double wavelength = 0.0;
    double width = 0.0;
    double spacing = 0.0;
    double gain = 0.0;
    double resolution = 0.0;
    double resolutionX = 0.0;           // the step between detector points along a screen
    SourcePoint marker = kStartSource;  // where the marker stands
    SourcePoint source = kStartSource;  // the point the calculation uses (far-source rule applied)
    std::string patternCaption;
    double pi = 0.0;
    // The texts the numbers were read from, as they stood: what a refusal quotes.
    SettingsTexts texts;  // kPi: the engine computes with no other
    // The light of the run: the typed wavelength alone unless the run is given a spectrum.
    Light light = {};

  private:
    struct Unread {};
    explicit ExperimentSettings(Unread) {}
    friend ExperimentSettings ReadExperimentSettings(const SettingsTexts&, SourcePoint);
};

// Converts the texts and the marker position into the settings of a run.
ExperimentSettings ReadExperimentSettings(const SettingsTexts& texts, SourcePoint marker);

}  // namespace pathsum
