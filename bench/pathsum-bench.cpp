// pathsum-bench: runs the ten screens of one calculation without the window and prints what
// the engine computed, how long it took and, on request, how it compares with the sweep
// done point by point or with the sum over every path. Settings are given as the window's
// texts and read as a run reads them.
//   --engine fast     the program's engine, whichever method it chooses (the default)
//   --engine direct   the screen kernel, every path at every point
//   --engine sweep    the sweep done point by point
//   --engine both     the sweep, then the program's engine, and how they compare
//   --compare direct  the program's engine, then the screen kernel, and how they compare
//   --field NX,NY     the field of light instead of the screens: the enumeration and p at the
//                     pixel centres x_i = (i + 0.5) * 100 / NX, y_k = (k + 0.5) * 100 / NY,
//                     computed coarse to fine as the field window computes them; with --points
//                     every pixel as "field X Y COUNT P RE IM", RE and IM the cosine and sine
//                     sums whose squares make P
//   --waves           the field (400 by 400 unless --field says otherwise) and the median time
//                     of one frame of its waves on a 400 by 400 grid, from the field's sums
//   --white           white light (WhiteLight.h): every wavelength of the spectrum summed over
//                     the run's paths, the screens' p (and the field's) each point's white value;
//                     with the program's engine (--compare direct: against every path at every
//                     wavelength) or --field (its first picture the first look at a few
//                     wavelengths, first_full_picture_seconds the first at all of them), and with
//                     --points each point's colour beside it
//   --theory          after the run, the textbook's far-field prediction at every detector
//                     point: its time beside the run's, and per screen the Fresnel number and
//                     how far the computed curve lies from the prediction (with --points, the
//                     prediction at every point); whether the paths are too sparse for the
//                     wavelength, and the orders' directions

#include <algorithm>
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
#include "FarField.h"
#include "Field.h"
#include "FieldWaves.h"
#include "MirrorPattern.h"
#include "NumberText.h"
#include "PathEngine.h"
#include "RunPlan.h"
#include "ScreenEngine.h"
#include "SweepOracle.h"
#include "WhiteLight.h"

namespace {

using namespace pathsum;

constexpr int kBadUsage = 2;
constexpr int kRefused = 2;

constexpr const char* kUsage =
    "usage: pathsum-bench [--pattern Single|Double|Triple|Four|Five|Grating] [--wavelength V] "
    "[--width V] [--spacing V] [--gain V] [--resolution V] [--step V] [--source X,Y] "
    "[--engine fast|direct|sweep|both] [--compare direct] [--field NX,NY] [--waves] [--theory] "
    "[--white] [--points]";

// The largest field grid, across and down: a grid of this size keeps 400 MB of values.
constexpr int kMostFieldPixels = 4096;

// The frames of the waves are timed on a grid of this size, this many of them, at times a
// sixtieth of a period apart.
constexpr int kWaveGrid = 400;
constexpr int kWaveFrames = 120;

enum class EngineChoice { Fast, Direct, Sweep, Both };

struct Options {
    SettingsTexts texts;
    SourcePoint marker = kStartSource;
    EngineChoice engine = EngineChoice::Fast;
    bool compareDirect = false;
    bool points = false;
    bool theory = false;
    bool waves = false;
    bool white = false;
    std::optional<std::pair<int, int>> field;
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

std::optional<int> FieldSizeFromText(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
        text.size() > 4) {
        return std::nullopt;
    }
    const int size = std::stoi(text);
    if (size < 1 || size > kMostFieldPixels) {
        return std::nullopt;
    }
    return size;
}

std::variant<Options, BadUsage> ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--points") {
            options.points = true;
            continue;
        }
        if (name == "--theory") {
            options.theory = true;
            continue;
        }
        if (name == "--waves") {
            options.waves = true;
            continue;
        }
        if (name == "--white") {
            options.white = true;
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
        } else if (name != "--pattern" && name != "--source" && name != "--engine" &&
                   name != "--compare" && name != "--field") {
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
            } else if (value == "direct") {
                options.engine = EngineChoice::Direct;
            } else if (value == "sweep") {
                options.engine = EngineChoice::Sweep;
            } else if (value == "both") {
                options.engine = EngineChoice::Both;
            } else {
                return BadUsage{"unknown engine '" + value + "'"};
            }
        } else if (name == "--compare") {
            if (value != "direct") {
                return BadUsage{"--compare takes only direct, not '" + value + "'"};
            }
            options.compareDirect = true;
        } else if (name == "--field") {
            const std::size_t comma = value.find(',');
            const auto nx = FieldSizeFromText(value.substr(0, comma));
            const auto ny = comma == std::string::npos ? std::nullopt
                                                       : FieldSizeFromText(value.substr(comma + 1));
            if (!nx || !ny) {
                return BadUsage{"--field needs two whole numbers NX,NY from 1 to " +
                                std::to_string(kMostFieldPixels) + ", not '" + value + "'"};
            }
            options.field = std::pair(*nx, *ny);
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
    if (options.waves && !options.field) {
        options.field = std::pair(kWaveGrid, kWaveGrid);
    }
    if (options.field &&
        (options.engine != EngineChoice::Fast || options.compareDirect || options.theory)) {
        return BadUsage{
            "--field and --waves compute the field alone, without --engine, --compare or --theory"};
    }
    if (options.white &&
        (options.waves || options.theory || options.engine != EngineChoice::Fast)) {
        return BadUsage{
            "--white runs the program's engine or the field, without --engine, --waves "
            "or --theory"};
    }
    return options;
}

// The p and the path count of every detector point of every screen, and the time it took.
struct EngineRun {
    std::vector<std::vector<double>> p;
    std::vector<std::vector<int>> count;
    double seconds = 0.0;
    std::optional<std::string> failure;
    // What the program's engine chose.
    SumMethod method = SumMethod::Direct;
    std::size_t terms = 0;
    double errorBound = 0.0;
    double intervalWavelengths = 0.0;
};

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The enumeration and the ten screens, each screen summed by `sum`.
template <class Prepare>
EngineRun RunEngine(const RunPlan& plan, Prepare prepare) {
    EngineRun run;
    const std::size_t points = plan.detectorX.size();
    const auto start = Clock::now();
    auto enumerated = EnumeratePaths(InputsOf(plan.settings), plan.row);
    if (auto* refusal = std::get_if<Refusal>(&enumerated)) {
        run.failure = refusal->reason;
        return run;
    }
    const PathSet& paths = std::get<PathSet>(enumerated);
    const auto sum = prepare(paths, run);
    for (double y : kScreenYs) {
        run.p.emplace_back(points);
        run.count.emplace_back(points, paths.Count());
        sum(y, run.p.back());
    }
    run.seconds = SecondsSince(start);
    return run;
}

// The screens of the program's engine, `method` forced when given. In white light each point's
// p is its white value, and `colours` each point's colour.
EngineRun RunFast(const RunPlan& plan, std::optional<SumMethod> method = std::nullopt,
                  std::vector<std::vector<LinearRgb>>* colours = nullptr) {
    std::optional<ScreenEngine> engine;
    const Spectrum spectrum(plan.settings.light);
    std::vector<double> spectral(plan.detectorX.size() * spectrum.Size());
    return RunEngine(plan, [&](const PathSet& paths, EngineRun& run) {
        EngineOptions options;
        options.method = method;
        options.light = plan.settings.light;
        engine.emplace(paths, plan.settings.wavelength, plan.detectorX.size(), options);
        run.method = engine->Method();
        run.terms = engine->Terms();
        run.errorBound = engine->ErrorBound();
        run.intervalWavelengths = engine->IntervalWavelengths();
        return [&](double y, std::vector<double>& p) {
            if (!plan.settings.light.Spectral()) {
                engine->Compute(y, plan.detectorX, p);
                return;
            }
            engine->ComputeSpectrum(y, plan.detectorX, spectral);
            if (colours != nullptr) {
                colours->emplace_back(p.size());
            }
            const std::size_t k = spectrum.Size();
            for (std::size_t i = 0; i < p.size(); ++i) {
                const WhitePoint white = spectrum.At(std::span(spectral).subspan(i * k, k));
                p[i] = white.p;
                if (colours != nullptr) {
                    colours->back()[i] = white.colour;
                }
            }
        };
    });
}

EngineRun RunDirect(const RunPlan& plan) {
    if (plan.settings.light.Spectral()) {
        return RunFast(plan, SumMethod::Direct);
    }
    return RunEngine(plan, [&](const PathSet& paths, EngineRun& run) {
        run.terms = static_cast<std::size_t>(paths.Count());
        return [&](double y, std::vector<double>& p) {
            ComputeScreen(paths, plan.settings.wavelength, y, plan.detectorX, p);
        };
    });
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

void PrintRun(const char* engine, const EngineRun& run, const RunPlan& plan, bool withPoints,
              const std::vector<std::vector<LinearRgb>>* colours = nullptr) {
    const double gain = plan.settings.gain;
    for (std::size_t screen = 0; screen < kScreenYs.size(); ++screen) {
        const auto& p = run.p[screen];
        const auto& count = run.count[screen];
        std::size_t plotted = 0;
        double sum = 0.0;
        for (std::size_t i = 0; i < p.size(); ++i) {
            if (withPoints && colours != nullptr) {
                const LinearRgb c = (*colours)[screen][i];
                std::printf("point %.17g paths %d p %.17g rgb %.17g %.17g %.17g\n",
                            plan.detectorX[i], count[i], p[i], c.r, c.g, c.b);
            } else if (withPoints) {
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

void PrintMethod(const EngineRun& fast) {
    const bool interpolated = fast.method == SumMethod::Interpolated;
    std::printf("method %s\n", interpolated ? "interpolated" : "direct");
    std::printf("terms %zu\n", fast.terms);
    if (interpolated) {
        std::printf("interval_wavelengths %.17g\n", fast.intervalWavelengths);
        std::printf("error_bound %.17g\n", fast.errorBound);
    }
}

struct Difference {
    bool pathsEqual = true;
    double maxError = 0.0;  // in p / N^2
};

Difference Compare(const EngineRun& reference, const EngineRun& run) {
    Difference d;
    for (std::size_t screen = 0; screen < reference.p.size(); ++screen) {
        for (std::size_t i = 0; i < reference.p[screen].size(); ++i) {
            const int count = reference.count[screen][i];
            d.pathsEqual = d.pathsEqual && count == run.count[screen][i];
            if (count > 0) {
                const double error =
                    std::fabs(run.p[screen][i] - reference.p[screen][i]) / CountSquared(count);
                // A NaN on either side is an error as large as can be.
                d.maxError = std::isnan(error) ? INFINITY : std::fmax(d.maxError, error);
            }
        }
    }
    return d;
}

void PrintComparison(const EngineRun& sweep, const EngineRun& fast) {
    const Difference d = Compare(sweep, fast);
    std::printf("paths_equal %s\n", d.pathsEqual ? "yes" : "no");
    std::printf("max_value_error %.17g\n", d.maxError);
    std::printf("speedup %.17g\n", sweep.seconds / fast.seconds);
}

void PrintDirectComparison(const EngineRun& direct, const EngineRun& fast) {
    const Difference d = Compare(direct, fast);
    std::printf("max_value_difference %.17g\n", d.maxError);
    std::printf("direct_seconds %.17g\n", direct.seconds);
    std::printf("fast_seconds %.17g\n", fast.seconds);
    std::printf("ratio %.17g\n", direct.seconds / fast.seconds);
}

// The prediction of the ten screens, from the settings and the row as a run has them: its time
// (a mean over repetitions, the prediction being quick) against the run's, and per screen the
// Fresnel number and the largest difference between the computed p / N^2 and the prediction,
// with the screen's computed peak to measure it by.
void PrintTheory(const RunPlan& plan, const EngineRun& run, bool withPoints) {
    constexpr int kRepetitions = 20;
    const std::size_t points = plan.detectorX.size();
    std::vector<std::vector<double>> predicted(kScreenYs.size(), std::vector<double>(points));
    std::optional<FarField> theory;
    const auto start = Clock::now();
    for (int repetition = 0; repetition < kRepetitions; ++repetition) {
        theory = FarField::Of(plan.settings, plan.row);
        for (std::size_t screen = 0; theory && screen < kScreenYs.size(); ++screen) {
            theory->PredictScreen(kScreenYs[screen], plan.detectorX, predicted[screen]);
        }
    }
    const double seconds = SecondsSince(start) / kRepetitions;
    std::printf("theory_seconds %.17g\n", seconds);
    std::printf("theory_share %.17g\n", seconds / run.seconds);
    if (!theory) {
        std::printf("theory none\n");
        return;
    }
    for (std::size_t screen = 0; screen < kScreenYs.size(); ++screen) {
        const double distance = DistanceFromRow(kScreenYs[screen]);
        double largest = 0.0;
        double peak = 0.0;
        for (std::size_t i = 0; i < points; ++i) {
            const int count = run.count[screen][i];
            if (count > 0) {
                const double value = run.p[screen][i] / CountSquared(count);
                peak = std::fmax(peak, value);
                largest = std::fmax(largest, std::fabs(value - predicted[screen][i]));
            }
        }
        if (withPoints) {
            for (std::size_t i = 0; i < points; ++i) {
                std::printf("theory point %.17g %.17g %.17g\n", distance, plan.detectorX[i],
                            predicted[screen][i]);
            }
        }
        const auto fresnel = theory->FresnelNumber(distance);
        std::printf("theory screen %.17g fresnel %.17g %s peak %.17g largest_difference %.17g\n",
                    distance, fresnel.value_or(NAN),
                    fresnel ? FresnelCaption(*fresnel).c_str() : "F=none", peak, largest);
    }
    for (const GuideLine& line : theory->GuideLines()) {
        const char* kind = line.kind == GuideKind::Order      ? "order"
                           : line.kind == GuideKind::Specular ? "specular"
                                                              : "beam_edge";
        std::printf("guide %s %d sine %.17g from %.17g %.17g to %.17g %.17g\n", kind, line.order,
                    line.sine, line.line.x0, line.line.y0, line.line.x1, line.line.y1);
    }
    if (const auto spacing = theory->FringeSpacing(DistanceFromRow(kScreenYs.front()))) {
        std::printf("fringe_spacing_farthest %.17g\n", *spacing);
    }
    if (const auto sparse = TooFewPaths(plan.settings, plan.row)) {
        std::printf("sparse_paths yes gap %.17g fine_resolution %.17g %s\n", sparse->largestGap,
                    sparse->fineResolution,
                    sparse->withinRayLimit ? "within_limit" : "beyond_limit");
    } else {
        std::printf("sparse_paths no\n");
    }
}

// Refines a field to the end in short calls, as the window makes them; with `firstPicture`, the
// time from `start` to its first coarse picture, and with `firstFull` to its first at every
// wavelength (after the first look at a few, in white light).
void RefineField(FieldRefinement& refinement, Clock::time_point start,
                 std::optional<double>* firstPicture, std::optional<double>* firstFull = nullptr) {
    while (!refinement.Refine(Clock::now() + std::chrono::milliseconds(1))) {
        if (firstPicture != nullptr && !*firstPicture && refinement.FinishedStride() > 0) {
            *firstPicture = SecondsSince(start);
        }
        if (firstFull != nullptr && !*firstFull && refinement.FinishedStride() > 0 &&
            !refinement.Preview()) {
            *firstFull = SecondsSince(start);
        }
    }
}

// The median time of one frame of the waves of a finished field, its frames a sixtieth of a
// period apart.
double WaveFrameSeconds(const FieldRefinement& refinement, int count, double gain) {
    const FieldGrid& grid = refinement.Grid();
    const FieldScale scale = ScaleFor(gain, false);
    std::vector<std::uint32_t> pixels;
    std::vector<double> seconds;
    for (int frame = 0; frame < kWaveFrames; ++frame) {
        const auto start = Clock::now();
        PaintWaves(refinement.Re(), refinement.Im(), grid.columns, grid.rows, count, frame / 60.0,
                   scale, pixels);
        seconds.push_back(SecondsSince(start));
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

// The enumeration and the field on the grid, with the time to its first coarse picture, and with
// `waves` the time of a frame of its waves; nonzero on a refusal.
int RunField(const RunPlan& plan, int columns, int rows, bool withPoints, bool waves) {
    const auto start = Clock::now();
    auto enumerated = EnumeratePaths(InputsOf(plan.settings), plan.row);
    if (auto* refusal = std::get_if<Refusal>(&enumerated)) {
        std::fprintf(stderr, "%s\n", refusal->reason.c_str());
        return kRefused;
    }
    const PathSet& paths = std::get<PathSet>(enumerated);
    const FieldGrid grid{FieldView{}, columns, rows};
    EngineOptions options;
    options.light = plan.settings.light;
    FieldEngine engine(paths, plan.settings.wavelength, plan.detectorX.size(),
                       static_cast<double>(grid.Pixels()), options);
    FieldRefinement refinement(engine, grid);
    std::optional<double> firstPicture;
    std::optional<double> firstFull;
    RefineField(refinement, start, &firstPicture, &firstFull);
    const double seconds = SecondsSince(start);
    std::printf("field_seconds %.17g\n", seconds);
    std::printf("first_picture_seconds %.17g\n", firstPicture.value_or(seconds));
    if (plan.settings.light.Spectral()) {
        std::printf("first_full_picture_seconds %.17g\n", firstFull.value_or(seconds));
    }
    std::printf("method %s\n", refinement.Interpolated() ? "interpolated" : "direct");
    std::printf("error_bound %.17g\n", refinement.ErrorBound());
    if (withPoints) {
        const std::span<const double> p = refinement.P();
        const std::span<const double> re = refinement.Re();
        const std::span<const double> im = refinement.Im();
        const std::span<const LinearRgb> colours = refinement.Colours();
        for (int k = 0; k < rows; ++k) {
            for (int i = 0; i < columns; ++i) {
                const std::size_t at =
                    static_cast<std::size_t>(k) * static_cast<std::size_t>(columns) +
                    static_cast<std::size_t>(i);
                if (colours.empty()) {
                    std::printf("field %.17g %.17g %d %.17g %.17g %.17g\n", grid.X(i), grid.Y(k),
                                paths.Count(), p[at], re[at], im[at]);
                } else {
                    std::printf("field %.17g %.17g %d %.17g rgb %.17g %.17g %.17g\n", grid.X(i),
                                grid.Y(k), paths.Count(), p[at], colours[at].r, colours[at].g,
                                colours[at].b);
                }
            }
        }
    }
    if (waves) {
        double frame = 0.0;
        if (columns == kWaveGrid && rows == kWaveGrid) {
            frame = WaveFrameSeconds(refinement, paths.Count(), plan.settings.gain);
        } else {
            // The frames are timed on a field of their own size, not on the one asked for.
            const FieldGrid waveGrid{FieldView{}, kWaveGrid, kWaveGrid};
            FieldEngine waveEngine(paths, plan.settings.wavelength, plan.detectorX.size(),
                                   static_cast<double>(waveGrid.Pixels()));
            FieldRefinement waveField(waveEngine, waveGrid);
            RefineField(waveField, start, nullptr);
            frame = WaveFrameSeconds(waveField, paths.Count(), plan.settings.gain);
        }
        std::printf("wave_frame_seconds %.17g\n", frame);
    }
    return 0;
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
    ExperimentSettings settings = ReadExperimentSettings(options.texts, options.marker);
    if (options.white) {
        settings.light = WhiteLight();
    }
    auto planned = PlanRun(settings);
    if (auto* refusal = std::get_if<Refusal>(&planned)) {
        std::fprintf(stderr, "%s\n", refusal->reason.c_str());
        return kRefused;
    }
    const RunPlan& plan = std::get<RunPlan>(planned);

    // The threads are started before any timing.
    int threads = 0;
#pragma omp parallel reduction(+ : threads)
    threads += 1;
    (void)threads;

    if (options.white) {
        std::printf("light white %zu\n", settings.light.nanometres.size());
    }
    if (options.field) {
        return RunField(plan, options.field->first, options.field->second, options.points,
                        options.waves);
    }

    std::optional<EngineRun> sweep;
    std::optional<EngineRun> fast;
    const auto failed = [](const EngineRun& run) {
        if (run.failure) {
            std::fprintf(stderr, "%s\n", run.failure->c_str());
            return true;
        }
        return false;
    };
    if (options.engine == EngineChoice::Sweep || options.engine == EngineChoice::Both) {
        sweep = RunSweep(plan);
        if (sweep->failure) {
            std::fprintf(stderr, "pathsum-bench: %s\n", sweep->failure->c_str());
            return 1;
        }
        PrintRun("sweep", *sweep, plan, options.points);
    }
    std::optional<EngineRun> directAlone;
    if (options.engine == EngineChoice::Direct && !options.compareDirect) {
        directAlone = RunDirect(plan);
        if (failed(*directAlone)) {
            return kRefused;
        }
        PrintRun("direct", *directAlone, plan, options.points);
    }
    if (options.engine == EngineChoice::Fast || options.engine == EngineChoice::Both ||
        options.compareDirect) {
        std::vector<std::vector<LinearRgb>> colours;
        fast = RunFast(plan, std::nullopt, options.white ? &colours : nullptr);
        if (failed(*fast)) {
            return kRefused;
        }
        PrintRun("fast", *fast, plan, options.points, options.white ? &colours : nullptr);
        PrintMethod(*fast);
    }
    if (sweep && fast) {
        PrintComparison(*sweep, *fast);
    }
    if (options.compareDirect) {
        const EngineRun direct = RunDirect(plan);
        if (failed(direct)) {
            return kRefused;
        }
        PrintRun("direct", direct, plan, options.points);
        PrintDirectComparison(direct, *fast);
    }
    if (options.theory) {
        PrintTheory(plan, fast ? *fast : directAlone ? *directAlone : *sweep, options.points);
    }
    return 0;
}
