#include "ScreenEngine.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

#include "Geometry.h"
#include "Limits.h"
#include "Parallel.h"
#include "ScreenKernel.h"

// Every product and sum of this file rounded on its own.
#include "NoFusedMultiplyAdd.h"

namespace pathsum {
namespace {

// The nearest of the run's screens to the row: the interpolation's bound holds for it and
// every farther one.
constexpr double kNearestRowDistance =
    DistanceFromRow(*std::max_element(kScreenYs.begin(), kScreenYs.end()));

// The error bound for each arrow that keeps p / N^2 within kMaxInterpolationError: an arrow
// error e moves |sum| by at most N e, and p / N^2 by at most e (2 + e).
constexpr double kArrowTarget = kMaxInterpolationError / 2.0 * (1.0 - 1e-3);

// The interpolated sum is chosen only when its estimated cost is below this share of the
// direct sum's: the estimate may be off by that much.
constexpr double kChoiceMargin = 0.75;

// From this many terms, a point's terms are summed in kernel::kSegments interleaved segments,
// the lanes and threads sharing one point. Below it a point takes so little time that the
// driver's calls hold enough points to keep every lane and core busy.
constexpr std::size_t kSegmentTerms = 32768;

// A point's cosine and sine sums from its kernel segments' (cosine, sine) pairs, added in
// segment order so that every instruction set gives the same bits.
std::pair<double, double> SegmentSums(const double* sums) {
    double c = 0.0;
    double s = 0.0;
    for (std::size_t segment = 0; segment < kernel::kSegments; ++segment) {
        c += sums[2 * segment];
        s += sums[2 * segment + 1];
    }
    return {c, s};
}

// Every task sums some segments of one point; the point's segment sums are then added in
// segment order, whichever threads formed them.
void SumBySegments(const kernel::LevelKernels& kernels, const kernel::ScreenSum& sum,
                   kernel::ScreenPoints points, int threads, bool nodes) {
    std::vector<double> partial(2 * kernel::kSegments * points.count);
    points.partial = partial.data();
    const std::size_t tasks = points.count * (kernel::kSegments / kernels.blockSegments);
    const double work = static_cast<double>(sum.terms.count) * static_cast<double>(points.count);
    const auto task = nodes ? kernels.nodeSegments : kernels.pathSegments;
    ParallelFor(Teams(threads, work, tasks), tasks, [&](std::size_t t) { task(sum, points, t); });
    for (std::size_t i = 0; i < points.count; ++i) {
        const auto [c, s] = SegmentSums(partial.data() + 2 * kernel::kSegments * i);
        points.p[i] = c * c + s * s;
        if (points.re != nullptr) {
            points.re[i] = c;
            points.im[i] = s;
        }
    }
}

// The same at every wavelength of a spectrum: each wavelength's segment sums added in order.
void SumSpectrumBySegments(const kernel::LevelKernels& kernels, const kernel::SpectrumSum& sum,
                           kernel::ScreenPoints points, int threads, bool nodes) {
    const std::size_t wavelengths = sum.wavelengths;
    std::vector<double> partial(2 * kernel::kSegments * wavelengths * points.count);
    points.partial = partial.data();
    const std::size_t tasks = points.count * (kernel::kSegments / kernels.blockSegments);
    const double work = static_cast<double>(sum.sum.terms.count) *
                        static_cast<double>(points.count) * static_cast<double>(wavelengths);
    const auto task = nodes ? kernels.spectrumNodeSegments : kernels.spectrumPathSegments;
    ParallelFor(Teams(threads, work, tasks), tasks, [&](std::size_t t) { task(sum, points, t); });
    for (std::size_t i = 0; i < points.count * wavelengths; ++i) {
        const auto [c, s] = SegmentSums(partial.data() + 2 * kernel::kSegments * i);
        points.p[i] = c * c + s * s;
    }
}

}  // namespace

EngineReach ScreensReach(std::size_t pointsPerScreen) {
    return {kNearestRowDistance,
            static_cast<double>(pointsPerScreen) * static_cast<double>(kScreenYs.size())};
}

ScreenEngine::ScreenEngine(const PathSet& paths, double wavelength, const EngineOptions& options)
    : paths_(&paths),
      wavelength_(wavelength),
      level_(options.level),
      pointBlocksOnly_(options.pointBlocksOnly),
      spectral_(options.light.Spectral()) {
    if (!KernelLevelSupported(level_)) {
        throw std::invalid_argument("ScreenEngine: kernel level not supported here");
    }
    const Spectrum spectrum(options.light);
    if (spectrum.Size() > kernel::kMostWavelengths) {
        throw std::invalid_argument("ScreenEngine: more wavelengths than a spectrum may hold");
    }
    ratios_.assign(spectrum.TurnsRatios().begin(), spectrum.TurnsRatios().end());
    for (const double nanometres : spectrum.Nanometres()) {
        every_.push_back(wavelengths_.size());
        wavelengths_.push_back(spectral_ ? WavelengthAt(wavelength, nanometres) : wavelength);
    }
}

ScreenEngine::ScreenEngine(const PathSet& paths, double wavelength, std::size_t pointsPerScreen,
                           const EngineOptions& options)
    : ScreenEngine(paths, wavelength, ScreensReach(pointsPerScreen), options) {}

ScreenEngine::ScreenEngine(const PathSet& paths, double wavelength, const EngineReach& reach,
                           const EngineOptions& options)
    : ScreenEngine(EngineBuilder(paths, wavelength, reach, options).Take()) {}

std::optional<ScreenEngine> ScreenEngine::Prepare(const PathSet& paths, double wavelength,
                                                  std::size_t pointsPerScreen,
                                                  const EngineOptions& options,
                                                  const std::function<bool()>& keepGoing) {
    EngineBuilder builder(paths, wavelength, ScreensReach(pointsPerScreen), options);
    // Asked before every batch of weights, the first one too: planning the sums of millions of
    // paths takes a while.
    while (!builder.Done()) {
        if (keepGoing && !keepGoing()) {
            return std::nullopt;
        }
        builder.Step();
    }
    return std::move(builder).Take();
}

bool ScreenEngine::Plan(const EngineReach& reach, const EngineOptions& options) {
    nearestRowDistance_ = reach.nearestRowDistance;
    if (options.method == SumMethod::Direct || paths_->Count() == 0) {
        return false;
    }
    const bool forced = options.method == SumMethod::Interpolated;
    // The nodes of the shortest wavelength serve every longer one: the bound of the
    // interpolation grows with the wavenumber. Every wavelength has weights of its own.
    const double shortest =
        *std::min_element(wavelengths_.begin(), wavelengths_.end(),
                          [](double a, double b) { return std::fabs(a) < std::fabs(b); });
    plan_ = PlanNodes(*paths_, shortest, reach.nearestRowDistance, kArrowTarget, reach.evaluations,
                      forced, static_cast<double>(Wavelengths()));
    const bool pays = !plan_.intervals.empty() && plan_.cost < kChoiceMargin * plan_.directCost;
    if (!(forced ? !plan_.intervals.empty() : pays)) {
        plan_ = NodePlan{};
        return false;
    }
    method_ = SumMethod::Interpolated;
    intervalWavelengths_ = plan_.intervalWavelengths;
    return true;
}

std::size_t ScreenEngine::Terms() const {
    return method_ == SumMethod::Interpolated ? nodes_.position.size()
                                              : static_cast<std::size_t>(paths_->Count());
}

double ScreenEngine::ErrorBound() const {
    const double e = nodes_.arrowErrorBound;
    return e * (2.0 + e);
}

bool ScreenEngine::InSegments() const {
    return Terms() * Wavelengths() >= kSegmentTerms && !pointBlocksOnly_;
}

bool ScreenEngine::OnNodes(double screenY) const {
    return method_ == SumMethod::Interpolated && DistanceFromRow(screenY) >= nearestRowDistance_;
}

std::size_t ScreenEngine::PointsPerRound(int threads) const {
    if (InSegments()) {
        return 1;
    }
    return kernel::KernelsFor(level_).blockPoints *
           static_cast<std::size_t>(std::max(ThreadCount(threads), 1));
}

void ScreenEngine::Compute(double screenY, std::span<const double> detectorX, std::span<double> p,
                           int threads) const {
    if (spectral_) {
        throw std::invalid_argument("ScreenEngine: a spectrum is computed by ComputeSpectrum");
    }
    if (detectorX.size() != p.size()) {
        throw std::invalid_argument("ScreenEngine: one p for every detector point");
    }
    Sum(screenY, {detectorX.data(), detectorX.size(), p.data(), nullptr, nullptr, nullptr},
        threads);
}

void ScreenEngine::Compute(double screenY, std::span<const double> detectorX, std::span<double> p,
                           std::span<double> re, std::span<double> im, int threads) const {
    if (spectral_) {
        throw std::invalid_argument("ScreenEngine: a spectrum is computed by ComputeSpectrum");
    }
    if (detectorX.size() != p.size() || detectorX.size() != re.size() ||
        detectorX.size() != im.size()) {
        throw std::invalid_argument("ScreenEngine: one p, re and im for every detector point");
    }
    Sum(screenY, {detectorX.data(), detectorX.size(), p.data(), nullptr, re.data(), im.data()},
        threads);
}

void ScreenEngine::Sum(double screenY, kernel::ScreenPoints points, int threads) const {
    if (points.count == 0) {
        return;
    }
    if (paths_->Count() == 0) {
        std::fill(points.p, points.p + points.count, 0.0);
        if (points.re != nullptr) {
            std::fill(points.re, points.re + points.count, 0.0);
            std::fill(points.im, points.im + points.count, 0.0);
        }
        return;
    }
    const bool nodes = OnNodes(screenY);
    kernel::ScreenSum sum = kernel::PathSum(*paths_, wavelength_, screenY);
    if (nodes) {
        sum.terms = {nodes_.position.data(), nullptr, nodes_.weightCos.front().data(),
                     nodes_.weightSin.front().data(), nodes_.position.size()};
    }
    const kernel::LevelKernels& kernels = kernel::KernelsFor(level_);
    if (sum.terms.count < kSegmentTerms || pointBlocksOnly_) {
        kernel::SumByPointBlocks(kernels, sum, points, threads, nodes);
    } else {
        SumBySegments(kernels, sum, points, threads, nodes);
    }
}

void ScreenEngine::ComputeSpectrum(double screenY, std::span<const double> detectorX,
                                   std::span<double> p, int threads) const {
    ComputeSpectrum(screenY, detectorX, p, every_, threads);
}

void ScreenEngine::ComputeSpectrum(double screenY, std::span<const double> detectorX,
                                   std::span<double> p, std::span<const std::size_t> wavelengths,
                                   int threads) const {
    if (wavelengths.empty() || p.size() / wavelengths.size() != detectorX.size() ||
        p.size() % wavelengths.size() != 0) {
        throw std::invalid_argument("ScreenEngine: one p for every wavelength of every point");
    }
    for (const std::size_t w : wavelengths) {
        if (w >= Wavelengths()) {
            throw std::invalid_argument("ScreenEngine: a wavelength the spectrum does not hold");
        }
    }
    const kernel::ScreenPoints points{detectorX.data(), detectorX.size(), p.data(),
                                      nullptr,          nullptr,          nullptr};
    if (!spectral_) {
        Sum(screenY, points, threads);
    } else {
        SumSpectrum(screenY, points, wavelengths, threads);
    }
}

void ScreenEngine::SumSpectrum(double screenY, kernel::ScreenPoints points,
                               std::span<const std::size_t> wavelengths, int threads) const {
    if (points.count == 0) {
        return;
    }
    if (paths_->Count() == 0) {
        std::fill(points.p, points.p + points.count * wavelengths.size(), 0.0);
        return;
    }
    const bool nodes = OnNodes(screenY);
    std::vector<double> ratios;
    std::vector<const double*> weightCos;
    std::vector<const double*> weightSin;
    for (const std::size_t w : wavelengths) {
        ratios.push_back(ratios_[w]);
        if (nodes) {
            weightCos.push_back(nodes_.weightCos[w].data());
            weightSin.push_back(nodes_.weightSin[w].data());
        }
    }
    kernel::SpectrumSum sum{kernel::PathSum(*paths_, wavelength_, screenY), ratios.data(),
                            weightCos.data(), weightSin.data(), wavelengths.size()};
    if (nodes) {
        sum.sum.terms = {nodes_.position.data(), nullptr, nullptr, nullptr, nodes_.position.size()};
    }
    const kernel::LevelKernels& kernels = kernel::KernelsFor(level_);
    if (sum.sum.terms.count * Wavelengths() < kSegmentTerms || pointBlocksOnly_) {
        kernel::SumSpectrumByPointBlocks(kernels, sum, points, threads, nodes);
    } else {
        SumSpectrumBySegments(kernels, sum, points, threads, nodes);
    }
}

EngineBuilder::EngineBuilder(const PathSet& paths, double wavelength, const EngineReach& reach,
                             const EngineOptions& options)
    : engine_(new ScreenEngine(paths, wavelength, options)) {
    if (engine_->Plan(reach, options)) {
        nodes_.emplace(paths, engine_->plan_, engine_->wavelengths_, engine_->level_,
                       options.threads);
    }
}

std::size_t EngineBuilder::Terms() const {
    return engine_->method_ == SumMethod::Interpolated
               ? engine_->plan_.nodes
               : static_cast<std::size_t>(engine_->paths_->Count());
}

void EngineBuilder::Step() {
    if (!nodes_) {
        return;
    }
    nodes_->Step();
    if (nodes_->Done()) {
        engine_->nodes_ = std::move(*nodes_).Take();
        nodes_.reset();
    }
}

ScreenEngine EngineBuilder::Take() && {
    while (!Done()) {
        Step();
    }
    return std::move(*engine_);
}

}  // namespace pathsum
