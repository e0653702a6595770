#pragma once

#include <span>
#include <vector>

#include "MirrorPattern.h"
#include "PathEngine.h"

namespace pathsum {

// What the engine tests set up alike, from the few values a case gives. Rows and paths are for
// settings the program accepts: a refusal fails the test that asked for them.

// The source is used as it is (the far-source rule is the caller's).
EngineInputs InputsFor(SourcePoint source, double resolution, double wavelength = 0.0);
ElementRow RowFor(MirrorPattern pattern, double width, double spacing);
PathSet PathsFor(const EngineInputs& inputs, const ElementRow& row);
// p at every detector x on the screen at `y`, from the screen kernel.
std::vector<double> DirectScreen(const PathSet& paths, double wavelength, double y,
                                 std::span<const double> xs, int threads = 0,
                                 KernelLevel level = BestKernelLevel());

}  // namespace pathsum
