#pragma once

#include <span>
#include <vector>

#include "PathEnumeration.h"
#include "Screens.h"

namespace pathsum {

// The instruction sets the screen kernel is built for. All of them give the same bits; the
// best one the processor has is used unless a caller asks for another. Baseline runs on every
// processor of the architecture (SSE2 on x86-64, plain C++ elsewhere); Avx2 and Avx512 exist
// in x86 builds, Neon in arm64 builds.
enum class KernelLevel { Baseline, Avx2, Avx512, Neon };

// Every level the kernel is built for, Baseline first, whether this processor runs it or not.
std::vector<KernelLevel> AllKernelLevels();
bool KernelLevelSupported(KernelLevel level);

// The levels this processor can run, Baseline first.
std::vector<KernelLevel> SupportedKernelLevels();
KernelLevel BestKernelLevel();

// The squared length p = C^2 + S^2 of the arrow sum at each detector x on the screen at
// `screenY`. p.size() must equal detectorX.size(). Detector points are spread over the cores;
// each point's sum is formed in one fixed order, so results do not depend on the thread count
// nor on how the points of a screen are split into calls. `threads` = 0 uses every core.
void ComputeScreen(const PathSet& paths, double wavelength, double screenY,
                   std::span<const double> detectorX, std::span<double> p, int threads = 0);
void ComputeScreen(const PathSet& paths, double wavelength, double screenY,
                   std::span<const double> detectorX, std::span<double> p, int threads,
                   KernelLevel level);

// The arrow of every path at detector x on the screen at `screenY`, formed exactly as the
// screen kernel forms it: the two legs, the length and its turns rounded the same way and the
// same unit arrow. Added one after the other in path order, from 0, they give the cosine and
// sine sums whose squares make the kernel's p, bit for bit (with every product and sum rounded
// on its own, as the core is built: -ffp-contract=off). Range and error: the kernel's PathArrow
// (PathEngineKernel.inc).
void ArrowsAtPoint(const PathSet& paths, double wavelength, double screenY, double x,
                   std::span<double> cosOut, std::span<double> sinOut,
                   KernelLevel level = BestKernelLevel());

// The unit arrows (cos 2 pi t, sin 2 pi t) of phases given in turns, formed exactly as the
// screen kernel forms them. Exposed so that the arrow can be checked on its own. Range and
// error: the kernel's UnitArrow (PathEngineKernel.inc): any finite t, within 1e-15.
void PhaseArrows(std::span<const double> turns, std::span<double> cosOut, std::span<double> sinOut,
                 KernelLevel level);

}  // namespace pathsum
