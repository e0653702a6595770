#include "ParameterStep.h"

#include <cmath>

#include "NumberText.h"

namespace pathsum {

const ParameterRange& RangeOf(Parameter parameter) {
    for (const ParameterRange& range : kParameterRanges) {
        if (range.parameter == parameter) {
            return range;
        }
    }
    return kParameterRanges.front();
}

std::optional<std::string> StepParameterText(std::string_view text, short button,
                                             const ParameterRange& range) {
    double v = NumberFromText(text);
    if (!std::isfinite(v)) {
        return std::nullopt;
    }
    if (button == 1) {
        v = v / 10;
        if (v < range.low) {
            v = range.high;
        }
    }
    if (button == 2) {
        v = v * 10;
        if (v > range.high) {
            v = range.low;
        }
    }
    // A negative value can overflow downwards; writing "-Infinity" would lose it.
    if (!std::isfinite(v)) {
        return std::nullopt;
    }
    return TextFromNumber(v);
}

std::string NextDetectorStepText(std::string_view text) {
    const double v = NumberFromText(text);
    double next = 1.0;
    if (v == 1.0) {
        next = 0.5;
    } else if (v == 0.5) {
        next = 0.25;
    } else if (v == 0.25) {
        next = 0.1;
    }
    return TextFromNumber(next);
}

}  // namespace pathsum
