#include "SweepOracle.h"

#include <cmath>

#include "Geometry.h"

namespace pathsum {

SweepPoint SweepAtPoint(const EngineInputs& inputs, const ElementRow& row, double x, double y,
                        std::int64_t maxRays, SweepTrace* trace) {
    const double sx = inputs.source.x;
    const double sy = inputs.source.y;
    const double resolution = inputs.resolution;
    const double wavelength = inputs.wavelength;
    const double w = row.width;
    const double s = row.spacing;

    SweepPoint result;
    result.raysTried = 1;
    double angle = 0.0;
    double hitX = 0.0;
    // The next ray: false, and nothing changed, when it would be one ray too many.
    const auto nextRay = [&]() {
        if (result.raysTried >= maxRays) {
            result.refused = true;
            return false;
        }
        ++result.raysTried;
        angle = angle + resolution;
        hitX = sx + (100.0 - sy) * std::tan(angle);
        return true;
    };

    int remaining = row.count;
    double left = row.firstLeft;
    double c = 0.0;
    double sn = 0.0;
    angle = resolution + (-kPi) / 2.0;
    hitX = 0.0;
    while (hitX < left) {
        if (!nextRay()) {
            return result;
        }
    }
    int count = 0;
    while ((hitX < 100.0) && (remaining > 0)) {
        if (hitX > left + w) {
            remaining = remaining - 1;
            if (remaining > 0) {
                left = (left + w) + s;
                while (hitX < left) {
                    if (!nextRay()) {
                        return result;
                    }
                }
            }
        }
        if ((hitX > 0.0) && (hitX < 100.0)) {
            count = count + 1;
            const double leg1 = std::sqrt((sx - hitX) * (sx - hitX) + (100.0 - sy) * (100.0 - sy));
            const double leg2 = std::sqrt((hitX - x) * (hitX - x) + (100.0 - y) * (100.0 - y));
            const double length = leg1 + leg2;
            const double phase =
                (2.0 * kPi) * (length / wavelength - std::floor(length / wavelength));
            c = c + std::cos(phase);
            sn = sn + std::sin(phase);
            if (trace != nullptr) {
                trace->hitX.push_back(hitX);
                trace->firstLeg.push_back(leg1);
            }
        }
        if (!nextRay()) {
            return result;
        }
        if (remaining == 0) {
            hitX = 100.0;
        }
    }
    result.count = count;
    result.cosSum = c;
    result.sinSum = sn;
    result.p = c * c + sn * sn;
    return result;
}

}  // namespace pathsum
