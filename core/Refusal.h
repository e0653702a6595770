#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

// Errors: a value no run can use is a refusal, a Refusal in a Checked<T>, shown to the user.
// A caller's mistake (mismatched spans, an unsupported kernel level) throws std::invalid_argument.
// A Stop is an empty std::optional from a function given a keepGoing callback that said no.

namespace pathsum {

// Why a run cannot go ahead with the values the user gave. The text is written for the user:
// it names the field, the value and what would be accepted, and the window shows it as it is.
struct Refusal {
    std::string reason;
};

// Either a usable value or the reason it could not be made.
template <class T>
using Checked = std::variant<T, Refusal>;

template <class T>
bool IsRefused(const Checked<T>& checked) {
    return std::holds_alternative<Refusal>(checked);
}

// A value as a refusal quotes it: the number a run read and, where there is one, the text it
// was read from, quoted as it stands in its box. A value a caller made itself has no text and
// is quoted as the window writes numbers.
struct Entry {
    Entry(double read) : value(read) {}  // NOLINT(google-explicit-constructor): any number will do
    Entry(double read, std::string typed) : value(read), text(std::move(typed)) {}
    double value;
    std::optional<std::string> text;
};

// Every refusal the program gives, each formed here and nowhere else (Refusal.cpp), so that
// they all quote values and counts the same way.
namespace refusals {

Refusal WavelengthNotUsable(const Entry& wavelength);
// The phase of a path is the fractional part of its length in wavelengths: the longest path
// of the run, `longestPath` units, holds too many wavelengths for a double to keep that part
// to a millionth of a turn (kMostResolvedTurns). In light of several wavelengths the shortest
// turns `turnsRatio` times as often as the typed one.
Refusal WavelengthTooShortForThePhase(const Entry& wavelength, double longestPath,
                                      double turnsRatio = 1.0);
Refusal ResolutionNotUsable(const Entry& resolution);
Refusal DetectorStepNotUsable(const Entry& step);
// Beyond kMaxGain either way, the plotted values could overflow.
Refusal GainNotUsable(const Entry& gain);
// `field` is the label a user knows the value by: "Width" or "Spacing".
Refusal NotFinite(const char* field, const Entry& value);
Refusal SourceBeyondTheNumberRange();
Refusal GratingNeverEnds(const Entry& width, const Entry& spacing);
Refusal GratingTooFine(const Entry& width, const Entry& spacing);
// The sweep would try more rays than allowed while still turning towards the elements: the
// resolution is too fine for this source and row.
Refusal TooManyRays(const Entry& resolution);
// The sweep turned through every direction without reaching the element whose left edge is
// `leftEdge`: no resolution helps; the elements or the source must change. `elementCount`
// decides whether the spacing plays a part.
Refusal ElementOutOfReach(int elementCount, const Entry& width, const Entry& spacing,
                          double leftEdge);

}  // namespace refusals

// What a run that the program lets go ahead says beside its picture, formed here with the
// refusals so that values are quoted the same way.
namespace notices {

// A value a run read from a box, under the label a user knows the box by.
struct ReadBox {
    const char* field = "";
    Entry entry;
};

// The boxes whose text is more than a plain number, each quoted with what the run read from it
// ("Gain "1,5" (read as 1)"); nothing when every box held a plain number.
std::optional<std::string> NotPlainNumbers(const std::vector<ReadBox>& boxes);

// No path reaches the screens: no ray from the source meets an element inside the plot.
std::string NoPath();

// The rays meet the row up to `largestGap` apart, more than half the `wavelength`: the screens
// may show beams the light does not have. `fineResolution` is fine enough; `withinRayLimit`
// says whether a run may sweep that many rays.
std::string TooFewPaths(double largestGap, double wavelength, double fineResolution,
                        bool withinRayLimit);

}  // namespace notices

}  // namespace pathsum
