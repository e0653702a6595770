#include "PathEngine.h"

#include <immintrin.h>
#include <omp.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

// No product and sum in this file is fused into a multiply-add, whatever the instruction set
// (AVX-512 has them even without the FMA extension, and a build for a newer baseline would
// allow them everywhere): the legs and phases must round exactly as the sweep's. The build
// says -ffp-contract=off for the whole core as well, and a test disassembles this object to
// check that no fused instruction slipped in.
#if defined(__clang__)
#pragma clang fp contract(off)
#else
#pragma GCC optimize("fp-contract=off")
#endif

namespace pathsum {

namespace {

// Coefficients of sin(r pi/2) and cos(r pi/2) in powers of r, for |r| <= 1/2 (at most an
// eighth of a turn). Taylor series carried until the first omitted term is below 1e-16 there.
struct ArrowCoefficients {
    static constexpr int kSineTerms = 8;    // r, r^3, ..., r^15
    static constexpr int kCosineTerms = 9;  // 1, r^2, ..., r^16
    double sine[kSineTerms];
    double cosine[kCosineTerms];
};

ArrowCoefficients MakeArrowCoefficients(double pi) {
    const double h = pi / 2.0;
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

struct ScreenKernelArgs {
    const double* hitX;
    const double* firstLeg;
    std::size_t pathCount;
    double rowDistanceSquared;
    double wavelength;
    double inverseWavelength;
    bool divide;  // false when length * inverseWavelength equals length / wavelength exactly
    ArrowCoefficients arrow;
    const double* detectorX;
    std::size_t pointCount;
    double* p;
};

}  // namespace

// The kernel for each instruction set. Thanks to the ban on fused multiply-adds at the top of
// this file every instruction set rounds exactly as the baseline does. Clang has no
// "#pragma GCC target"; it gets the same instruction sets from an attribute on every function
// of the region.

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

namespace {

using BlockFunction = void (*)(const ScreenKernelArgs&, std::size_t);

struct KernelEntry {
    BlockFunction block;
    std::size_t blockPoints;
};

KernelEntry KernelFor(KernelLevel level) {
    switch (level) {
        case KernelLevel::Avx512:
            return {avx512::ScreenBlock, static_cast<std::size_t>(avx512::kBlockPoints)};
        case KernelLevel::Avx2:
            return {avx2::ScreenBlock, static_cast<std::size_t>(avx2::kBlockPoints)};
        case KernelLevel::Baseline:
            break;
    }
    return {baseline::ScreenBlock, static_cast<std::size_t>(baseline::kBlockPoints)};
}

bool LevelSupported(KernelLevel level) {
    switch (level) {
        case KernelLevel::Avx512:
            return __builtin_cpu_supports("avx512f");
        case KernelLevel::Avx2:
            return __builtin_cpu_supports("avx2");
        case KernelLevel::Baseline:
            return true;
    }
    return false;
}

// True when 1/wavelength is exact, so that multiplying by it rounds like dividing.
bool ReciprocalIsExact(double wavelength) {
    if (!std::isfinite(wavelength) || wavelength == 0.0) {
        return false;
    }
    int exponent = 0;
    const double mantissa = std::frexp(wavelength, &exponent);
    const double inverse = 1.0 / wavelength;
    return std::fabs(mantissa) == 0.5 && std::isnormal(inverse) && inverse * wavelength == 1.0;
}

// Below this many path evaluations a screen is not worth waking other threads for.
constexpr double kParallelWork = 200'000.0;

}  // namespace

std::vector<KernelLevel> AllKernelLevels() {
    return {KernelLevel::Baseline, KernelLevel::Avx2, KernelLevel::Avx512};
}

bool KernelLevelSupported(KernelLevel level) {
    return LevelSupported(level);
}

std::vector<KernelLevel> SupportedKernelLevels() {
    std::vector<KernelLevel> levels;
    for (KernelLevel level : AllKernelLevels()) {
        if (LevelSupported(level)) {
            levels.push_back(level);
        }
    }
    return levels;
}

KernelLevel BestKernelLevel() {
    static const KernelLevel best = SupportedKernelLevels().back();
    return best;
}

void ComputeScreen(const PathSet& paths, double wavelength, double pi, double screenY,
                   std::span<const double> detectorX, std::span<double> p, int threads) {
    ComputeScreen(paths, wavelength, pi, screenY, detectorX, p, threads, BestKernelLevel());
}

void ComputeScreen(const PathSet& paths, double wavelength, double pi, double screenY,
                   std::span<const double> detectorX, std::span<double> p, int threads,
                   KernelLevel level) {
    if (detectorX.size() != p.size()) {
        throw std::invalid_argument("ComputeScreen: one p for every detector point");
    }
    if (!LevelSupported(level)) {
        throw std::invalid_argument("ComputeScreen: kernel level not supported here");
    }
    if (detectorX.empty()) {
        return;
    }
    if (paths.Count() == 0) {
        std::fill(p.begin(), p.end(), 0.0);
        return;
    }
    const double rowDistance = 100.0 - screenY;
    ScreenKernelArgs args{};
    args.hitX = paths.HitX().data();
    args.firstLeg = paths.FirstLeg().data();
    args.pathCount = paths.HitX().size();
    args.rowDistanceSquared = rowDistance * rowDistance;
    args.wavelength = wavelength;
    args.divide = !ReciprocalIsExact(wavelength);
    args.inverseWavelength = args.divide ? 0.0 : 1.0 / wavelength;
    args.arrow = MakeArrowCoefficients(pi);
    args.detectorX = detectorX.data();
    args.pointCount = detectorX.size();
    args.p = p.data();

    const KernelEntry kernel = KernelFor(level);
    const std::size_t blocks = (detectorX.size() + kernel.blockPoints - 1) / kernel.blockPoints;
    int teams = threads > 0 ? threads : omp_get_max_threads();
    const double work = static_cast<double>(args.pathCount) * static_cast<double>(args.pointCount);
    if (work < kParallelWork) {
        teams = 1;
    }
    teams = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(teams), blocks));
    // Each block writes its own points only, and a point's sum never depends on which block or
    // thread it falls in, so blocks can go to whichever thread is free: on a busy machine a
    // thread that shares its core with another program then takes fewer of them.
#pragma omp parallel for schedule(dynamic) num_threads(teams) if (teams > 1)
    for (std::size_t b = 0; b < blocks; ++b) {
        kernel.block(args, b);
    }
}

void PhaseArrows(std::span<const double> turns, double pi, std::span<double> cosOut,
                 std::span<double> sinOut, KernelLevel level) {
    if (turns.size() != cosOut.size() || turns.size() != sinOut.size()) {
        throw std::invalid_argument("PhaseArrows: one arrow for every phase");
    }
    if (!LevelSupported(level)) {
        throw std::invalid_argument("PhaseArrows: kernel level not supported here");
    }
    const ArrowCoefficients k = MakeArrowCoefficients(pi);
    switch (level) {
        case KernelLevel::Avx512:
            avx512::ArrowsOfTurns(k, turns.data(), turns.size(), cosOut.data(), sinOut.data());
            return;
        case KernelLevel::Avx2:
            avx2::ArrowsOfTurns(k, turns.data(), turns.size(), cosOut.data(), sinOut.data());
            return;
        case KernelLevel::Baseline:
            baseline::ArrowsOfTurns(k, turns.data(), turns.size(), cosOut.data(), sinOut.data());
            return;
    }
}

}  // namespace pathsum
