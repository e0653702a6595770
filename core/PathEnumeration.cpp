#include "PathEnumeration.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "Geometry.h"
#include "Parallel.h"

// Every product and sum of this file rounded on its own.
#include "NoFusedMultiplyAdd.h"

namespace pathsum {

EngineInputs InputsOf(const ExperimentSettings& settings) {
    EngineInputs inputs;
    inputs.source = settings.source;
    inputs.wavelength = settings.wavelength;
    inputs.resolution = settings.resolution;
    return inputs;
}

PathSet::PathSet(std::vector<double> hitX, std::vector<double> firstLeg, std::int64_t raysTried,
                 std::vector<ElementStart> elements)
    : hitX_(std::move(hitX)),
      firstLeg_(std::move(firstLeg)),
      raysTried_(raysTried),
      elements_(std::move(elements)) {
    if (hitX_.size() != firstLeg_.size()) {
        throw std::invalid_argument("PathSet: every path needs a hit x and a first leg");
    }
    if (elements_.empty() && !hitX_.empty()) {
        elements_.push_back({0, 0});
    }
}

namespace {

// How many paths a sweep that meets the frame once will find, to size the lists up front.
// Sweeps that wrap past a right angle find more; the lists then grow as usual.
std::size_t ExpectedPaths(double sx, double rowDistance, double resolution) {
    if (!(rowDistance > 0.0) || !(resolution > 0.0)) {
        return 0;
    }
    const double span =
        std::atan((kPlotRight - sx) / rowDistance) - std::atan((kPlotLeft - sx) / rowDistance);
    const double expected = span / resolution + 2.0;
    if (std::isnan(expected)) {
        return 0;  // a source beyond the number range: nothing to size the lists from
    }
    // No sweep keeps more paths than it tries rays. Reserving costs address space only until
    // the paths are written, so the list is never copied as it grows.
    constexpr auto kMostReserved = static_cast<double>(kMaxRaysPerSweep);
    return static_cast<std::size_t>(std::clamp(expected, 0.0, kMostReserved));
}

}  // namespace

// The rays are tried in exactly the order and with exactly the arithmetic of the sweep every
// detector point used to repeat: the same angle additions, the same strict comparisons, the
// first ray taken at hit x = 0 without a tangent. Only the rays that count are kept.
Checked<PathSet> EnumeratePaths(const EngineInputs& inputs, const ElementRow& row,
                                std::int64_t maxRays) {
    const double sx = inputs.source.x;
    const double sy = inputs.source.y;
    const double rowDistance = DistanceFromRow(sy);
    const double resolution = inputs.resolution;
    const double w = row.width;
    const double s = row.spacing;

    std::vector<double> hits;
    std::vector<double> firstLegs;
    std::vector<ElementStart> elements;
    hits.reserve(ExpectedPaths(sx, rowDistance, resolution));

    int remaining = row.count;
    double left = row.firstLeft;
    double angle = resolution + (-kPi) / 2.0;
    double hitX = kPlotLeft;
    std::int64_t rays = 1;
    // Tries the next ray; false when that would be one ray too many.
    const auto nextRay = [&]() {
        if (rays >= maxRays) {
            return false;
        }
        ++rays;
        angle = angle + resolution;
        hitX = sx + rowDistance * std::tan(angle);
        return true;
    };

    // Tries, without their tangents, the rays that surely hit left of `edge`. With the source
    // below the row the hit x grows with the angle, and a ray whose angle is kSkipMargin or more
    // below the angle towards the edge hits at least rowDistance * kSkipMargin left of it (the
    // slope of tan is at least 1): far more than the tangent, the product and the sum can round
    // by, unless the source lies very far to the side. The rays and their angles are exactly
    // those the sweep tries; only the hit x of the rays passed over is not formed. False when
    // the ray bound is reached.
    const auto skipTowards = [&](double edge) {
        constexpr double kSkipMargin = 1e-9;  // radians
        const double slope = (edge - sx) / rowDistance;
        if (!(rowDistance > 0.0) || !std::isfinite(slope)) {
            return true;
        }
        const double margin = rowDistance * kSkipMargin;
        const double rounding = 1e-14 * (std::fabs(sx) + std::fabs(edge) + 1.0);
        if (!(margin > rounding)) {
            return true;
        }
        const double safe = std::atan(slope) - kSkipMargin;
        for (;;) {
            const double next = angle + resolution;
            if (!(next < safe)) {
                return true;
            }
            if (rays >= maxRays) {
                return false;
            }
            ++rays;
            angle = next;
        }
    };

    // The sweep gives up at the ray bound. If it was skipping to an element and the rays have
    // turned through every direction (past a right angle) without reaching it, that element
    // lies where no ray goes, and a coarser resolution would not help.
    const auto giveUpSkipping = [&]() {
        if (angle > kPi / 2.0) {
            return refusals::ElementOutOfReach(row.count, row.width, row.spacing, left);
        }
        return refusals::TooManyRays(resolution);
    };

    if (hitX < left && !skipTowards(left)) {
        return giveUpSkipping();
    }
    while (hitX < left) {
        if (!nextRay()) {
            return giveUpSkipping();
        }
    }
    while (hitX < kPlotRight && remaining > 0) {
        if (hitX > left + w) {
            remaining = remaining - 1;
            if (remaining > 0) {
                left = (left + w) + s;
                if (hitX < left && !skipTowards(left)) {
                    return giveUpSkipping();
                }
                while (hitX < left) {
                    if (!nextRay()) {
                        return giveUpSkipping();
                    }
                }
            }
        }
        if (hitX > kPlotLeft && hitX < kPlotRight) {
            // The ray that leaves the last element behind still belongs to it.
            const int element = std::min(row.count - remaining, row.count - 1);
            if (elements.empty() || elements.back().element != element) {
                elements.push_back({element, static_cast<int>(hits.size())});
            }
            hits.push_back(hitX);
        }
        // Rays left of the frame and of the element's right edge neither count nor move on to
        // the next element: only their number matters.
        const double passedOver = std::min(kPlotLeft, left + w);
        if (hitX < passedOver && !skipTowards(passedOver)) {
            return refusals::TooManyRays(resolution);
        }
        if (!nextRay()) {
            return refusals::TooManyRays(resolution);
        }
        if (remaining == 0) {
            hitX = kPlotRight;
        }
    }
    // The first legs, once the sweep is over, in blocks of kLegBlock paths: over every core
    // once there is more than one block.
    constexpr std::size_t kLegBlock = 1 << 16;
    firstLegs.resize(hits.size());
    const std::size_t blocks = (hits.size() + kLegBlock - 1) / kLegBlock;
    ParallelFor(ThreadCount(0), blocks, [&](std::size_t b) {
        const std::size_t end = std::min(hits.size(), (b + 1) * kLegBlock);
        for (std::size_t i = b * kLegBlock; i < end; ++i) {
            const double d = sx - hits[i];
            firstLegs[i] = std::sqrt(d * d + rowDistance * rowDistance);
        }
    });
    return PathSet(std::move(hits), std::move(firstLegs), rays, std::move(elements));
}

std::vector<double> DetectorPoints(double step) {
    std::vector<double> points;
    if (!(step > 0.0)) {
        return points;
    }
    for (double x = kPlotLeft; x <= kPlotRight; x = x + step) {
        points.push_back(x);
    }
    return points;
}

}  // namespace pathsum
