#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "ExperimentSettings.h"
#include "MirrorPattern.h"
#include "Refusal.h"

namespace pathsum {

// The most rays one sweep of the source may try before the run is refused; it bounds both the
// time of the enumeration and the memory of the paths it keeps.
inline constexpr std::int64_t kMaxRaysPerSweep = 20'000'000;

// The ten screens, in the order a run computes them.
inline constexpr std::array<double, 10> kScreenYs = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90};

// What the path enumeration depends on: never the detector point.
struct EngineInputs {
    SourcePoint source;  // after the far-source rule
    double wavelength = 1.0;
    double resolution = 0.001;
    double pi = 3.141592653589793;
};

// The paths of one run: every ray of the sweep that counts, with the x where it meets the
// element row and the length of its first leg (source to row). Every detector point of every
// screen sums over the same paths.
class PathSet {
  public:
    PathSet() = default;
    PathSet(std::vector<double> hitX, std::vector<double> firstLeg, std::int64_t raysTried);

    int Count() const { return static_cast<int>(hitX_.size()); }
    std::span<const double> HitX() const { return hitX_; }
    std::span<const double> FirstLeg() const { return firstLeg_; }
    // Every ray the sweep tried, counted or not, the first one (hit x = 0) included.
    std::int64_t RaysTried() const { return raysTried_; }

  private:
    std::vector<double> hitX_;
    std::vector<double> firstLeg_;
    std::int64_t raysTried_ = 0;
};

// Sweeps the rays from the source over the element row once. Refused when the sweep would
// try more than `maxRays` rays. Requires resolution > 0 (checked by the caller).
Checked<PathSet> EnumeratePaths(const EngineInputs& inputs, const ElementRow& row,
                                std::int64_t maxRays = kMaxRaysPerSweep);

// The detector points of a screen: x = 0, then repeated additions of `step` while x <= 100.
// Requires a step the run accepts (checked by the caller); a step that is not greater than 0
// gives no points rather than an endless list.
std::vector<double> DetectorPoints(double step);

// The instruction sets the screen kernel is built for. All of them give the same bits; the
// best one the processor has is used unless a caller asks for another.
enum class KernelLevel { Baseline, Avx2, Avx512 };

// The levels this processor can run, Baseline first.
std::vector<KernelLevel> SupportedKernelLevels();
KernelLevel BestKernelLevel();

// The squared length p = C^2 + S^2 of the arrow sum at each detector x on the screen at
// `screenY`. p.size() must equal detectorX.size(). Detector points are spread over the cores;
// each point's sum is formed in one fixed order, so results do not depend on the thread count
// nor on how the points of a screen are split into calls. `threads` = 0 uses every core.
void ComputeScreen(const PathSet& paths, double wavelength, double pi, double screenY,
                   std::span<const double> detectorX, std::span<double> p, int threads = 0);
void ComputeScreen(const PathSet& paths, double wavelength, double pi, double screenY,
                   std::span<const double> detectorX, std::span<double> p, int threads,
                   KernelLevel level);

// The unit arrows (cos 2 pi t, sin 2 pi t) of phases given in turns, formed exactly as the
// screen kernel forms them. Exposed so that the arrow can be checked on its own.
void PhaseArrows(std::span<const double> turns, double pi, std::span<double> cosOut,
                 std::span<double> sinOut, KernelLevel level);

}  // namespace pathsum
