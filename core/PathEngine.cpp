#include "PathEngine.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "Geometry.h"
#include "Parallel.h"
#include "ScreenKernel.h"

#if defined(__x86_64__) || defined(__i386__)
#define PATHSUM_KERNELS_X86 1
#include <immintrin.h>
#elif defined(__aarch64__)
#define PATHSUM_KERNELS_ARM64 1
#include <arm_neon.h>
#endif

#include "NoFusedMultiplyAdd.h"

namespace pathsum::kernel {

ArrowCoefficients MakeArrowCoefficients() {
    const double h = kPi / 2.0;
    const double h2 = h * h;
    ArrowCoefficients k{};
    double term = h;
    for (int i = 0; i < ArrowCoefficients::kSineTerms; ++i) {
        k.sine[i] = term;
        term = -term * h2 / ((2.0 * i + 2.0) * (2.0 * i + 3.0));
    }
    term = 1.0;
    for (int i = 0; i < ArrowCoefficients::kCosineTerms; ++i) {
        k.cosine[i] = term;
        term = -term * h2 / ((2.0 * i + 1.0) * (2.0 * i + 2.0));
    }
    return k;
}

bool ReciprocalIsExact(double wavelength) {
    if (!std::isfinite(wavelength) || wavelength == 0.0) {
        return false;
    }
    int exponent = 0;
    const double mantissa = std::frexp(wavelength, &exponent);
    const double inverse = 1.0 / wavelength;
    return std::fabs(mantissa) == 0.5 && std::isnormal(inverse) && inverse * wavelength == 1.0;
}

// The kernels for each instruction set. Thanks to the ban on fused multiply-adds at the top of
// this file every instruction set rounds exactly as the baseline does. Clang has no
// "#pragma GCC target"; it gets the same instruction sets from an attribute on every function
// of the region.

#if defined(PATHSUM_KERNELS_X86)

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx512f"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx512f")
#endif
namespace avx512 {
namespace {
using V = double __attribute__((vector_size(64)));
using M = long long __attribute__((vector_size(64)));
// The zero-masked forms with every lane selected are the plain instructions; unlike the plain
// intrinsics they start from a defined vector, which keeps GCC's uninitialised-use check quiet.
constexpr __mmask8 kAllLanes = 0xff;
[[gnu::always_inline]] inline V Sqrt(V x) {
    return (V)_mm512_maskz_sqrt_pd(kAllLanes, (__m512d)x);
}
[[gnu::always_inline]] inline V RoundNearest(V x) {
    return (V)_mm512_maskz_roundscale_pd(kAllLanes, (__m512d)x,
                                         _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
}
constexpr int kVectorsPerBlock = 1;
#include "PathEngineKernel.inc"
}  // namespace
}  // namespace avx512
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif
namespace avx2 {
namespace {
using V = double __attribute__((vector_size(32)));
using M = long long __attribute__((vector_size(32)));
[[gnu::always_inline]] inline V Sqrt(V x) {
    return (V)_mm256_sqrt_pd((__m256d)x);
}
[[gnu::always_inline]] inline V RoundNearest(V x) {
    return (V)_mm256_round_pd((__m256d)x, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
}
constexpr int kVectorsPerBlock = 2;
#include "PathEngineKernel.inc"
}  // namespace
}  // namespace avx2
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

namespace baseline {
namespace {
using V = double __attribute__((vector_size(16)));
using M = long long __attribute__((vector_size(16)));
[[gnu::always_inline]] inline V Sqrt(V x) {
    return (V)_mm_sqrt_pd((__m128d)x);
}
// SSE2 has no rounding instruction: adding and taking away 2^52 rounds to the nearest integer
// (ties to even) below 2^52; larger magnitudes are integers already. The sign is put back so
// that -0.3 rounds to -0, as the rounding instructions do.
[[gnu::always_inline]] inline V RoundNearest(V x) {
    constexpr double kTwoTo52 = 4503599627370496.0;
    const M signBit = M{} + static_cast<long long>(0x8000000000000000ULL);
    const M sign = (M)x & signBit;
    const V magic = (V)((M)(V{} + kTwoTo52) | sign);
    const V rounded = (V)((M)((x + magic) - magic) | sign);
    const M small = (V)((M)x & ~signBit) < V{} + kTwoTo52;
    return (V)((small & (M)rounded) | (~small & (M)x));
}
constexpr int kVectorsPerBlock = 2;
#include "PathEngineKernel.inc"
}  // namespace
}  // namespace baseline

#else  // not x86

#if defined(PATHSUM_KERNELS_ARM64)
// Advanced SIMD is part of every arm64 processor: two doubles a vector, with a correctly
// rounded square root and a rounding to nearest, ties to even.
namespace neon {
namespace {
using V = double __attribute__((vector_size(16)));
using M = long long __attribute__((vector_size(16)));
[[gnu::always_inline]] inline V Sqrt(V x) {
    return (V)vsqrtq_f64((float64x2_t)x);
}
[[gnu::always_inline]] inline V RoundNearest(V x) {
    return (V)vrndnq_f64((float64x2_t)x);
}
constexpr int kVectorsPerBlock = 2;
#include "PathEngineKernel.inc"
}  // namespace
}  // namespace neon
#endif

// Any other processor, and the reference the arm64 vector level is checked against: the same
// vectors with the square root and the rounding taken lane by lane from the C++ library, which
// rounds both correctly (nearbyint rounds ties to even in the default rounding mode).
namespace baseline {
namespace {
using V = double __attribute__((vector_size(16)));
using M = long long __attribute__((vector_size(16)));
[[gnu::always_inline]] inline V Sqrt(V x) {
    return V{std::sqrt(x[0]), std::sqrt(x[1])};
}
[[gnu::always_inline]] inline V RoundNearest(V x) {
    return V{std::nearbyint(x[0]), std::nearbyint(x[1])};
}
constexpr int kVectorsPerBlock = 2;
#include "PathEngineKernel.inc"
}  // namespace
}  // namespace baseline

#endif

bool LevelSupported(KernelLevel level) {
    switch (level) {
#if defined(PATHSUM_KERNELS_X86)
        case KernelLevel::Avx512:
            return __builtin_cpu_supports("avx512f");
        case KernelLevel::Avx2:
            return __builtin_cpu_supports("avx2");
#elif defined(PATHSUM_KERNELS_ARM64)
        case KernelLevel::Neon:
            return true;
#endif
        case KernelLevel::Baseline:
            return true;
        default:
            break;
    }
    return false;
}

const LevelKernels& KernelsFor(KernelLevel level) {
    switch (level) {
#if defined(PATHSUM_KERNELS_X86)
        case KernelLevel::Avx512:
            return avx512::kKernels;
        case KernelLevel::Avx2:
            return avx2::kKernels;
#elif defined(PATHSUM_KERNELS_ARM64)
        case KernelLevel::Neon:
            return neon::kKernels;
#endif
        default:
            break;
    }
    return baseline::kKernels;
}

PhaseRule PhaseRuleOf(double wavelength) {
    PhaseRule rule{};
    rule.wavelength = wavelength;
    rule.divide = !ReciprocalIsExact(wavelength);
    rule.inverseWavelength = rule.divide ? 0.0 : 1.0 / wavelength;
    rule.arrow = MakeArrowCoefficients();
    return rule;
}

Terms PathTermsOf(const PathSet& paths) {
    return {paths.HitX().data(), paths.FirstLeg().data(), nullptr, nullptr, paths.HitX().size()};
}

ScreenSum PathSum(const PathSet& paths, double wavelength, double screenY) {
    const double rowDistance = DistanceFromRow(screenY);
    return {PathTermsOf(paths), PhaseRuleOf(wavelength), rowDistance * rowDistance};
}

void SumByPointBlocks(const LevelKernels& kernels, const ScreenSum& sum, const ScreenPoints& points,
                      int threads, bool nodes) {
    const std::size_t blocks = (points.count + kernels.blockPoints - 1) / kernels.blockPoints;
    const double work = static_cast<double>(sum.terms.count) * static_cast<double>(points.count);
    const auto block = nodes ? kernels.nodeBlock : kernels.pathBlock;
    // Each block writes its own points only, and a point's sum never depends on which block or
    // thread it falls in, so blocks can go to whichever thread is free: on a busy machine a
    // thread that shares its core with another program then takes fewer of them.
    ParallelFor(Teams(threads, work, blocks), blocks,
                [&](std::size_t b) { block(sum, points, b); });
}

void SumSpectrumByPointBlocks(const LevelKernels& kernels, const SpectrumSum& sum,
                              const ScreenPoints& points, int threads, bool nodes) {
    const std::size_t blocks = (points.count + kernels.blockPoints - 1) / kernels.blockPoints;
    const double work = static_cast<double>(sum.sum.terms.count) *
                        static_cast<double>(points.count) * static_cast<double>(sum.wavelengths);
    const auto block = nodes ? kernels.spectrumNodeBlock : kernels.spectrumPathBlock;
    ParallelFor(Teams(threads, work, blocks), blocks,
                [&](std::size_t b) { block(sum, points, b); });
}

}  // namespace pathsum::kernel

namespace pathsum {

namespace {

void RequireLevel(KernelLevel level, const char* caller) {
    if (!kernel::LevelSupported(level)) {
        throw std::invalid_argument(std::string(caller) + ": kernel level not supported here");
    }
}

}  // namespace

std::vector<KernelLevel> AllKernelLevels() {
#if defined(PATHSUM_KERNELS_X86)
    return {KernelLevel::Baseline, KernelLevel::Avx2, KernelLevel::Avx512};
#elif defined(PATHSUM_KERNELS_ARM64)
    return {KernelLevel::Baseline, KernelLevel::Neon};
#else
    return {KernelLevel::Baseline};
#endif
}

bool KernelLevelSupported(KernelLevel level) {
    return kernel::LevelSupported(level);
}

std::vector<KernelLevel> SupportedKernelLevels() {
    std::vector<KernelLevel> levels;
    for (KernelLevel level : AllKernelLevels()) {
        if (kernel::LevelSupported(level)) {
            levels.push_back(level);
        }
    }
    return levels;
}

KernelLevel BestKernelLevel() {
    static const KernelLevel best = SupportedKernelLevels().back();
    return best;
}

void ComputeScreen(const PathSet& paths, double wavelength, double screenY,
                   std::span<const double> detectorX, std::span<double> p, int threads) {
    ComputeScreen(paths, wavelength, screenY, detectorX, p, threads, BestKernelLevel());
}

void ComputeScreen(const PathSet& paths, double wavelength, double screenY,
                   std::span<const double> detectorX, std::span<double> p, int threads,
                   KernelLevel level) {
    if (detectorX.size() != p.size()) {
        throw std::invalid_argument("ComputeScreen: one p for every detector point");
    }
    RequireLevel(level, "ComputeScreen");
    if (detectorX.empty()) {
        return;
    }
    if (paths.Count() == 0) {
        std::fill(p.begin(), p.end(), 0.0);
        return;
    }
    const kernel::ScreenPoints points{detectorX.data(), detectorX.size(), p.data(),
                                      nullptr,          nullptr,          nullptr};
    kernel::SumByPointBlocks(kernel::KernelsFor(level), kernel::PathSum(paths, wavelength, screenY),
                             points, threads, false);
}

void ArrowsAtPoint(const PathSet& paths, double wavelength, double screenY, double x,
                   std::span<double> cosOut, std::span<double> sinOut, KernelLevel level) {
    const std::size_t count = paths.HitX().size();
    if (cosOut.size() != count || sinOut.size() != count) {
        throw std::invalid_argument("ArrowsAtPoint: one arrow for every path");
    }
    RequireLevel(level, "ArrowsAtPoint");
    if (count == 0) {
        return;
    }
    kernel::KernelsFor(level).pathArrows(kernel::PathSum(paths, wavelength, screenY), x,
                                         cosOut.data(), sinOut.data());
}

void PhaseArrows(std::span<const double> turns, std::span<double> cosOut, std::span<double> sinOut,
                 KernelLevel level) {
    if (turns.size() != cosOut.size() || turns.size() != sinOut.size()) {
        throw std::invalid_argument("PhaseArrows: one arrow for every phase");
    }
    RequireLevel(level, "PhaseArrows");
    kernel::KernelsFor(level).arrowsOfTurns(kernel::MakeArrowCoefficients(), turns.data(),
                                            turns.size(), cosOut.data(), sinOut.data());
}

}  // namespace pathsum
