#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "ExperimentSettings.h"
#include "Limits.h"
#include "MirrorPattern.h"
#include "Refusal.h"

namespace pathsum {

// What the path enumeration depends on, and the wavelength the paths are measured in; never
// the detector point.
struct EngineInputs {
    SourcePoint source;  // after the far-source rule
    double wavelength = 0.0;
    double resolution = 0.0;
    // The texts of the run's boxes, for the refusals to quote; without them, the numbers.
    std::optional<SettingsTexts> typed;
};

// The inputs of a run's settings.
EngineInputs InputsOf(const ExperimentSettings& settings);

// Where the paths of one element begin, in the order the paths are counted. The sweep walks
// the elements left to right, so each element's paths follow each other.
struct ElementStart {
    int element = 0;    // 0 for the leftmost element of the row
    int firstPath = 0;  // index of its first path
    friend bool operator==(const ElementStart&, const ElementStart&) = default;
};

// The paths of one run: every ray of the sweep that counts, with the x where it meets the
// element row and the length of its first leg (source to row). Every detector point of every
// screen sums over the same paths.
class PathSet {
  public:
    PathSet() = default;
    // Without `elements`, all paths belong to element 0.
    PathSet(std::vector<double> hitX, std::vector<double> firstLeg, std::int64_t raysTried,
            std::vector<ElementStart> elements = {});

    int Count() const { return static_cast<int>(hitX_.size()); }
    std::span<const double> HitX() const { return hitX_; }
    std::span<const double> FirstLeg() const { return firstLeg_; }
    // Every ray the sweep tried, counted or not, the first one (hit x = 0) included.
    std::int64_t RaysTried() const { return raysTried_; }
    // The element each run of paths meets: the element of a path is the one the sweep was
    // walking when it counted it.
    std::span<const ElementStart> Elements() const { return elements_; }

  private:
    std::vector<double> hitX_;
    std::vector<double> firstLeg_;
    std::int64_t raysTried_ = 0;
    std::vector<ElementStart> elements_;
};

// Sweeps the rays from the source over the element row once. Refused when the sweep would
// try more than `maxRays` rays. Requires resolution > 0 (checked by the caller).
Checked<PathSet> EnumeratePaths(const EngineInputs& inputs, const ElementRow& row,
                                std::int64_t maxRays = kMaxRaysPerSweep);

// The same, asking `keepGoing` every kRaysBetweenAsks rays and, once the rays are tried, every
// kLegsBetweenAsks first legs, so that a long sweep lets the window answer and can be stopped:
// nothing when it says no. The paths are the same.
inline constexpr std::int64_t kRaysBetweenAsks = std::int64_t{1} << 17;
inline constexpr std::size_t kLegsBetweenAsks = std::size_t{1} << 18;
std::optional<Checked<PathSet>> EnumeratePaths(const EngineInputs& inputs, const ElementRow& row,
                                               const std::function<bool()>& keepGoing,
                                               std::int64_t maxRays = kMaxRaysPerSweep);

// The detector points of a screen: x = 0, then repeated additions of `step` while x <= 100.
// Requires a step the run accepts (checked by the caller); a step that is not greater than 0
// gives no points rather than an endless list.
std::vector<double> DetectorPoints(double step);

}  // namespace pathsum
