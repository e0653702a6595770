#include "ParameterStep.h"

#include <algorithm>
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

namespace {

// Twenty fine steps make a decade.
constexpr double kStepsPerDecade = 20.0;
// How far a value may lie from a rung of the ladder, in rungs, and still count as on it: a
// rung written with two significant digits lies at most 0.28 rungs from 10^(k/20) (1.3 for
// 1.2589), less than half the way to the next.
constexpr double kOnRung = 0.35;

// The rung k of the ladder: 10^(k/20) with two significant digits (1, 1.1, 1.3, 1.4, 1.6,
// 1.8, 2, 2.2, 2.5 ...), distinct and easy to read.
double Rung(double k) {
    const double exact = std::pow(10.0, k / kStepsPerDecade);
    const double scale = std::pow(10.0, std::floor(std::log10(exact)) - 1.0);
    return std::round(exact / scale) * scale;
}

}  // namespace

std::optional<std::string> FineStepParameterText(std::string_view text, int notches,
                                                 const ParameterRange& range) {
    const double v = NumberFromText(text);
    if (!std::isfinite(v) || !(v > 0.0) || notches == 0) {
        return std::nullopt;
    }
    // The rung at or beyond the value in the direction of the step counts as the first.
    const double position = kStepsPerDecade * std::log10(v);
    const double nearest = std::round(position);
    double k = 0.0;
    if (std::fabs(position - nearest) <= kOnRung) {
        k = nearest + notches;
    } else {
        k = notches > 0 ? std::ceil(position) + (notches - 1)
                        : std::floor(position) + (notches + 1);
    }
    // The range's ends stop a step; a value typed beyond an end steps towards the range a rung
    // at a time (never onto the end in one go) and stays where it is when stepped away.
    const double stepped = std::clamp(Rung(k), std::min(range.low, v), std::max(range.high, v));
    return TextFromNumber(stepped);
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
