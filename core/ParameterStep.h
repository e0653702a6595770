#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pathsum {

// The five parameters a label steps by a factor of ten, with the range each cycles through.
enum class Parameter { Wavelength, Resolution, Gain, Width, Spacing };

struct ParameterRange {
    Parameter parameter;
    double low;   // a downward step below this jumps to high
    double high;  // an upward step above this jumps to low
};

inline constexpr std::array<ParameterRange, 5> kParameterRanges = {{
    {Parameter::Wavelength, 0.001, 1.0},
    {Parameter::Resolution, 1E-05, 0.01},
    {Parameter::Gain, 0.001, 10.0},
    {Parameter::Width, 0.001, 100.0},
    {Parameter::Spacing, 0.001, 100.0},
}};

const ParameterRange& RangeOf(Parameter parameter);

// The text after a mouse button (1 left, 2 right, anything else neither) is released over a
// parameter's label: left divides by 10, right multiplies by 10, a step out of the range
// jumps to its other end, and every release writes the value in its normalised form. Text
// whose number is not finite, or whose step would leave the double range downwards, cannot be
// stepped: nothing is returned and the text stays as it is.
std::optional<std::string> StepParameterText(std::string_view text, short button,
                                             const ParameterRange& range);

// The detector step after a click on its label: 1, .5, .25, .1, then 1 again; any other value,
// text that is not a number included, goes to 1.
std::string NextDetectorStepText(std::string_view text);

}  // namespace pathsum
