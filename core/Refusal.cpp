#include "Refusal.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "Limits.h"
#include "NumberText.h"
#include "Translation.h"

namespace pathsum::refusals {
namespace {

// A value between double quotes: its text as typed, with the number it reads as where the
// text is more than a number ("abc" reads as 0), or the number as the window writes it.
// Infinities compare equal to themselves, and no text reads as NaN.
std::string Quoted(const Entry& entry) {
    // A text that does not read as the value is not the value's own (a caller set the number).
    if (!entry.text || NumberFromText(*entry.text) != entry.value) {
        return '"' + TextFromNumber(entry.value) + '"';
    }
    std::string quoted = '"' + *entry.text + '"';
    if (!TextIsANumber(*entry.text)) {
        quoted =
            Filled(Translated("Refusal", "%1 (read as%2)"), {quoted, TextFromNumber(entry.value)});
    }
    return quoted;
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

}  // namespace

Refusal WavelengthNotUsable(const Entry& wavelength) {
    return {Filled(Translated("Refusal",
                              "Wavelength %1 cannot be used: the wavelength must be a "
                              "finite number other than 0."),
                   {Quoted(wavelength)})};
}

Refusal WavelengthTooShortForThePhase(const Entry& wavelength, double longestPath,
                                      double turnsRatio) {
    // The shortest wavelength that would do, rounded up to three digits so that it does.
    const double least = longestPath * turnsRatio / kMostResolvedTurns;
    const double unit = std::pow(10.0, std::floor(std::log10(least)) - 2.0);
    const std::string longest = ReadableNumber(longestPath, 3);
    const std::string shortest = TextFromNumber(std::ceil(least / unit) * unit);
    if (turnsRatio != 1.0) {
        return {Filled(Translated("Refusal",
                                  "Wavelength %1 cannot be used: it is so short that the longest "
                                  "path of this run, about %2 units, holds more of the white "
                                  "light's shortest wavelengths than the computer can count to a "
                                  "millionth of a turn, so the arrows of the paths would point the "
                                  "wrong way. Use a wavelength of at least%3."),
                       {Quoted(wavelength), longest, shortest})};
    }
    return {Filled(Translated("Refusal",
                              "Wavelength %1 cannot be used: it is so short that the longest path "
                              "of this run, about %2 units, holds more wavelengths than the "
                              "computer can count to a millionth of a turn, so the arrows of the "
                              "paths would point the wrong way. Use a wavelength of at least%3."),
                   {Quoted(wavelength), longest, shortest})};
}

Refusal ResolutionNotUsable(const Entry& resolution) {
    return {Filled(Translated("Refusal",
                              "Resolution Radians %1 cannot be used: the angular "
                              "resolution must be a finite number greater than 0."),
                   {Quoted(resolution)})};
}

Refusal DetectorStepNotUsable(const Entry& step) {
    return {Filled(Translated("Refusal",
                              "Resolution X %1 cannot be used: the detector step must "
                              "be a finite number of at least%2."),
                   {Quoted(step), TextFromNumber(kMinDetectorStep)})};
}

Refusal GainNotUsable(const Entry& gain) {
    return {Filled(Translated("Refusal",
                              "Gain %1 cannot be used: the gain must be a finite number from %2 "
                              "to%3, or the plotted values would be too large for the computer's "
                              "numbers."),
                   {Quoted(gain), TextFromNumber(-kMaxGain), TextFromNumber(kMaxGain)})};
}

Refusal NotFinite(const char* field, const Entry& value) {
    return {Filled(Translated("Refusal", "%1 %2 cannot be used: it must be a finite number."),
                   {Translated("Refusal", field), Quoted(value)})};
}

Refusal SourceBeyondTheNumberRange() {
    return {Translated("Refusal",
                       "The source marker is too far below the plot: the source it stands for "
                       "lies beyond the number range. Move the marker closer to the plot.")};
}

Refusal GratingNeverEnds(const Entry& width, const Entry& spacing) {
    return {Filled(Translated("Refusal",
                              "The grating of Width %1 and Spacing %2 never reaches "
                              "the right edge: Width plus Spacing must be more than 0."),
                   {Quoted(width), Quoted(spacing)})};
}

Refusal GratingTooFine(const Entry& width, const Entry& spacing) {
    return {Filled(Translated("Refusal",
                              "The grating of Width %1 and Spacing %2 would hold more "
                              "than %3 elements. Width plus Spacing must be at "
                              "least%4."),
                   {Quoted(width), Quoted(spacing), Count(kMaxGratingElements),
                    TextFromNumber(kMinGratingPeriod)})};
}

Refusal TooManyRays(const Entry& resolution) {
    return {Filled(Translated("Refusal",
                              "Resolution Radians %1 cannot be used with this source and these "
                              "elements: the sweep of rays from the source would try more than "
                              "%2 rays. Use a coarser resolution (a larger number of radians), or "
                              "move the source or change the elements."),
                   {Quoted(resolution), Count(kMaxRaysPerSweep)})};
}

Refusal ElementOutOfReach(int elementCount, const Entry& width, const Entry& spacing,
                          double leftEdge) {
    if (elementCount > 1) {
        return {Filled(Translated("Refusal",
                                  "Width %1 and Spacing %2 cannot be used with this source: they "
                                  "put an element at x =%3, where no ray from the source reaches, "
                                  "so the sweep of rays would never find it. Change the width or "
                                  "the spacing, or move the source."),
                       {Quoted(width), Quoted(spacing), TextFromNumber(leftEdge)})};
    }
    return {Filled(Translated("Refusal",
                              "Width %1 cannot be used with this source: it puts an element at x "
                              "=%2, where no ray from the source reaches, so the sweep of rays "
                              "would never find it. Change the width or the spacing, or move the "
                              "source."),
                   {Quoted(width), TextFromNumber(leftEdge)})};
}

}  // namespace pathsum::refusals

namespace pathsum::notices {

std::optional<std::string> NotPlainNumbers(const std::vector<ReadBox>& boxes) {
    std::string quoted;
    int count = 0;
    for (const ReadBox& box : boxes) {
        if (box.entry.text && !TextIsANumber(*box.entry.text)) {
            quoted += (count++ > 0 ? ", " : "") + Translated("Refusal", box.field) + " " +
                      refusals::Quoted(box.entry);
        }
    }
    if (count == 0) {
        return std::nullopt;
    }
    return Filled(count > 1 ? Translated("Notice", "Not plain numbers: %1.")
                            : Translated("Notice", "Not a plain number: %1."),
                  {quoted});
}

std::string NoPath() {
    return Translated("Notice",
                      "No path reaches the screens: no ray from the source meets a mirror or "
                      "slit within the plot. Move the source, or change the width or the "
                      "spacing.");
}

std::string TooFewPaths(double largestGap, double wavelength, double fineResolution,
                        bool withinRayLimit) {
    // The lengths with a few digits; the resolution as a person would type it.
    const std::string gap = ReadableNumber(largestGap, 2);
    const std::string half = ReadableNumber(0.5 * std::fabs(wavelength), 3);
    const std::string fine = ReadableNumber(fineResolution);
    if (withinRayLimit) {
        return Filled(Translated("Notice",
                                 "Too few paths for this wavelength: neighbouring rays meet the "
                                 "mirrors up to %1 apart, more than half a wavelength (%2), so "
                                 "the screens may show beams that the light does not have. A "
                                 "resolution of %3 radians or finer is fine enough."),
                      {gap, half, fine});
    }
    return Filled(Translated("Notice",
                             "Too few paths for this wavelength: neighbouring rays meet the "
                             "mirrors up to %1 apart, more than half a wavelength (%2), so the "
                             "screens may show beams that the light does not have. A resolution "
                             "of %3 radians would be fine enough, but needs more rays than a run "
                             "may try: choose a longer wavelength, or a source nearer the "
                             "mirrors."),
                  {gap, half, fine});
}

}  // namespace pathsum::notices
