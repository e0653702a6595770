#include "EnginePaths.h"

#include <variant>

namespace pathsum {

EngineInputs InputsFor(SourcePoint source, double resolution, double wavelength) {
    EngineInputs inputs;
    inputs.source = source;
    inputs.wavelength = wavelength;
    inputs.resolution = resolution;
    return inputs;
}

ElementRow RowFor(MirrorPattern pattern, double width, double spacing) {
    return std::get<ElementRow>(BuildElementRow(pattern, width, spacing));
}

PathSet PathsFor(const EngineInputs& inputs, const ElementRow& row) {
    return std::get<PathSet>(EnumeratePaths(inputs, row));
}

std::vector<double> DirectScreen(const PathSet& paths, double wavelength, double y,
                                 std::span<const double> xs, int threads, KernelLevel level) {
    std::vector<double> p(xs.size());
    ComputeScreen(paths, wavelength, y, xs, p, threads, level);
    return p;
}

}  // namespace pathsum
