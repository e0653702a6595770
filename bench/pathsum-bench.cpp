// pathsum-bench: runs the ten screens of one calculation without the window and prints what
// the engine computed, how long it took and, on request, how it compares with the sweep
// done point by point. Settings are given as the window's texts and read as a run reads them.

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ExperimentSettings.h"
#include "MirrorPattern.h"
#include "NumberText.h"
#include "PathEngine.h"
#include "RunPlan.h"
#include "SweepOracle.h"

namespace {

using namespace pathsum;

constexpr int kBadUsage = 2;
constexpr int kRefused = 2;

constexpr const char* kUsage =
    "usage: pathsum-bench [--pattern Single|Double|Triple|Four|Five|Grating] [--wavelength V] "
    "[--width V] [--spacing V] [--gain V] [--resolution V] [--step V] [--source X,Y] "
    "[--engine fast|sweep|both] [--points]";

enum class EngineChoice { Fast, Sweep, Both };

struct Options {
    SettingsTexts texts;
    SourcePoint marker = kStartSource;
    EngineChoice engine = EngineChoice::Fast;
    bool points = false;
};

struct BadUsage {
    std::string message;
};

std::optional<float> CoordinateFromText(const std::string& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

std::variant<Options, BadUsage> ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--points") {
            options.points = true;
            continue;
        }
        std::string* text = nullptr;
        if (name == "--wavelength") {
            text = &options.texts.wavelength;
        } else if (name == "--width") {
            text = &options.texts.width;
        } else if (name == "--spacing") {
            text = &options.texts.spacing;
        } else if (name == "--gain") {
            text = &options.texts.gain;
        } else if (name == "--resolution") {
            text = &options.texts.resolution;
        } else if (name == "--step") {
            text = &options.texts.resolutionX;
        } else if (name != "--pattern" && name != "--source" && name != "--engine") {
            return BadUsage{"unknown option '" + std::string(name) + "'"};
        }
        if (i + 1 >= argc) {
            return BadUsage{"option " + std::string(name) + " needs a value"};
        }
        const std::string value = argv[++i];
        if (text != nullptr) {
            // Taken as the window's text box would hold it; the run reads the number from it.
            *text = value;
        } else if (name == "--pattern") {
            const std::string caption = "Mirror Number " + value;
            if (PatternFromCaption(caption) == MirrorPattern::None) {
                return BadUsage{"unknown pattern '" + value + "'"};
            }
            options.texts.patternCaption = caption;
        } else if (name == "--engine") {
            if (value == "fast") {
                options.engine = EngineChoice::Fast;
            } else if (value == "sweep") {
                options.engine = EngineChoice::Sweep;
            } else if (value == "both") {
                options.engine = EngineChoice::Both;
            } else {
                return BadUsage{"unknown engine '" + value + "'"};
            }
        } else {
            const std::size_t comma = value.find(',');
            const auto x = CoordinateFromText(value.substr(0, comma));
            const auto y = comma == std::string::npos ? std::nullopt
                                                      : CoordinateFromText(value.substr(comma + 1));
            if (!x || !y) {
                return BadUsage{"--source needs two numbers X,Y, not '" + value + "'"};
            }
            options.marker = SourcePoint{*x, *y};
        }
    }
    return options;
}

// The p and the path count of every detector point of every screen, and the time it took.
struct EngineRun {
    std::vector<std::vector<double>> p;
    std::vector<std::vector<int>> count;
    double seconds = 0.0;
    std::optional<std::string> failure;
};

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

EngineRun RunFast(const RunPlan& plan) {
    EngineRun run;
    const std::size_t points = plan.detectorX.size();
    const auto start = Clock::now();
    auto enumerated = EnumeratePaths(InputsOf(plan.settings), plan.row);
    if (auto* refusal = std::get_if<Refusal>(&enumerated)) {
        run.failure = refusal->reason;
        return run;
    }
    const PathSet& paths = std::get<PathSet>(enumerated);
    for (double y : kScreenYs) {
        run.p.emplace_back(points);
        run.count.emplace_back(points, paths.Count());
        ComputeScreen(paths, plan.settings.wavelength, plan.settings.pi, y, plan.detectorX,
                      run.p.back());
    }
    run.seconds = SecondsSince(start);
    return run;
}

EngineRun RunSweep(const RunPlan& plan) {
    EngineRun run;
    const EngineInputs inputs = InputsOf(plan.settings);
    const std::size_t points = plan.detectorX.size();
    const auto start = Clock::now();
    for (double y : kScreenYs) {
        run.p.emplace_back(points);
        run.count.emplace_back(points);
        for (std::size_t i = 0; i < points; ++i) {
            const SweepPoint point = SweepAtPoint(inputs, plan.row, plan.detectorX[i], y);
            if (point.refused) {
                run.failure = "the sweep tried more than " + std::to_string(kMaxRaysPerSweep) +
                              " rays where the engine did not";
                return run;
            }
            run.p.back()[i] = point.p;
            run.count.back()[i] = point.count;
        }
    }
    run.seconds = SecondsSince(start);
    return run;
}

double CountSquared(int count) {
    const double c = static_cast<double>(count);
    return c * c;
}

void PrintRun(const char* engine, const EngineRun& run, const RunPlan& plan, bool withPoints) {
    const double gain = plan.settings.gain;
    for (std::size_t screen = 0; screen < kScreenYs.size(); ++screen) {
        const auto& p = run.p[screen];
        const auto& count = run.count[screen];
        std::size_t plotted = 0;
        double sum = 0.0;
        for (std::size_t i = 0; i < p.size(); ++i) {
            if (withPoints) {
                std::printf("point %.17g paths %d p %.17g\n", plan.detectorX[i], count[i], p[i]);
            }
            if (count[i] > 0) {
                ++plotted;
                sum += (gain * p[i]) / CountSquared(count[i]);
            }
        }
        std::printf("screen %.17g paths %d points %zu sum %.17g\n", 100.0 - kScreenYs[screen],
                    count.empty() ? 0 : count.back(), plotted, sum);
    }
    std::printf("engine %s seconds %.17g\n", engine, run.seconds);
}

void PrintComparison(const EngineRun& sweep, const EngineRun& fast) {
    bool pathsEqual = true;
    double maxError = 0.0;
    for (std::size_t screen = 0; screen < sweep.p.size(); ++screen) {
        for (std::size_t i = 0; i < sweep.p[screen].size(); ++i) {
            const int count = sweep.count[screen][i];
            pathsEqual = pathsEqual && count == fast.count[screen][i];
            if (count > 0) {
                const double error =
                    std::fabs(fast.p[screen][i] - sweep.p[screen][i]) / CountSquared(count);
                // A NaN on either side is an error as large as can be.
                maxError = std::isnan(error) ? INFINITY : std::fmax(maxError, error);
            }
        }
    }
    std::printf("paths_equal %s\n", pathsEqual ? "yes" : "no");
    std::printf("max_value_error %.17g\n", maxError);
    std::printf("speedup %.17g\n", sweep.seconds / fast.seconds);
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("%s\n", kUsage);
            return 0;
        }
    }
    auto parsed = ParseOptions(argc, argv);
    if (auto* bad = std::get_if<BadUsage>(&parsed)) {
        std::fprintf(stderr, "pathsum-bench: %s\n%s\n", bad->message.c_str(), kUsage);
        return kBadUsage;
    }
    const Options& options = std::get<Options>(parsed);

    // Exactly what a run does before its first screen, refusals included.
    const ExperimentSettings settings = ReadExperimentSettings(options.texts, options.marker);
    auto planned = PlanRun(settings);
    if (auto* refusal = std::get_if<Refusal>(&planned)) {
        std::fprintf(stderr, "%s\n", refusal->reason.c_str());
        return kRefused;
    }
    const RunPlan& plan = std::get<RunPlan>(planned);

    std::optional<EngineRun> sweep;
    std::optional<EngineRun> fast;
    if (options.engine != EngineChoice::Fast) {
        sweep = RunSweep(plan);
        if (sweep->failure) {
            std::fprintf(stderr, "pathsum-bench: %s\n", sweep->failure->c_str());
            return 1;
        }
        PrintRun("sweep", *sweep, plan, options.points);
    }
    if (options.engine != EngineChoice::Sweep) {
        fast = RunFast(plan);
        if (fast->failure) {
            std::fprintf(stderr, "%s\n", fast->failure->c_str());
            return kRefused;
        }
        PrintRun("fast", *fast, plan, options.points);
    }
    if (sweep && fast) {
        PrintComparison(*sweep, *fast);
    }
    return 0;
}
