#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "EnginePaths.h"
#include "Field.h"
#include "Limits.h"
#include "ScreenEngine.h"
#include "WhiteLight.h"

namespace pathsum {
namespace {

struct FieldSetting {
    const char* name;
    MirrorPattern pattern;
    double width;
    double spacing;
    SourcePoint source;  // after the far-source rule
    double resolution;
    double wavelength;
    bool nearBandsInterpolated;  // the settings the near bands must pay off for
};

void PrintTo(const FieldSetting& c, std::ostream* out) {
    *out << c.name;
}

PathSet PathsOf(const FieldSetting& s) {
    return PathsFor(InputsFor(s.source, s.resolution), RowFor(s.pattern, s.width, s.spacing));
}

// The field's engine planned for a whole view of 400 x 400 pixels, as the benchmark plans it.
constexpr double kViewPixels = 160000.0;
constexpr std::size_t kRunPoints = 101;

class FieldAccuracyTest : public testing::TestWithParam<FieldSetting> {};

// The cosine and sine sums of the arrows of every path at (x, y), added in path order.
std::pair<double, double> SumOfArrows(const PathSet& paths, double wavelength, double x, double y) {
    std::vector<double> c(static_cast<std::size_t>(paths.Count()));
    std::vector<double> s(c.size());
    ArrowsAtPoint(paths, wavelength, y, x, c, s);
    std::pair<double, double> sum{0.0, 0.0};
    for (std::size_t j = 0; j < c.size(); ++j) {
        sum.first += c[j];
        sum.second += s[j];
    }
    return sum;
}

// Every line, from a hair below the row to the far edge of the plot, within 1e-12 of the sum
// over every path in p / N^2, each band's a priori bound within the program's limit; where the
// paths are many a wavelength the near bands are interpolated, not summed over every path. The
// sum itself, kept beside p, has the phase of the sum over every path (the interpolation drops
// no common factor) within 1e-12 of N, and asking for it leaves p as it was, bit for bit.
TEST_P(FieldAccuracyTest, EveryLineAgreesWithTheSumOverEveryPath) {
    const FieldSetting& s = GetParam();
    const PathSet paths = PathsOf(s);
    ASSERT_GT(paths.Count(), 0);
    FieldEngine engine(paths, s.wavelength, kRunPoints, kViewPixels);
    const std::vector<double> xs = {0.3, 27.1, 50.0, 63.3, 99.7};
    const double count = paths.Count();
    const double countSquared = count * count;
    double worst = 0.0;
    double worstSum = 0.0;
    for (double y : {99.995, 99.99, 99.93, 99.6, 98.9, 97.0, 93.5, 91.0, 60.0, 0.4}) {
        const ScreenEngine& line = engine.Ready(y);
        EXPECT_LE(line.ErrorBound(), kMaxInterpolationError) << "y " << y;
        if (s.nearBandsInterpolated && y > 99.5 && y < 99.9) {
            EXPECT_EQ(line.Method(), SumMethod::Interpolated) << "y " << y;
        }
        std::vector<double> p(xs.size());
        std::vector<double> re(xs.size());
        std::vector<double> im(xs.size());
        line.Compute(y, xs, p, re, im);
        std::vector<double> pAlone(xs.size());
        line.Compute(y, xs, pAlone);
        EXPECT_EQ(p, pAlone) << "y " << y;
        const std::vector<double> direct = DirectScreen(paths, s.wavelength, y, xs);
        for (std::size_t i = 0; i < xs.size(); ++i) {
            const std::string at = "x " + std::to_string(xs[i]) + " y " + std::to_string(y) +
                                   " with " + std::to_string(line.Terms()) + " terms for " +
                                   std::to_string(paths.Count()) + " paths";
            const double error = std::fabs(p[i] - direct[i]) / countSquared;
            EXPECT_LE(error, 1e-12) << at;
            worst = std::max(worst, error);
            EXPECT_EQ(p[i], re[i] * re[i] + im[i] * im[i]) << at;
            const auto [c, sine] = SumOfArrows(paths, s.wavelength, xs[i], y);
            const double sumError = std::max(std::fabs(re[i] - c), std::fabs(im[i] - sine)) / count;
            EXPECT_LE(sumError, 1e-12) << at;
            worstSum = std::max(worstSum, sumError);
        }
    }
    char worstText[32];
    std::snprintf(worstText, sizeof worstText, "%.3g", worst);
    RecordProperty("worst_error", worstText);
    std::snprintf(worstText, sizeof worstText, "%.3g", worstSum);
    RecordProperty("worst_sum_error", worstText);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, FieldAccuracyTest,
    testing::Values(
        FieldSetting{"HeavyGrating", MirrorPattern::Grating, 10, 10, {50, 0}, 1e-5, 1, true},
        FieldSetting{"SourceCloseToTheRow", MirrorPattern::Four, 10, 10, {30, 95}, 2e-5, 1, true},
        FieldSetting{"FarSource", MirrorPattern::Grating, 10, 10, {40, -500}, 2e-6, 0.5, true},
        FieldSetting{"ShortWavelength", MirrorPattern::Double, 10, 10, {50, 0}, 2e-6, 0.003, false},
        FieldSetting{
            "NegativeWavelength", MirrorPattern::Triple, 10, 10, {20, 30}, 1e-5, -0.7, true},
        FieldSetting{"Defaults", MirrorPattern::Single, 10, 10, {50, 0}, 1e-3, 1, false}),
    [](const testing::TestParamInfo<FieldSetting>& info) { return std::string(info.param.name); });

// On a screen's line the field is the run's screen, bit for bit, whether the run interpolated
// or summed over every path.
TEST(FieldEngine, OnAScreensLineGivesTheScreensBits) {
    for (const FieldSetting& s :
         {FieldSetting{"Interpolated", MirrorPattern::Grating, 10, 10, {50, 0}, 1e-5, 1, true},
          FieldSetting{"Direct", MirrorPattern::Single, 10, 10, {50, 0}, 1e-3, 1, false}}) {
        const PathSet paths = PathsOf(s);
        const std::vector<double> xs = DetectorPoints(1.0);
        const ScreenEngine run(paths, s.wavelength, xs.size());
        FieldEngine field(paths, s.wavelength, xs.size(), kViewPixels);
        for (double y : {90.0, 40.0, 0.0}) {
            std::vector<double> screen(xs.size());
            std::vector<double> line(xs.size());
            run.Compute(y, xs, screen);
            field.Ready(y).Compute(y, xs, line);
            EXPECT_EQ(line, screen) << s.name << " y " << y;
        }
    }
}

// Coarse to fine, every pixel once: the finished refinement holds at each pixel the engine's
// own value there (p and the sum; in white light the white value and the colour, after a first
// look at a few wavelengths), whatever the calls it took, for grids no stride divides; one made
// in the room of another starts from nothing all the same.
TEST(FieldRefinement, EndsWithEveryPixelsOwnValue) {
    const FieldSetting s{"Grating", MirrorPattern::Grating, 3, 2, {35, 20}, 1e-4, 0.7, false};
    FieldRefinement::Room room;
    for (const Light& light : {Light{}, WhiteLight()}) {
        // White light costs its wavelengths a pixel: fewer paths, a smaller grid.
        FieldSetting setting = s;
        setting.resolution *= light.Spectral() ? 10.0 : 1.0;
        const int columns = light.Spectral() ? 67 : 131;
        const PathSet paths = PathsOf(setting);
        EngineOptions options;
        options.light = light;
        const Spectrum spectrum(light);
        for (const FieldGrid grid :
             {FieldGrid{FieldView{}, columns, 97}, FieldGrid{{20.0, 80.0, 15.0, 15.0}, 1, 70}}) {
            FieldEngine engine(paths, s.wavelength, kRunPoints, static_cast<double>(grid.Pixels()),
                               options);
            FieldRefinement refinement(engine, grid, FieldRefinement::kFirstPixels,
                                       std::move(room));
            ASSERT_EQ(refinement.P().size(), grid.Pixels());
            for (const auto sums : {refinement.P(), refinement.Re(), refinement.Im()}) {
                EXPECT_TRUE(std::ranges::all_of(sums, [](double v) { return v == 0.0; }));
            }
            bool firstPictureBeforeTheEnd = false;
            bool preview = false;
            while (!refinement.Refine(FieldRefinement::Clock::now())) {
                firstPictureBeforeTheEnd =
                    firstPictureBeforeTheEnd || refinement.FinishedStride() > 1;
                preview = preview || refinement.Preview();
            }
            EXPECT_TRUE(firstPictureBeforeTheEnd || refinement.FirstStride() == 1);
            EXPECT_EQ(preview, light.Spectral()) << "a first look at a few wavelengths";
            EXPECT_FALSE(refinement.Preview());
            EXPECT_EQ(refinement.Progress(), 1.0);
            EXPECT_EQ(refinement.FinishedStride(), 1);
            EXPECT_EQ(refinement.Colours().empty(), !light.Spectral());
            EXPECT_EQ(refinement.Re().empty(), light.Spectral());
            for (int k = 0; k < grid.rows; ++k) {
                std::vector<double> xs(static_cast<std::size_t>(grid.columns));
                for (int i = 0; i < grid.columns; ++i) {
                    xs[static_cast<std::size_t>(i)] = grid.X(i);
                }
                const std::size_t first = static_cast<std::size_t>(k) * xs.size();
                const ScreenEngine& line = engine.Ready(grid.Y(k));
                if (light.Spectral()) {
                    std::vector<double> p(xs.size() * spectrum.Size());
                    line.ComputeSpectrum(grid.Y(k), xs, p);
                    for (std::size_t i = 0; i < xs.size(); ++i) {
                        const WhitePoint white =
                            spectrum.At(std::span(p).subspan(i * spectrum.Size(), spectrum.Size()));
                        ASSERT_EQ(refinement.P()[first + i], white.p) << "row " << k;
                        ASSERT_EQ(refinement.Colours()[first + i], white.colour) << "row " << k;
                    }
                    continue;
                }
                std::vector<double> p(xs.size());
                std::vector<double> re(xs.size());
                std::vector<double> im(xs.size());
                line.Compute(grid.Y(k), xs, p, re, im);
                const auto row = [&](std::span<const double> all) {
                    const auto part = all.subspan(first, xs.size());
                    return std::vector<double>(part.begin(), part.end());
                };
                ASSERT_EQ(row(refinement.P()), p) << "row " << k;
                ASSERT_EQ(row(refinement.Re()), re) << "row " << k;
                ASSERT_EQ(row(refinement.Im()), im) << "row " << k;
            }
            room = std::move(refinement).TakeRoom();
        }
    }
}

// Fringes are finest where the lit part of the row looks widest: finer than two pixels near the
// row only, for a short wavelength everywhere, never for a single path.
TEST(FieldAliasing, SaysWhereTheFringesAreFinerThanThePixels) {
    struct Case {
        double hitLow;
        double hitHigh;
        double wavelength;
        FieldGrid grid;
        bool all;   // every row aliases
        bool none;  // no row does
    };
    const Case cases[] = {
        {45, 55, 1.2, {FieldView{}, 400, 400}, false, true},
        {45, 55, 0.3, {FieldView{}, 400, 400}, false, false},
        {0, 100, 0.01, {FieldView{}, 400, 400}, true, false},
        {0, 100, 0.01, {{50, 40, 0.5, 0.5}, 400, 400}, false, true},
        {50, 50, 0.01, {FieldView{}, 400, 400}, false, true},
    };
    for (const Case& c : cases) {
        const FieldAliasing a = AliasingOf(c.grid, c.hitLow, c.hitHigh, c.wavelength);
        EXPECT_EQ(a.rows == c.grid.rows, c.all) << c.wavelength << " " << c.grid.view.width;
        EXPECT_EQ(a.rows == 0, c.none) << c.wavelength << " " << c.grid.view.width;
        if (!c.all && !c.none) {
            // The aliasing rows are the nearest ones, the finest spacing below two pixels.
            EXPECT_DOUBLE_EQ(a.withinDistance, (a.rows - 0.5) * c.grid.view.height / c.grid.rows);
            EXPECT_LT(a.nearestSpacing, 2.0 * a.pixel);
        }
    }
    EXPECT_NEAR(FinestFringeSpacing(0, 100, 1, 0, 100, 1e-9), 0.5, 1e-6) << "waves meeting head on";
}

}  // namespace
}  // namespace pathsum
