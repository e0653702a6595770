#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "EnginePaths.h"
#include "InterpolatedSum.h"
#include "Limits.h"
#include "MirrorPattern.h"
#include "PathEngine.h"
#include "ScreenEngine.h"
#include "WhiteLight.h"

namespace pathsum {
namespace {

struct Setting {
    const char* name;
    MirrorPattern pattern;
    double width;
    double spacing;
    SourcePoint source;  // after the far-source rule
    double resolution;
    double wavelength;
    double step;
};

void PrintTo(const Setting& c, std::ostream* out) {
    *out << c.name;
}

PathSet PathsOf(const Setting& s) {
    return PathsFor(InputsFor(s.source, s.resolution), RowFor(s.pattern, s.width, s.spacing));
}

EngineOptions Forced(SumMethod method, KernelLevel level = BestKernelLevel()) {
    return {.level = level, .method = method};
}

// The interpolation's bound must hold for the second leg's chirp, not only for a pure
// exponential: against the interpolant at the Chebyshev points formed here the classical way
// (barycentric, in long double), for detector points above the interval's centre, above its
// edge and far to its side (where the phase is nearly linear and the error largest). And it
// must not be so loose that it wastes nodes.
TEST(InterpolationErrorBound, HoldsForEveryDetectorPointAndIsNotLoose) {
    struct Case {
        int degree;
        double halfWidth;
        double wavelength;
        double rowDistance;
    };
    const Case cases[] = {
        {40, 5, 1, 10},  {45, 5, 1, 10},     {20, 2, 1, 10},     {10, 1, 1, 10},
        {30, 20, 5, 10}, {12, 0.5, 0.1, 10}, {30, 0.4, 0.1, 10}, {0, 0.001, 1, 10},
    };
    for (const Case& c : cases) {
        const long double k = 2 * 3.141592653589793238462643383279503L / c.wavelength;
        const double bound =
            InterpolationErrorBound(c.degree, c.halfWidth, static_cast<double>(k), c.rowDistance);
        const int n = c.degree;
        std::vector<long double> node(n + 1);
        std::vector<long double> weight(n + 1);
        for (int j = 0; j <= n; ++j) {
            node[j] = n == 0 ? 0.0L : c.halfWidth * std::cos(j * 3.141592653589793238L / n);
            weight[j] = ((j % 2) ? -1.0L : 1.0L) * ((j == 0 || j == n) ? 0.5L : 1.0L);
        }
        double worst = 0.0;
        for (double x : {0.0, c.halfWidth, c.halfWidth + 95.0}) {
            const auto g = [&](long double h) {
                return std::polar(1.0L,
                                  k * std::sqrt((h - x) * (h - x) + c.rowDistance * c.rowDistance));
            };
            for (int i = 0; i <= 1000; ++i) {
                const long double h = -c.halfWidth + 2.0L * c.halfWidth * (i + 0.5L) / 1001;
                std::complex<long double> interpolated = g(node[0]);
                if (n > 0) {
                    std::complex<long double> numerator = 0;
                    long double denominator = 0;
                    for (int j = 0; j <= n; ++j) {
                        numerator += weight[j] / (h - node[j]) * g(node[j]);
                        denominator += weight[j] / (h - node[j]);
                    }
                    interpolated = numerator / denominator;
                }
                const double error = static_cast<double>(std::abs(interpolated - g(h)));
                EXPECT_LE(error, bound) << "degree " << n << " half width " << c.halfWidth
                                        << " wavelength " << c.wavelength << " x " << x;
                worst = std::max(worst, error);
            }
        }
        EXPECT_LE(bound, 100 * worst) << "degree " << n << " half width " << c.halfWidth;
    }
}

// The interpolated sum against the sum over every path, on all ten screens, wherever it can
// be forced: p / N^2 within 1e-12, so that a point's arrows added one by one agree with the
// plotted value, and the a priori bound within the program's limit.
class InterpolatedSumTest : public testing::TestWithParam<Setting> {};

TEST_P(InterpolatedSumTest, AgreesWithTheSumOverEveryPath) {
    const Setting& s = GetParam();
    const PathSet paths = PathsOf(s);
    const std::vector<double> xs = DetectorPoints(s.step);
    const ScreenEngine engine(paths, s.wavelength, xs.size(), Forced(SumMethod::Interpolated));
    EXPECT_LE(engine.ErrorBound(), kMaxInterpolationError);
    if (paths.Count() > 0) {
        EXPECT_LE(engine.Terms(), static_cast<std::size_t>(paths.Count()));
    }
    const double countSquared = static_cast<double>(paths.Count()) * paths.Count();
    double worst = 0.0;
    // The nearest screen (the bound's worst case), the farthest and one between.
    for (double y : {90.0, 40.0, 0.0}) {
        std::vector<double> p(xs.size());
        engine.Compute(y, xs, p);
        const std::vector<double> direct = DirectScreen(paths, s.wavelength, y, xs);
        for (std::size_t i = 0; i < xs.size(); ++i) {
            if (paths.Count() == 0) {
                ASSERT_EQ(p[i], 0.0);
                continue;
            }
            const double error = std::fabs(p[i] - direct[i]) / countSquared;
            ASSERT_LE(error, 1e-12) << "x " << xs[i] << " y " << y << " with " << engine.Terms()
                                    << " nodes for " << paths.Count() << " paths";
            worst = std::max(worst, error);
        }
    }
    char worstText[32];
    std::snprintf(worstText, sizeof worstText, "%.3g", worst);
    RecordProperty("worst_error", worstText);
    RecordProperty("nodes_for_paths",
                   std::to_string(engine.Terms()) + " / " + std::to_string(paths.Count()));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, InterpolatedSumTest,
    testing::Values(
        Setting{"Grating", MirrorPattern::Grating, 10, 10, {50, 0}, 1e-5, 1, 1},
        Setting{"SourceCloseToTheRow", MirrorPattern::Four, 10, 10, {30, 95}, 2e-5, 1, 0.7},
        Setting{
            "FarSourceShortWavelength", MirrorPattern::Grating, 10, 10, {40, -500}, 2e-6, 0.01, 2},
        Setting{"ElementsPartlyOutside", MirrorPattern::Five, 20, 10, {60, 0}, 1e-5, 0.5, 1},
        Setting{"WideSingleMirror", MirrorPattern::Single, 120, 10, {50, 0}, 1e-5, 1, 1},
        Setting{"ShortWavelength", MirrorPattern::Double, 10, 10, {50, 0}, 2e-6, 0.003, 2},
        Setting{"NegativeWavelength", MirrorPattern::Triple, 10, 10, {20, 30}, 1e-5, -0.7, 1},
        Setting{"LongWavelength", MirrorPattern::Single, 60, 10, {50, 0}, 1e-4, 30, 1},
        // Few paths an interval: they are their own nodes.
        Setting{"CoarseResolution", MirrorPattern::Grating, 3, 1, {50, 0}, 0.002, 0.1, 1},
        Setting{"NarrowElements", MirrorPattern::Five, 0.05, 3, {50, 0}, 1e-6, 1, 1},
        Setting{"NoPaths", MirrorPattern::None, 10, 10, {50, 0}, 1e-3, 1, 1}),
    [](const testing::TestParamInfo<Setting>& info) { return std::string(info.param.name); });

// The cost model: the heavy grating is interpolated; where paths are few a wavelength apart,
// or the run has too few points to pay for the weights, the sum over every path stays, and
// then gives the screen kernel's bits.
TEST(ScreenEngine, ChoosesTheCheaperMethod) {
    struct Case {
        Setting setting;
        SumMethod expected;
    };
    const Case cases[] = {
        {{"Heavy", MirrorPattern::Grating, 10, 10, {50, 0}, 1e-5, 1, 0.1}, SumMethod::Interpolated},
        {{"Defaults", MirrorPattern::Single, 10, 10, {50, 0}, 1e-3, 1, 1}, SumMethod::Direct},
        {{"TinyWavelength", MirrorPattern::Grating, 10, 10, {50, 0}, 1e-4, 1e-3, 0.1},
         SumMethod::Direct},
        {{"FewPoints", MirrorPattern::Grating, 10, 10, {50, 0}, 2e-5, 1, 50}, SumMethod::Direct},
    };
    for (const Case& c : cases) {
        const PathSet paths = PathsOf(c.setting);
        const std::vector<double> xs = DetectorPoints(c.setting.step);
        const ScreenEngine engine(paths, c.setting.wavelength, xs.size());
        EXPECT_EQ(engine.Method(), c.expected) << c.setting.name;
        if (engine.Method() == SumMethod::Direct) {
            std::vector<double> p(xs.size());
            engine.Compute(40, xs, p);
            EXPECT_EQ(p, DirectScreen(paths, c.setting.wavelength, 40, xs)) << c.setting.name;
        }
    }
}

// A screen nearer the row than the run's screens is outside the interpolation's bound: it is
// summed over every path.
TEST(ScreenEngine, ScreenNearerThanTheRunsIsSummedOverEveryPath) {
    const Setting s{"Grating", MirrorPattern::Grating, 10, 10, {50, 0}, 2e-5, 1, 1};
    const PathSet paths = PathsOf(s);
    const std::vector<double> xs = DetectorPoints(s.step);
    const ScreenEngine engine(paths, s.wavelength, xs.size(), Forced(SumMethod::Interpolated));
    std::vector<double> p(xs.size());
    engine.Compute(95, xs, p);
    EXPECT_EQ(p, DirectScreen(paths, s.wavelength, 95, xs));
}

// Every way a screen is formed gives the same bits whatever the thread count, the level, or
// how the points are split into calls: node terms a point each lane, node terms and path terms
// in segments (one point over every lane and thread), for a wavelength that needs a division
// and one that does not.
TEST(ScreenEngine, ResultDoesNotDependOnThreadsLevelOrChunks) {
    struct Case {
        Setting setting;
        SumMethod method;
    };
    const Case cases[] = {
        {{"NodesByPoint", MirrorPattern::Grating, 10, 10, {50, 0}, 2e-5, 0.37, 0.7},
         SumMethod::Interpolated},
        {{"NodesBySegment", MirrorPattern::Grating, 10, 10, {50, 0}, 4e-6, 0.005, 3.3},
         SumMethod::Interpolated},
        {{"PathsBySegment", MirrorPattern::Grating, 10, 10, {50, 0}, 1e-5, 0.5, 3.3},
         SumMethod::Direct},
    };
    for (const Case& c : cases) {
        const PathSet paths = PathsOf(c.setting);
        // 143 or 31 points: no block size divides them.
        const std::vector<double> xs = DetectorPoints(c.setting.step);
        const ScreenEngine reference(paths, c.setting.wavelength, xs.size(),
                                     Forced(c.method, KernelLevel::Baseline));
        std::vector<double> expected(xs.size());
        reference.Compute(30, xs, expected, 1);
        for (KernelLevel level : SupportedKernelLevels()) {
            const ScreenEngine engine(paths, c.setting.wavelength, xs.size(),
                                      Forced(c.method, level));
            for (int threads : {1, 2, 3, 0}) {
                std::vector<double> p(xs.size());
                engine.Compute(30, xs, p, threads);
                EXPECT_EQ(p, expected) << c.setting.name << " threads " << threads;
            }
            for (std::size_t chunk : {1, 7, 64}) {
                std::vector<double> p(xs.size());
                for (std::size_t first = 0; first < xs.size(); first += chunk) {
                    const std::size_t n = std::min(chunk, xs.size() - first);
                    engine.Compute(30, std::span(xs).subspan(first, n),
                                   std::span(p).subspan(first, n), 2);
                }
                EXPECT_EQ(p, expected) << c.setting.name << " chunk " << chunk;
            }
        }
    }
}

EngineOptions InLight(const Light& light, std::optional<SumMethod> method,
                      KernelLevel level = BestKernelLevel()) {
    EngineOptions options;
    options.level = level;
    options.method = method;
    options.light = light;
    return options;
}

// Light of the one wavelength at 550 nanometres is the typed wavelength alone: its engine gives
// the monochrome engine's bits, point by point and in segments, over paths and over nodes, on
// every level. White light, whose points take the segments from fewer terms, gives the same bits
// on every level and thread count in each of those ways too.
TEST(WhiteLight, OneWavelengthAt550IsTheMonochromeEngineBitForBit) {
    struct Case {
        Setting setting;
        SumMethod method;
        bool white;  // white light checked too
    };
    const Case cases[] = {
        {{"PathsByPoint", MirrorPattern::Double, 1, 10, {50, 0}, 1e-4, 0.7, 0.7},
         SumMethod::Direct,
         true},
        {{"NodesByPoint", MirrorPattern::Grating, 10, 10, {50, 0}, 2e-5, 0.37, 0.7},
         SumMethod::Interpolated,
         true},
        {{"NodesBySegment", MirrorPattern::Grating, 10, 10, {50, 0}, 4e-6, 0.005, 3.3},
         SumMethod::Interpolated,
         false},
        {{"WhiteNodesBySegment", MirrorPattern::Grating, 10, 10, {50, 0}, 2e-5, 0.3, 3.3},
         SumMethod::Interpolated,
         true},
        {{"PathsBySegment", MirrorPattern::Grating, 10, 10, {50, 0}, 1e-5, 0.5, 3.3},
         SumMethod::Direct,
         true},
    };
    const Light at550{{kTypedNanometres}};
    for (const Case& c : cases) {
        const PathSet paths = PathsOf(c.setting);
        const std::vector<double> xs = DetectorPoints(c.setting.step);
        std::vector<double> white(xs.size() * kWhiteWavelengths);
        if (c.white) {
            ScreenEngine(paths, c.setting.wavelength, xs.size(),
                         InLight(WhiteLight(), c.method, KernelLevel::Baseline))
                .ComputeSpectrum(30, xs, white, 1);
        }
        for (KernelLevel level : SupportedKernelLevels()) {
            const ScreenEngine mono(paths, c.setting.wavelength, xs.size(),
                                    Forced(c.method, level));
            const ScreenEngine one(paths, c.setting.wavelength, xs.size(),
                                   InLight(at550, c.method, level));
            std::vector<double> expected(xs.size());
            std::vector<double> p(xs.size());
            mono.Compute(30, xs, expected);
            one.ComputeSpectrum(30, xs, p);
            EXPECT_EQ(one.Terms(), mono.Terms()) << c.setting.name;
            EXPECT_EQ(p, expected) << c.setting.name << " level " << static_cast<int>(level);
            if (c.white) {
                const ScreenEngine inWhite(paths, c.setting.wavelength, xs.size(),
                                           InLight(WhiteLight(), c.method, level));
                std::vector<double> q(white.size());
                inWhite.ComputeSpectrum(30, xs, q, 2);
                EXPECT_EQ(q, white)
                    << c.setting.name << " white, level " << static_cast<int>(level);
                // A first look at a few of the wavelengths gives each of them as the whole
                // spectrum does.
                const std::vector<std::size_t> some = PreviewWavelengths(kWhiteWavelengths);
                std::vector<double> few(xs.size() * some.size());
                inWhite.ComputeSpectrum(30, xs, few, some, 2);
                for (std::size_t i = 0; i < xs.size(); ++i) {
                    for (std::size_t k = 0; k < some.size(); ++k) {
                        ASSERT_EQ(few[i * some.size() + k], white[i * kWhiteWavelengths + some[k]])
                            << c.setting.name << " x " << xs[i] << " wavelength " << some[k];
                    }
                }
            }
        }
    }
}

// Each wavelength of white light, summed over the same paths, is the monochrome sum at that
// wavelength (WavelengthAt), and the white value the mean of the 31: to 1e-11 in p / N^2, the
// rounding of a turn in the longest path's hundreds of turns, whichever sum the cost model
// chooses for the spectrum.
class WhiteLightTest : public testing::TestWithParam<std::pair<Setting, SumMethod>> {};

TEST_P(WhiteLightTest, EveryWavelengthAndTheWhiteValueAreTheMonochromeSums) {
    const auto& [s, method] = GetParam();
    const PathSet paths = PathsOf(s);
    const std::vector<double> xs = DetectorPoints(s.step);
    const ScreenEngine engine(paths, s.wavelength, xs.size(), InLight(WhiteLight(), std::nullopt));
    EXPECT_EQ(engine.Method(), method);
    const Spectrum spectrum(WhiteLight());
    const double countSquared = static_cast<double>(paths.Count()) * paths.Count();
    for (double y : {90.0, 0.0}) {
        std::vector<double> p(xs.size() * kWhiteWavelengths);
        engine.ComputeSpectrum(y, xs, p);
        std::vector<double> mean(xs.size(), 0.0);
        for (std::size_t j = 0; j < kWhiteWavelengths; ++j) {
            const double wavelength = WavelengthAt(s.wavelength, spectrum.Nanometres()[j]);
            const std::vector<double> direct = DirectScreen(paths, wavelength, y, xs);
            for (std::size_t i = 0; i < xs.size(); ++i) {
                ASSERT_NEAR(p[i * kWhiteWavelengths + j] / countSquared, direct[i] / countSquared,
                            1e-11)
                    << "x " << xs[i] << " y " << y << " at " << spectrum.Nanometres()[j] << " nm";
                mean[i] += direct[i] / kWhiteWavelengths;
            }
        }
        for (std::size_t i = 0; i < xs.size(); ++i) {
            const WhitePoint white =
                spectrum.At(std::span(p).subspan(i * kWhiteWavelengths, kWhiteWavelengths));
            ASSERT_NEAR(white.p / countSquared, mean[i] / countSquared, 1e-11) << "x " << xs[i];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, WhiteLightTest,
    testing::Values(
        std::pair(Setting{"Defaults", MirrorPattern::Single, 10, 10, {50, 0}, 1e-3, 1, 1},
                  SumMethod::Direct),
        std::pair(Setting{"TwoSlits", MirrorPattern::Double, 1, 10, {50, 0}, 1e-4, 1, 0.25},
                  SumMethod::Interpolated),
        std::pair(Setting{"Grating", MirrorPattern::Grating, 10, 10, {50, 0}, 1e-5, 1, 2},
                  SumMethod::Interpolated),
        std::pair(
            Setting{"NegativeWavelength", MirrorPattern::Triple, 10, 10, {20, 30}, 1e-4, -0.7, 1},
            SumMethod::Interpolated)),
    [](const auto& info) { return std::string(info.param.first.name); });

// Equal power at every wavelength is white: r = g = b = p; one wavelength is its own white
// value and its own grey, bit for bit; a wavelength the colour-matching table does not cover
// is refused.
TEST(Spectrum, EqualPowerIsNeutralAndOneWavelengthItsOwnGrey) {
    const Spectrum white(WhiteLight());
    const std::vector<double> equal(kWhiteWavelengths, 2.5);
    const WhitePoint neutral = white.At(equal);
    EXPECT_DOUBLE_EQ(neutral.p, 2.5);
    EXPECT_NEAR(neutral.colour.r, 2.5, 1e-12);
    EXPECT_NEAR(neutral.colour.g, 2.5, 1e-12);
    EXPECT_NEAR(neutral.colour.b, 2.5, 1e-12);
    EXPECT_EQ(white.MostTurnsRatio(), 550.0 / 400.0);

    for (const double nanometres : {550.0, 700.0, 380.0}) {
        const Spectrum one(Light{{nanometres}});
        const double p = 0.1 + 0.2;  // not a round number
        EXPECT_EQ(one.At(std::vector<double>{p}).p, p);
        EXPECT_EQ(one.At(std::vector<double>{p}).colour, (LinearRgb{p, p, p})) << nanometres;
    }
    for (const double nanometres : {379.0, 781.0, std::nan("")}) {
        EXPECT_THROW(Spectrum(Light{{400.0, nanometres}}), std::invalid_argument) << nanometres;
    }
}

// The arrows of one point, added one by one in path order, give the screen kernel's p bit for
// bit: at the frame's edges and inside, near and far screens, a wavelength that needs a
// division and one that does not, and a path count no vector width divides.
TEST(ArrowsAtPoint, AddUpToTheScreenKernelsSum) {
    const Setting s{"Grating", MirrorPattern::Grating, 10, 10, {35, 10}, 0.00037, 1, 1};
    const PathSet paths = PathsOf(s);
    ASSERT_NE(paths.Count() % 8, 0);
    const std::vector<double> xs = {0.0, 13.7, 50.0, 99.9, 100.0};
    for (double wavelength : {0.37, 0.5}) {
        for (double y : {0.0, 90.0}) {
            const std::vector<double> p = DirectScreen(paths, wavelength, y, xs);
            for (std::size_t i = 0; i < xs.size(); ++i) {
                std::vector<double> c(paths.Count());
                std::vector<double> s(paths.Count());
                ArrowsAtPoint(paths, wavelength, y, xs[i], c, s);
                double cosSum = 0.0;
                double sinSum = 0.0;
                for (int j = 0; j < paths.Count(); ++j) {
                    cosSum += c[j];
                    sinSum += s[j];
                }
                EXPECT_EQ(cosSum * cosSum + sinSum * sinSum, p[i])
                    << "x " << xs[i] << " y " << y << " wavelength " << wavelength;
            }
        }
    }
}

}  // namespace
}  // namespace pathsum
