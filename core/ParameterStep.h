#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Limits.h"

namespace pathsum {

const ParameterRange& RangeOf(Parameter parameter);

// The text after a mouse button (1 left, 2 right, anything else neither) is released over a
// parameter's label: left divides by 10, right multiplies by 10, a step out of the range
// jumps to its other end, and every release writes the value in its normalised form. Text
// whose number is not finite, or whose step would leave the double range downwards, cannot be
// stepped: nothing is returned and the text stays as it is.
std::optional<std::string> StepParameterText(std::string_view text, short button,
                                             const ParameterRange& range);

// The text after `notches` fine steps of a parameter (the mouse wheel, the arrow keys): each
// notch moves a twentieth of a decade up (positive) or down, onto the ladder of values
// 10^(k/20) written with two significant digits, and the value stays within the range the
// label steps use (it stops at its ends; a value typed beyond an end moves towards the range a
// notch at a time and no further out). Text whose number is not a finite value above 0
// cannot be stepped so: nothing is returned.
std::optional<std::string> FineStepParameterText(std::string_view text, int notches,
                                                 const ParameterRange& range);

// The detector step after a click on its label: 1, .5, .25, .1, then 1 again; any other value,
// text that is not a number included, goes to 1.
std::string NextDetectorStepText(std::string_view text);

}  // namespace pathsum
