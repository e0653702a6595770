// Micro-benchmarks of the screen kernel on one thread: path evaluations per second for each
// instruction set the processor runs, with a wavelength that needs a division and one that
// does not; and the arrows per second of white light, every wavelength of it over every path.

#include <benchmark/benchmark.h>

#include <variant>
#include <vector>

#include "MirrorPattern.h"
#include "PathEngine.h"
#include "ScreenEngine.h"
#include "WhiteLight.h"

namespace {

using namespace pathsum;

const PathSet& GratingPaths() {
    static const PathSet paths = [] {
        EngineInputs inputs;
        inputs.resolution = 1e-5;
        const auto row = std::get<ElementRow>(BuildElementRow(MirrorPattern::Grating, 10, 10));
        return std::get<PathSet>(EnumeratePaths(inputs, row));
    }();
    return paths;
}

void ScreenKernel(benchmark::State& state) {
    const auto level = static_cast<KernelLevel>(state.range(0));
    const double wavelength = state.range(1) == 0 ? 1.0 : 0.7;
    bool supported = false;
    for (KernelLevel l : SupportedKernelLevels()) {
        supported = supported || l == level;
    }
    if (!supported) {
        state.SkipWithError("kernel level not supported by this processor");
        return;
    }
    const PathSet& paths = GratingPaths();
    const std::vector<double> x = DetectorPoints(1.0);
    std::vector<double> p(x.size());
    for (auto _ : state) {
        ComputeScreen(paths, wavelength, 40.0, x, p, 1, level);
        benchmark::DoNotOptimize(p.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(x.size()) *
                            paths.Count());
}

// range(0): KernelLevel (0 baseline, 1 AVX2, 2 AVX-512); range(1): 0 wavelength 1, 1 wavelength .7
BENCHMARK(ScreenKernel)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->ArgNames({"level", "divide"})
    ->Unit(benchmark::kMillisecond);

void WhiteKernel(benchmark::State& state) {
    const auto level = static_cast<KernelLevel>(state.range(0));
    if (!KernelLevelSupported(level)) {
        state.SkipWithError("kernel level not supported by this processor");
        return;
    }
    const PathSet& paths = GratingPaths();
    EngineOptions options;
    options.level = level;
    options.method = SumMethod::Direct;
    options.threads = 1;
    options.light = WhiteLight();
    const std::vector<double> x = DetectorPoints(1.0);
    const ScreenEngine engine(paths, 1.0, x.size(), options);
    std::vector<double> p(x.size() * kWhiteWavelengths);
    for (auto _ : state) {
        engine.ComputeSpectrum(40.0, x, p, 1);
        benchmark::DoNotOptimize(p.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(x.size()) *
                            paths.Count() * static_cast<std::int64_t>(kWhiteWavelengths));
}

// range(0): KernelLevel; the arrows of every wavelength counted.
BENCHMARK(WhiteKernel)->Arg(0)->Arg(1)->Arg(2)->ArgName("level")->Unit(benchmark::kMillisecond);

void Enumerate(benchmark::State& state) {
    EngineInputs inputs;
    inputs.resolution = 1e-5;
    const auto row = std::get<ElementRow>(BuildElementRow(MirrorPattern::Grating, 10, 10));
    for (auto _ : state) {
        auto paths = EnumeratePaths(inputs, row);
        benchmark::DoNotOptimize(paths);
    }
}
BENCHMARK(Enumerate)->Unit(benchmark::kMillisecond);

}  // namespace
