#pragma once

#include <string>
#include <variant>

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

// Every refusal the program gives, each formed here and nowhere else (Refusal.cpp), so that
// they all quote values and counts the same way.
namespace refusals {

Refusal WavelengthNotUsable(double wavelength);
Refusal WavelengthTooSmallForAPhase(double wavelength);
Refusal ResolutionNotUsable(double resolution);
Refusal DetectorStepNotUsable(double step);
// `field` is the label a user knows the value by: "Gain", "Width" or "Spacing".
Refusal NotFinite(const char* field, double value);
Refusal SourceBeyondTheNumberRange();
Refusal GratingNeverEnds(double width, double spacing);
Refusal GratingTooFine(double width, double spacing);
// The sweep would try more rays than allowed while still turning towards the elements: the
// resolution is too fine for this source and row.
Refusal TooManyRays(double resolution);
// The sweep turned through every direction without reaching the element whose left edge is
// `leftEdge`: no resolution helps; the elements or the source must change. `elementCount`
// decides whether the spacing plays a part.
Refusal ElementOutOfReach(int elementCount, double width, double spacing, double leftEdge);

}  // namespace refusals

}  // namespace pathsum
