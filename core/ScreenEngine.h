#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "InterpolatedSum.h"
#include "PathEngine.h"
#include "WhiteLight.h"

namespace pathsum {

// How a run's screens are summed: over every path (the screen kernel), or over the nodes of
// the interpolated sum (InterpolatedSum.h).
enum class SumMethod { Direct, Interpolated };

struct EngineOptions {
    KernelLevel level = BestKernelLevel();
    // The method the cost model chooses, unless one is given (for tests and measurements).
    std::optional<SumMethod> method;
    int threads = 0;  // for the weights; 0: every core
    // Every point's terms summed in blocks of points, however many terms: for callers whose
    // calls hold many points each (a field's lines), to which spreading one point's terms over
    // the cores in segments would bring four reads of every term a point. The sum over every
    // path is then ComputeScreen's, bit for bit.
    bool pointBlocksOnly = false;
    // The light summed: the engine's wavelength alone, or a spectrum (WhiteLight.h) of which the
    // engine's wavelength is the one at 550 nanometres, every wavelength over the same paths.
    Light light = {};
};

// Where an engine's sums will be formed, for its plan: on lines at least `nearestRowDistance`
// from the row (a line nearer the row is summed over every path), at about `evaluations`
// points in all.
struct EngineReach {
    double nearestRowDistance = 0.0;
    double evaluations = 0.0;
};

// The reach of a run: its ten screens of `pointsPerScreen` detector points each.
EngineReach ScreensReach(std::size_t pointsPerScreen);

class EngineBuilder;

namespace kernel {
struct ScreenPoints;
}

// The program's engine: prepared once for the paths of a run, it chooses the method that
// makes the run's screens cheapest and then computes any screen with it. With the
// interpolated sum, p / N^2 departs from the sum over every path by at most ErrorBound() (a
// bound known before any screen is computed, below kMaxInterpolationError), plus rounding.
// Results do not depend on the thread count, the kernel level, nor on how a screen's points
// are split into calls. The paths must outlive the engine.
class ScreenEngine {
  public:
    // `pointsPerScreen`: how many detector points each of the run's screens will have, for
    // the cost model.
    ScreenEngine(const PathSet& paths, double wavelength, std::size_t pointsPerScreen,
                 const EngineOptions& options = {});
    // The same for sums formed elsewhere than on the run's screens: the interpolation's bound
    // then holds from the reach's distance on.
    ScreenEngine(const PathSet& paths, double wavelength, const EngineReach& reach,
                 const EngineOptions& options = {});

    // The same, asking `keepGoing` now and then while the weights are formed (on the calling
    // thread); nothing when it says no.
    static std::optional<ScreenEngine> Prepare(const PathSet& paths, double wavelength,
                                               std::size_t pointsPerScreen,
                                               const EngineOptions& options,
                                               const std::function<bool()>& keepGoing);

    SumMethod Method() const { return method_; }
    // The arrows each detector point of the run's screens costs: paths or nodes.
    std::size_t Terms() const;
    // The a priori bound of the interpolation's error in p / N^2; 0 for the direct sum.
    double ErrorBound() const;
    // The longest interval of the interpolated sum, in wavelengths.
    double IntervalWavelengths() const { return intervalWavelengths_; }

    // The nearest distance from the row at which the node terms are used.
    double NearestRowDistance() const { return nearestRowDistance_; }

    // p = C^2 + S^2 at each detector x of the screen at `screenY`, as ComputeScreen gives it.
    // A screen nearer the row than the reach is summed over every path.
    void Compute(double screenY, std::span<const double> detectorX, std::span<double> p,
                 int threads = 0) const;
    // The same p, bit for bit, with the sum itself beside it: `re` the cosine sum C and `im` the
    // sine sum S of each point, p = C^2 + S^2 of them exactly as written (every product and sum
    // rounded on its own). The sum's phase is the paths' own, each arrow turning once a
    // wavelength of the whole path's length, from the source on: with the interpolated sum too,
    // C / N and S / N are within the arrows' bound (at most ErrorBound() / 2) of the sum over
    // every path. All five spans have one element for every detector point.
    void Compute(double screenY, std::span<const double> detectorX, std::span<double> p,
                 std::span<double> re, std::span<double> im, int threads = 0) const;

    // The p of every wavelength of the engine's light at each detector x of the screen at
    // `screenY`: Wavelengths() values for each point, point after point, in the spectrum's
    // order. Each is what an engine of that wavelength alone (WavelengthAt) computes, to within
    // the error of the arrows (PathArrow) and, with the interpolated sum, ErrorBound() in p / N^2;
    // the interpolation's nodes are planned for the shortest wavelength, and serve every longer
    // one. An engine of one wavelength gives Compute's p, and so does one whose spectrum is the
    // single wavelength of 550 nanometres, bit for bit. Compute itself is for one wavelength.
    void ComputeSpectrum(double screenY, std::span<const double> detectorX, std::span<double> p,
                         int threads = 0) const;
    // The same at some of the wavelengths only, given by their place in the spectrum: as many
    // values for each point as `wavelengths` holds, each as ComputeSpectrum gives it, bit for bit.
    void ComputeSpectrum(double screenY, std::span<const double> detectorX, std::span<double> p,
                         std::span<const std::size_t> wavelengths, int threads = 0) const;
    // How many wavelengths each point sums: 1 without a spectrum.
    std::size_t Wavelengths() const { return ratios_.size(); }
    bool Spectral() const { return spectral_; }

    // The fewest detector points a call needs to keep every core and vector lane busy.
    std::size_t PointsPerRound(int threads = 0) const;

  private:
    friend class EngineBuilder;
    ScreenEngine(const PathSet& paths, double wavelength, const EngineOptions& options);
    // Plans the method; true when weights must be formed.
    bool Plan(const EngineReach& reach, const EngineOptions& options);
    // Compute into `points`, whose x, count and p (and re and im, when wanted) are set.
    void Sum(double screenY, kernel::ScreenPoints points, int threads) const;
    void SumSpectrum(double screenY, kernel::ScreenPoints points,
                     std::span<const std::size_t> wavelengths, int threads) const;
    // Whether the screen at `screenY` is summed over the nodes.
    bool OnNodes(double screenY) const;
    // A point's terms are summed in segments (whatever their number, every wavelength of it).
    bool InSegments() const;

    const PathSet* paths_;
    double wavelength_;
    KernelLevel level_;
    bool pointBlocksOnly_;
    double nearestRowDistance_ = 0.0;
    SumMethod method_ = SumMethod::Direct;
    NodePlan plan_;
    // For a spectrum, the weights of every wavelength, wavelength after wavelength.
    NodeTerms nodes_;
    double intervalWavelengths_ = 0.0;
    bool spectral_ = false;
    std::vector<double> ratios_;       // each wavelength's turns per turn of wavelength_
    std::vector<double> wavelengths_;  // each wavelength itself
    std::vector<std::size_t> every_;   // 0, 1, ...: the place of every wavelength
};

// An engine made a batch of its weights at a time (NodeBuilder), so that a caller can answer
// its user between batches; the engine is the one the constructor of the same reach makes.
// The paths must outlive the builder and the engine.
class EngineBuilder {
  public:
    EngineBuilder(const PathSet& paths, double wavelength, const EngineReach& reach,
                  const EngineOptions& options = {});

    // The plan's method, known before any weight is formed.
    SumMethod Method() const { return engine_->method_; }
    // The node terms the engine will have, or the paths it keeps.
    std::size_t Terms() const;
    bool Done() const { return !nodes_; }
    // Forms the next batch of weights; nothing once done.
    void Step();
    ScreenEngine Take() &&;

  private:
    // On the heap, so that the plan the node builder reads stays where it is.
    std::unique_ptr<ScreenEngine> engine_;
    std::optional<NodeBuilder> nodes_;
};

}  // namespace pathsum
