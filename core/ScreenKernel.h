#pragma once

// The screen kernels of every instruction set, as the engine's parts inside core/ call them.
// PathEngine.cpp compiles them, once per instruction set, from PathEngineKernel.inc; nothing
// outside core/ includes this header.

#include <cstddef>

#include "PathEngine.h"

namespace pathsum::kernel {

// Coefficients of sin(r pi/2) and cos(r pi/2) in powers of r, for |r| <= 1/2 (at most an
// eighth of a turn). Taylor series carried until the first omitted term is below 1e-16 there.
struct ArrowCoefficients {
    static constexpr int kSineTerms = 8;    // r, r^3, ..., r^15
    static constexpr int kCosineTerms = 9;  // 1, r^2, ..., r^16
    double sine[kSineTerms];
    double cosine[kCosineTerms];
};

ArrowCoefficients MakeArrowCoefficients();

// True when 1/wavelength is exact, so that multiplying by it rounds like dividing.
bool ReciprocalIsExact(double wavelength);

// How a length becomes the turns of its arrow, and the arrow of the turns: what the screen
// kernels and the moments share.
struct PhaseRule {
    double wavelength;
    double inverseWavelength;
    bool divide;  // false when length * inverseWavelength equals length / wavelength exactly
    ArrowCoefficients arrow;
};

PhaseRule PhaseRuleOf(double wavelength);

// The turns of `length` under the rule, rounded as the kernels round them.
inline double TurnsOf(const PhaseRule& rule, double length) {
    return rule.divide ? length / rule.wavelength : length * rule.inverseWavelength;
}

// The terms of a sum, one arrow each. A path term is the path's arrow, from its hit x and first
// leg; a node term is the arrow from a point of the row to the detector (no first leg) times a
// complex weight.
struct Terms {
    const double* position;   // hit x of every path, or the x of every node
    const double* firstLeg;   // path terms only
    const double* weightCos;  // node terms only
    const double* weightSin;  // node terms only
    std::size_t count;
};

// The path terms of a run.
Terms PathTermsOf(const PathSet& paths);

// The sum of one screen: its terms, their phase rule and the screen's distance from the row.
struct ScreenSum {
    Terms terms;
    PhaseRule phase;
    double rowDistanceSquared;
};

// The path terms of a run on the screen at `screenY`.
ScreenSum PathSum(const PathSet& paths, double wavelength, double screenY);

// The sum of one screen at wavelengths of a spectrum (Spectrum, WhiteLight.h): the turns of each
// term at the screen sum's own wavelength times each wavelength's ratio. Node terms have weights
// of every wavelength's own, not those of the screen sum's terms.
inline constexpr std::size_t kMostWavelengths = 64;

struct SpectrumSum {
    ScreenSum sum;
    const double* ratio;             // of each wavelength
    const double* const* weightCos;  // node terms: each wavelength's weights
    const double* const* weightSin;
    std::size_t wavelengths;  // 1 to kMostWavelengths
};

// The detector points of one call, and where their sums go.
struct ScreenPoints {
    const double* x = nullptr;
    std::size_t count = 0;
    // For a spectrum, p, re and im hold every wavelength of a point, point after point, and
    // partial the kSegments pairs of every wavelength, wavelength after wavelength.
    double* p = nullptr;        // one per point: the point-block kernels
    double* partial = nullptr;  // kSegments (cos, sin) pairs per point: the segment kernels
    // The cosine and sine sums of every point beside its p, when not null: p is their squares'
    // sum as written here, bit for bit.
    double* re = nullptr;
    double* im = nullptr;
};

// A point's terms can also be split into kSegments interleaved segments, term i going to
// segment i % kSegments, each summed in term order; the segment sums are then added in
// segment order. The vector lanes then run over segments instead of points, so one point
// keeps every lane and several threads busy. A multiple of every instruction set's block.
inline constexpr std::size_t kSegments = 32;

// The Chebyshev moments of one interval of paths: for j = 0..degree, the sum over its paths of
// the arrow of the first leg times T_j(u), u = (hit x - center) / half width. Path i of the
// interval adds into lane i % kMomentLanes; the caller adds the lanes in order.
inline constexpr std::size_t kMomentLanes = 8;

struct MomentArgs {
    Terms paths;  // path terms: hit x and first leg
    PhaseRule phase;
    double center;
    double inverseHalfWidth;
    int degree;
    double* momentCos;  // (degree + 1) * kMomentLanes, zero on entry, lane fastest
    double* momentSin;
};

struct LevelKernels {
    // Block `block` of blockPoints detector points: p of each from every term in order.
    void (*pathBlock)(const ScreenSum&, const ScreenPoints&, std::size_t block);
    void (*nodeBlock)(const ScreenSum&, const ScreenPoints&, std::size_t block);
    // Task `task` of points.count * (kSegments / blockSegments): the sums of blockSegments
    // segments of one point, into points.partial.
    void (*pathSegments)(const ScreenSum&, const ScreenPoints&, std::size_t task);
    void (*nodeSegments)(const ScreenSum&, const ScreenPoints&, std::size_t task);
    void (*moments)(const MomentArgs&);
    // The arrow of every path term at detector x.
    void (*pathArrows)(const ScreenSum&, double x, double* cosOut, double* sinOut);
    void (*arrowsOfTurns)(const ArrowCoefficients&, const double* turns, std::size_t count,
                          double* cosOut, double* sinOut);
    // The same blocks and tasks at every wavelength of a spectrum.
    void (*spectrumPathBlock)(const SpectrumSum&, const ScreenPoints&, std::size_t block);
    void (*spectrumNodeBlock)(const SpectrumSum&, const ScreenPoints&, std::size_t block);
    void (*spectrumPathSegments)(const SpectrumSum&, const ScreenPoints&, std::size_t task);
    void (*spectrumNodeSegments)(const SpectrumSum&, const ScreenPoints&, std::size_t task);
    std::size_t blockPoints;
    std::size_t blockSegments;
};

bool LevelSupported(KernelLevel level);

// The kernels of a level this processor runs (checked by the caller).
const LevelKernels& KernelsFor(KernelLevel level);

// The sum at every point, the points in blocks of kernels.blockPoints over the threads: node
// terms when `nodes`, path terms otherwise.
void SumByPointBlocks(const LevelKernels& kernels, const ScreenSum& sum, const ScreenPoints& points,
                      int threads, bool nodes);
void SumSpectrumByPointBlocks(const LevelKernels& kernels, const SpectrumSum& sum,
                              const ScreenPoints& points, int threads, bool nodes);

}  // namespace pathsum::kernel
