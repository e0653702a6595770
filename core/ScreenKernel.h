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

// A screen sum is a sum of terms, one arrow each. A path term is the path's arrow, from its hit
// x and first leg; a node term is the arrow from a point of the row to the detector (no first
// leg) times a complex weight.
struct ScreenKernelArgs {
    const double* position;   // hit x of every path, or the x of every node
    const double* firstLeg;   // path terms only
    const double* weightCos;  // node terms only
    const double* weightSin;  // node terms only
    std::size_t termCount;
    double rowDistanceSquared;
    double wavelength;
    double inverseWavelength;
    bool divide;  // false when length * inverseWavelength equals length / wavelength exactly
    ArrowCoefficients arrow;
    const double* detectorX;
    std::size_t pointCount;
    double* p;        // one per point: the point-block kernels
    double* partial;  // kSegments (cos, sin) pairs per point: the segment kernels
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
    const double* hitX;
    const double* firstLeg;
    std::size_t count;
    double center;
    double inverseHalfWidth;
    int degree;
    double wavelength;
    double inverseWavelength;
    bool divide;
    ArrowCoefficients arrow;
    double* momentCos;  // (degree + 1) * kMomentLanes, zero on entry, lane fastest
    double* momentSin;
};

struct LevelKernels {
    // Block `block` of kernel.blockPoints detector points: p of each from every term in order.
    void (*pathBlock)(const ScreenKernelArgs&, std::size_t block);
    void (*nodeBlock)(const ScreenKernelArgs&, std::size_t block);
    // Task `task` of pointCount * (kSegments / blockSegments): the sums of blockSegments
    // segments of one point, into partial.
    void (*pathSegments)(const ScreenKernelArgs&, std::size_t task);
    void (*nodeSegments)(const ScreenKernelArgs&, std::size_t task);
    void (*moments)(const MomentArgs&);
    // The arrow of every path term at detector x (pointCount and p unused).
    void (*pathArrows)(const ScreenKernelArgs&, double x, double* cosOut, double* sinOut);
    void (*arrowsOfTurns)(const ArrowCoefficients&, const double* turns, std::size_t count,
                          double* cosOut, double* sinOut);
    std::size_t blockPoints;
    std::size_t blockSegments;
};

bool LevelSupported(KernelLevel level);

// The path terms of a screen (the points and p left for the caller).
ScreenKernelArgs PathTerms(const PathSet& paths, double wavelength, double screenY);

// The kernels of a level this processor runs (checked by the caller).
const LevelKernels& KernelsFor(KernelLevel level);

}  // namespace pathsum::kernel
