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
    inputs.typed = settings.texts;
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

// The sweep of the rays from the source over the row. The rays are tried in exactly the order
// and with exactly the arithmetic of the sweep every detector point used to repeat: the same
// angle additions, the same strict comparisons, the first ray taken at hit x = 0 without a
// tangent. Only the rays that count are kept.
class Sweep {
  public:
    Sweep(const EngineInputs& inputs, const ElementRow& row, std::int64_t maxRays,
          const std::function<bool()>& keepGoing)
        : keepGoing_(keepGoing),
          row_(row),
          typed_(inputs.typed),
          sx_(inputs.source.x),
          rowDistance_(DistanceFromRow(inputs.source.y)),
          resolution_(inputs.resolution),
          maxRays_(maxRays),
          remaining_(row.count),
          left_(row.firstLeft),
          angle_(resolution_ + (-kPi) / 2.0) {
        hits_.reserve(ExpectedPaths(sx_, rowDistance_, resolution_));
    }

    // Walks the elements left to right, counting the rays that meet the frame, until a ray
    // meets the row at or beyond its right edge or no element is left.
    // Nothing when keepGoing said no.
    std::optional<Checked<PathSet>> Run() && {
        if (NoRayCounts() || BeyondTheFrame()) {
            return PathSet({}, {}, rays_);
        }
        if (!ReachLeftEdge()) {
            return Stopped() ? std::nullopt : std::optional(GiveUpReaching());
        }
        while (hitX_ < kPlotRight && remaining_ > 0) {
            if (hitX_ > left_ + row_.width && !PassRightEdge()) {
                return Stopped() ? std::nullopt : std::optional(GiveUpReaching());
            }
            if (BeyondTheFrame()) {
                break;
            }
            CountRay();
            if (!StepOn()) {
                if (Stopped()) {
                    return std::nullopt;
                }
                return refusals::TooManyRays(Typed(resolution_, &SettingsTexts::resolution));
            }
        }
        std::optional<std::vector<double>> firstLegs = FirstLegs();
        if (!firstLegs) {
            return std::nullopt;
        }
        return PathSet(std::move(hits_), std::move(*firstLegs), rays_, std::move(elements_));
    }

  private:
    bool Stopped() const { return stopped_; }

    // A source on the line of the row sends every ray to the row at its own x: outside the
    // frame no ray counts, and left of it the walk to the first element would never end.
    bool NoRayCounts() const {
        return rowDistance_ == 0.0 && !(sx_ > kPlotLeft && sx_ < kPlotRight);
    }

    // The element the sweep walks to begins at or beyond the right edge of the frame: a ray
    // that reaches it meets the row outside the frame, where the sweep ends anyway. It ends
    // here, without walking there: the only rays it could still count are those that come back
    // round past a right angle (where the tangent turns over) and meet the row where no element
    // is.
    bool BeyondTheFrame() const { return remaining_ > 0 && !(left_ < kPlotRight); }

    // The first leg (source to row) of every path, once the rays are tried, in blocks of
    // kLegBlock paths over every core, asking the caller between groups of blocks: millions of
    // paths take tens of milliseconds, as long as the window may stay silent. Each group's part
    // of the list is cleared just before it is written, so that the pages come in group by
    // group too. Nothing when the caller says to stop.
    std::optional<std::vector<double>> FirstLegs() {
        constexpr std::size_t kLegBlock = 1 << 16;
        std::vector<double> legs;
        legs.reserve(hits_.size());
        for (std::size_t from = 0; from < hits_.size(); from += kLegsBetweenAsks) {
            if (from > 0 && keepGoing_ && !keepGoing_()) {
                return std::nullopt;
            }
            const std::size_t to = std::min(hits_.size(), from + kLegsBetweenAsks);
            legs.resize(to);
            const std::size_t blocks = (to - from + kLegBlock - 1) / kLegBlock;
            ParallelFor(ThreadCount(0), blocks, [&](std::size_t b) {
                const std::size_t first = from + b * kLegBlock;
                const std::size_t end = std::min(to, first + kLegBlock);
                for (std::size_t i = first; i < end; ++i) {
                    const double d = sx_ - hits_[i];
                    legs[i] = std::sqrt(d * d + rowDistance_ * rowDistance_);
                }
            });
        }
        return legs;
    }

    // Counts one more ray; false when that would be one ray too many, or when the caller,
    // asked now and then, says to stop.
    bool TakeRay() {
        if (rays_ >= maxRays_) {
            return false;
        }
        ++rays_;
        if (keepGoing_ && rays_ % kRaysBetweenAsks == 0 && !keepGoing_()) {
            stopped_ = true;
            return false;
        }
        return true;
    }

    // Tries the next ray; false when the sweep must end (TakeRay).
    bool NextRay() {
        if (!TakeRay()) {
            return false;
        }
        angle_ = angle_ + resolution_;
        hitX_ = sx_ + rowDistance_ * std::tan(angle_);
        return true;
    }

    // Tries, without their tangents, the rays that surely hit left of `edge`. With the source
    // below the row the hit x grows with the angle, and a ray whose angle is kSkipMargin or more
    // below the angle towards the edge hits at least rowDistance * kSkipMargin left of it (the
    // slope of tan is at least 1): far more than the tangent, the product and the sum can round
    // by, unless the source lies very far to the side. The rays and their angles are exactly
    // those the sweep tries; only the hit x of the rays passed over is not formed. False when
    // the ray bound is reached.
    bool SkipTowards(double edge) {
        constexpr double kSkipMargin = 1e-9;  // radians
        const double slope = (edge - sx_) / rowDistance_;
        if (!(rowDistance_ > 0.0) || !std::isfinite(slope)) {
            return true;
        }
        const double margin = rowDistance_ * kSkipMargin;
        const double rounding = 1e-14 * (std::fabs(sx_) + std::fabs(edge) + 1.0);
        if (!(margin > rounding)) {
            return true;
        }
        const double safe = std::atan(slope) - kSkipMargin;
        for (;;) {
            const double next = angle_ + resolution_;
            if (!(next < safe)) {
                return true;
            }
            if (!TakeRay()) {
                return false;
            }
            angle_ = next;
        }
    }

    // Tries rays until one meets the row at or right of the left edge of the element the sweep
    // walks to. False when the ray bound is reached.
    bool ReachLeftEdge() {
        if (hitX_ < left_ && !SkipTowards(left_)) {
            return false;
        }
        while (hitX_ < left_) {
            if (!NextRay()) {
                return false;
            }
        }
        return true;
    }

    // The ray has left the element behind: the sweep walks on to the next one, if one is left.
    // False when the ray bound is reached on the way.
    bool PassRightEdge() {
        remaining_ = remaining_ - 1;
        if (!(remaining_ > 0)) {
            return true;
        }
        left_ = (left_ + row_.width) + row_.spacing;
        return BeyondTheFrame() || ReachLeftEdge();
    }

    // A ray strictly inside the frame counts, for the element the sweep walks; the ray that
    // leaves the last element behind still belongs to it.
    void CountRay() {
        if (!(hitX_ > kPlotLeft && hitX_ < kPlotRight)) {
            return;
        }
        const int element = std::min(row_.count - remaining_, row_.count - 1);
        if (elements_.empty() || elements_.back().element != element) {
            elements_.push_back({element, static_cast<int>(hits_.size())});
        }
        hits_.push_back(hitX_);
    }

    // On to the ray after this one. Rays left of the frame and of the element's right edge
    // neither count nor move on to the next element: only their number matters. False when
    // the ray bound is reached.
    bool StepOn() {
        const double passedOver = std::min(kPlotLeft, left_ + row_.width);
        if (hitX_ < passedOver && !SkipTowards(passedOver)) {
            return false;
        }
        return NextRay();
    }

    // The sweep gives up at the ray bound. If it was walking to an element and the rays have
    // turned through every direction (past a right angle) without reaching it, that element
    // lies where no ray goes, and a coarser resolution would not help.
    Refusal GiveUpReaching() const {
        if (angle_ > kPi / 2.0) {
            return refusals::ElementOutOfReach(row_.count, Typed(row_.width, &SettingsTexts::width),
                                               Typed(row_.spacing, &SettingsTexts::spacing), left_);
        }
        return refusals::TooManyRays(Typed(resolution_, &SettingsTexts::resolution));
    }

    // A value of the run as a refusal quotes it: with the text of its box where there is one.
    Entry Typed(double value, std::string SettingsTexts::*box) const {
        return typed_ ? Entry(value, *typed_.*box) : Entry(value);
    }

    const std::function<bool()>& keepGoing_;
    bool stopped_ = false;
    const ElementRow& row_;
    const std::optional<SettingsTexts>& typed_;
    const double sx_;
    const double rowDistance_;
    const double resolution_;
    const std::int64_t maxRays_;
    int remaining_;             // elements not yet left behind
    double left_;               // the left edge of the element the sweep walks
    double angle_;              // of the last ray tried
    double hitX_ = kPlotLeft;   // where the last ray meets the row
    std::int64_t rays_ = 1;     // tried so far, the first one included
    std::vector<double> hits_;  // of the rays that count
    std::vector<ElementStart> elements_;
};

}  // namespace

Checked<PathSet> EnumeratePaths(const EngineInputs& inputs, const ElementRow& row,
                                std::int64_t maxRays) {
    return *Sweep(inputs, row, maxRays, {}).Run();
}

std::optional<Checked<PathSet>> EnumeratePaths(const EngineInputs& inputs, const ElementRow& row,
                                               const std::function<bool()>& keepGoing,
                                               std::int64_t maxRays) {
    return Sweep(inputs, row, maxRays, keepGoing).Run();
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
