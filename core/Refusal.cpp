#include "Refusal.h"

#include <cstdint>
#include <string>

#include "Limits.h"
#include "NumberText.h"

namespace pathsum::refusals {
namespace {

// A value as a refusal quotes it: the text the window would show, between double quotes.
std::string Quoted(double value) {
    return '"' + TextFromNumber(value) + '"';
}

// A count with its thousands grouped: 20,000,000.
std::string Count(std::int64_t value) {
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::size_t fromEnd = digits.size() - i;
        if (i > 0 && digits[i - 1] != '-' && fromEnd % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string TheGrating(double width, double spacing) {
    return "The grating of Width " + Quoted(width) + " and Spacing " + Quoted(spacing);
}

}  // namespace

Refusal WavelengthNotUsable(double wavelength) {
    return {"Wavelength " + Quoted(wavelength) +
            " cannot be used: the wavelength must be a finite number other than 0."};
}

Refusal WavelengthTooSmallForAPhase(double wavelength) {
    return {"Wavelength " + Quoted(wavelength) +
            " cannot be used: it is so small that the path lengths measured in it go beyond the "
            "number range. Use a larger wavelength."};
}

Refusal ResolutionNotUsable(double resolution) {
    return {"Resolution Radians " + Quoted(resolution) +
            " cannot be used: the angular resolution must be a finite number greater than 0."};
}

Refusal DetectorStepNotUsable(double step) {
    return {"Resolution X " + Quoted(step) +
            " cannot be used: the detector step must be a finite number of at least" +
            TextFromNumber(kMinDetectorStep) + "."};
}

Refusal NotFinite(const char* field, double value) {
    return {std::string(field) + " " + Quoted(value) +
            " cannot be used: it must be a finite number."};
}

Refusal SourceBeyondTheNumberRange() {
    return {
        "The source marker is too far below the plot: the source it stands for lies beyond "
        "the number range. Move the marker closer to the plot."};
}

Refusal GratingNeverEnds(double width, double spacing) {
    return {TheGrating(width, spacing) +
            " never reaches the right edge: Width plus Spacing must be more than 0."};
}

Refusal GratingTooFine(double width, double spacing) {
    return {TheGrating(width, spacing) + " would hold more than " + Count(kMaxGratingElements) +
            " elements. Width plus Spacing must be at least" + TextFromNumber(kMinGratingPeriod) +
            "."};
}

Refusal TooManyRays(double resolution) {
    return {"Resolution Radians " + Quoted(resolution) +
            " cannot be used with this source and these elements: the sweep of rays from the "
            "source would try more than " +
            Count(kMaxRaysPerSweep) +
            " rays. Use a coarser resolution (a larger number of radians), or move the source or "
            "change the elements."};
}

Refusal ElementOutOfReach(int elementCount, double width, double spacing, double leftEdge) {
    const std::string values = elementCount > 1
                                   ? "Width " + Quoted(width) + " and Spacing " + Quoted(spacing)
                                   : "Width " + Quoted(width);
    return {values +
            " cannot be used with this source: " + (elementCount > 1 ? "they put" : "it puts") +
            " an element at x =" + TextFromNumber(leftEdge) +
            ", where no ray from the source reaches, so the sweep of rays would never find it. "
            "Change the width or the spacing, or move the source."};
}

}  // namespace pathsum::refusals
