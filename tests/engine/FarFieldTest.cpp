// The program against physics: the sum over paths where the textbook holds, and the textbook's
// prediction (FarField) against its own definition.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "ExperimentSettings.h"
#include "FarField.h"
#include "PathEngine.h"
#include "RunPlan.h"
#include "WhiteLight.h"

namespace pathsum {
namespace {

// A run's plan from the window's texts, as a run makes it.
struct RunTexts {
    const char* pattern;  // the caption's last word
    const char* width;
    const char* spacing;
    const char* wavelength;
    const char* resolution;
    SourcePoint marker;
};

ExperimentSettings SettingsOf(const RunTexts& s) {
    SettingsTexts texts;
    texts.patternCaption = std::string("Mirror Number ") + s.pattern;
    texts.width = s.width;
    texts.spacing = s.spacing;
    texts.wavelength = s.wavelength;
    texts.resolution = s.resolution;
    return ReadExperimentSettings(texts, s.marker);
}

RunPlan PlanOf(const RunTexts& s) {
    auto planned = PlanRun(SettingsOf(s));
    EXPECT_TRUE(std::holds_alternative<RunPlan>(planned));
    return std::get<RunPlan>(std::move(planned));
}

FarField TheoryOf(const RunPlan& plan) {
    const auto theory = FarField::Of(plan.settings, plan.row);
    EXPECT_TRUE(theory.has_value());
    return *theory;
}

// p / N^2 at the detector points, from the screen kernel.
std::vector<double> Computed(const RunPlan& plan, double distance, const std::vector<double>& xs) {
    std::vector<double> p(xs.size());
    ComputeScreen(plan.paths, plan.settings.wavelength, DistanceFromRow(distance), xs, p);
    const double n = plan.paths.Count();
    for (double& value : p) {
        value /= n * n;
    }
    return p;
}

std::vector<double> Points(double from, double to, double step) {
    std::vector<double> xs;
    for (int i = 0; from + i * step <= to; ++i) {
        xs.push_back(from + i * step);
    }
    return xs;
}

// The x of the largest computed value between `from` and `to` on a screen, refined by the
// parabola through it and its neighbours.
double PeakBetween(const RunPlan& plan, double distance, double from, double to) {
    const double step = (to - from) / 400;
    const std::vector<double> xs = Points(from, to, step);
    const std::vector<double> p = Computed(plan, distance, xs);
    std::size_t best = 1;
    for (std::size_t i = 1; i + 1 < p.size(); ++i) {
        best = p[i] > p[best] ? i : best;
    }
    const double bend = p[best - 1] - 2 * p[best] + p[best + 1];
    return xs[best] + 0.5 * step * (p[best - 1] - p[best + 1]) / bend;
}

// Parallel light from far below (the far-source rule puts a marker at y = -10 1100 below the
// row), narrow elements, the farthest screen: the far field, where the textbook holds.
TEST(TextbookPhysics, TwoSlitMaximaStandWhereTheGratingEquationPutsThem) {
    // d = 2, lambda = 0.2: F = 0.066 on the farthest screen. The slits are narrow (a tenth of
    // d wide: their envelope pulls the fourth order 0.1% inwards; 0.2 wide, 0.45%).
    const RunPlan plan = PlanOf({"Double", ".1", "1.9", ".2", "2e-6", {50, -10}});
    const double d = 2.0;
    const double lambda = 0.2;
    const double distance = 100.0;
    for (int m : {-4, -3, -2, -1, 1, 2, 3, 4}) {
        const double expected = distance * std::tan(std::asin(m * lambda / d));
        const double fringe = lambda * distance / d;
        const double found =
            PeakBetween(plan, distance, 50 + expected - fringe / 4, 50 + expected + fringe / 4) -
            50;
        EXPECT_NEAR(found, expected, 0.005 * std::fabs(expected)) << "order " << m;
    }
}

TEST(TextbookPhysics, OneSlitHasItsSideLobeAtTheTextbooksHeightAndItsIntegralIsLambdaOverA) {
    {
        // a = 1, lambda = 0.1, the source 10100 below the row: F = 0.025 on the farthest screen.
        const RunPlan plan = PlanOf({"Single", "1", "10", ".1", "1e-6", {50, -100}});
        const double centre = Computed(plan, 100, {50.0})[0];
        // sinc^2 has its first side lobe at a sin(theta) = 1.4303 lambda, 0.04719 of the centre.
        const double sine = 1.4303 * 0.1;
        const double x = PeakBetween(plan, 100, 50 + 100 * std::tan(std::asin(sine)) - 2,
                                     50 + 100 * std::tan(std::asin(sine)) + 2);
        const double lobe = Computed(plan, 100, {x})[0];
        EXPECT_NEAR(centre, 1.0, 0.005);
        EXPECT_NEAR(lobe / centre, 0.04719, 0.0015);
    }
    {
        // a = 1, lambda = 0.01: the pattern's tails beyond the plot's edge hold 0.2% of it.
        const RunPlan plan = PlanOf({"Single", "1", "10", ".01", "2e-6", {50, -10}});
        const double distance = 100.0;
        const std::vector<double> xs = Points(0, 100, 0.02);
        const std::vector<double> p = Computed(plan, distance, xs);
        double integral = 0.0;
        for (std::size_t i = 1; i < xs.size(); ++i) {
            const auto sine = [&](double x) { return (x - 50) / std::hypot(x - 50, distance); };
            integral += 0.5 * (p[i] + p[i - 1]) * (sine(xs[i]) - sine(xs[i - 1]));
        }
        EXPECT_NEAR(integral, 0.01 / 1.0, 0.01 * 0.01);
    }
}

// Only lengths in wavelengths count: every length and the wavelength doubled (about the row's
// centre, where the source stands) give the same pattern.
TEST(TextbookPhysics, DoublingEveryLengthAndTheWavelengthGivesTheSamePattern) {
    const RunPlan small = PlanOf({"Triple", "1", "2", ".5", "1e-4", {50, 60}});
    const RunPlan large = PlanOf({"Triple", "2", "4", "1", "1e-4", {50, 20}});
    ASSERT_EQ(small.paths.Count(), large.paths.Count());
    std::vector<double> xsSmall;
    std::vector<double> xsLarge;
    for (double offset : {0.0, 0.7, 3.0, -5.5, 12.0, 24.0}) {
        xsSmall.push_back(50 + offset);
        xsLarge.push_back(50 + 2 * offset);
    }
    const std::vector<double> a = Computed(small, 30, xsSmall);
    const std::vector<double> b = Computed(large, 60, xsLarge);
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(a[i], b[i], 1e-9) << "at offset " << xsSmall[i] - 50;
    }
}

// The textbook's pattern and the sum over paths: within a few percent of the peak on a far
// screen with a far source and narrow elements (F < 0.1), far apart near the row (F > 3).
TEST(TextbookPhysics, TheSumAgreesWithThePredictionInTheFarFieldOnly) {
    struct Case {
        RunTexts setup;
        double distance;
        bool far;  // F < 0.1, else F > 3
    };
    const Case cases[] = {
        {{"Five", ".2", ".35", ".2", "2e-6", {50, -10}}, 100, true},
        {{"Double", ".2", "1.8", ".2", "2e-6", {50, -10}}, 70, true},
        {{"Double", "1", "10", "1", "1e-4", {50, 0}}, 10, false},
        {{"Single", "30", "10", "1", "1e-5", {50, -10}}, 50, false},
    };
    for (const Case& c : cases) {
        const RunPlan plan = PlanOf(c.setup);
        const FarField theory = TheoryOf(plan);
        const double fresnel = *theory.FresnelNumber(c.distance);
        const std::vector<double> xs = Points(0, 100, 0.1);
        const std::vector<double> p = Computed(plan, c.distance, xs);
        std::vector<double> predicted(xs.size());
        theory.PredictScreen(DistanceFromRow(c.distance), xs, predicted);
        double largest = 0.0;
        for (std::size_t i = 0; i < xs.size(); ++i) {
            largest = std::max(largest, std::fabs(p[i] - predicted[i]));
        }
        if (c.far) {
            EXPECT_LT(fresnel, 0.1) << c.setup.pattern;
            EXPECT_LT(largest, 0.03) << c.setup.pattern;
        } else {
            EXPECT_GT(fresnel, 3) << c.setup.pattern;
            EXPECT_GT(largest, 0.3) << c.setup.pattern;
        }
    }
}

// The closed form against the integral of its definition, summed numerically (Simpson's rule,
// in long double) over each element clipped to the plot.
TEST(FarFieldPrediction, EqualsTheIntegralOfItsDefinition) {
    struct Case {
        RunTexts setup;
        std::vector<std::pair<double, double>> points;  // (x, y)
    };
    const Case cases[] = {
        {{"Single", "10", "10", "1", ".001", {50, 0}}, {{50, 0}, {53, 0}, {70, 50}, {0, 90}}},
        {{"Double", "1", "10", "1", ".001", {50, 0}}, {{55.5, 0}, {61, 0}, {100, 80}}},
        {{"Triple", "2", "3", ".5", ".001", {50, 0}}, {{51, 0}, {80, 20}}},
        {{"Four", ".5", "1", ".1", ".001", {50, 0}}, {{50.3, 0}, {60, 40}}},
        {{"Five", "1", "3", "1", ".001", {50, 0}}, {{62.5, 0}, {75, 30}, {3, 60}}},
        // Four elements, the last cut at the plot's edge (99 to 100 of 99 to 129).
        {{"Grating", "30", "3", "1", ".001", {50, 0}}, {{50, 0}, {47, 10}, {90, 50}}},
        {{"Grating", "1", "1", ".5", ".001", {50, 0}}, {{49, 0}, {51.3, 20}}},
        // An off-centre source, a far one, a mirror wider than the plot.
        {{"Five", "2", "3", "1", ".001", {20, 30}}, {{80, 0}, {81, 0}, {10, 50}}},
        {{"Double", "1", "5", "1", ".001", {40, -5}}, {{50, 0}, {93, 0}}},
        {{"Single", "120", "10", "1", ".001", {50, 0}}, {{52, 0}, {60, 50}}},
        // q = 0 and a q of 1e-10: every arrow in step.
        {{"Five", "1", "3", "1", ".001", {50, 0}}, {{50, 0}, {50 + 1e-8, 0}}},
    };
    for (const Case& c : cases) {
        const RunPlan plan = PlanOf(c.setup);
        const FarField theory = TheoryOf(plan);
        const ElementRow& row = plan.row;
        const double lambda = plan.settings.wavelength;
        const SourcePoint s = plan.settings.source;
        // The lit row as the definition reads.
        std::vector<std::pair<double, double>> lit;
        for (double left : row.leftEdges) {
            const double a = std::max(left, 0.0);
            const double b = std::min(left + row.width, 100.0);
            if (b > a) {
                lit.emplace_back(a, b);
            }
        }
        const double centre = 0.5 * (lit.front().first + lit.back().second);
        long double width = 0;
        for (const auto& [a, b] : lit) {
            width += b - a;
        }
        for (const auto& [x, y] : c.points) {
            const double q = (centre - s.x) / std::hypot(centre - s.x, 100 - s.y) +
                             (centre - x) / std::hypot(centre - x, 100 - y);
            const long double k = 2 * 3.141592653589793238462643383279503L * q / lambda;
            std::complex<long double> sum = 0;
            for (const auto& [a, b] : lit) {
                const int n = 2 * static_cast<int>(200 + 8 * std::fabs(k) * (b - a));
                const long double h = (b - a) / static_cast<long double>(n);
                for (int i = 0; i <= n; ++i) {
                    const long double weight = (i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2);
                    sum += weight * h / 3 * std::polar(1.0L, k * (a + i * h - centre));
                }
            }
            const double expected = static_cast<double>(std::norm(sum) / (width * width));
            const auto predicted = theory.PredictionAt(x, y);
            ASSERT_TRUE(predicted.has_value());
            EXPECT_NEAR(*predicted, expected, 1e-9)
                << c.setup.pattern << " " << c.setup.width << " at " << x << ", " << y;
            EXPECT_NEAR(*theory.Q(x, y), q, 1e-15);
        }
    }
}

// Dark where a q = m lambda for one element of width a; on the envelope at the orders
// d q = m lambda of several, dark between them where the n arrows close into a polygon.
TEST(FarFieldPrediction, IsDarkAtTheSlitsZerosAndOnTheEnvelopeAtTheOrders) {
    struct Case {
        RunTexts setup;
        double q;
        double expected;  // < 0: the single element's envelope sinc^2(pi w q / lambda)
    };
    constexpr double kEnvelope = -1;
    const Case cases[] = {
        {{"Single", "10", "10", "1", ".001", {50, 0}}, 0.1, 0},
        {{"Single", "10", "10", "1", ".001", {50, 0}}, -0.3, 0},
        {{"Single", "2.5", "10", ".5", ".001", {50, 0}}, 0.6, 0},
        {{"Double", "1", "3", "1", ".001", {50, 0}}, 0.25, kEnvelope},
        {{"Double", "1", "3", "1", ".001", {50, 0}}, 0.125, 0},
        {{"Five", "1", "3", "1", ".001", {50, 0}}, 0.5, kEnvelope},
        {{"Five", "1", "3", "1", ".001", {50, 0}}, -0.75, kEnvelope},
        {{"Five", "1", "3", "1", ".001", {50, 0}}, 0.05, 0},
        {{"Five", "1", "3", "1", ".001", {50, 0}}, 0.55, 0},
        // A hundred elements: the closed form's 0/0 at an order far from q = 0, and the first
        // dark place beside it, lambda / (100 d) away.
        {{"Grating", ".3", ".7", ".1", ".001", {50, 0}}, 0.2, kEnvelope},
        {{"Grating", ".3", ".7", ".1", ".001", {50, 0}}, 0.201, 0},
    };
    for (const Case& c : cases) {
        const RunPlan plan = PlanOf(c.setup);
        const FarField theory = TheoryOf(plan);
        const double w = plan.row.width;
        const double u = 3.141592653589793 * w * c.q / plan.settings.wavelength;
        const double expected = c.expected == kEnvelope ? std::pow(std::sin(u) / u, 2) : c.expected;
        EXPECT_NEAR(theory.Prediction(c.q), expected, 1e-12) << c.setup.pattern << " q " << c.q;
    }
}

// In white light the prediction is the mean of its wavelengths' predictions, as the white value
// is: a dark place of one wavelength is not dark, the middle stays 1.
TEST(FarFieldPrediction, InWhiteLightIsTheMeanOverTheSpectrum) {
    RunPlan plan = PlanOf({"Double", "1", "3", "1", ".001", {50, 0}});
    plan.settings.light = WhiteLight();
    const FarField white = TheoryOf(plan);
    double sum = 0.0;
    for (const double nanometres : plan.settings.light.nanometres) {
        ExperimentSettings one = plan.settings;
        one.light = {};
        one.wavelength = WavelengthAt(plan.settings.wavelength, nanometres);
        sum += FarField::Of(one, plan.row)->Prediction(0.125);
    }
    EXPECT_NEAR(white.Prediction(0.125), sum / 31.0, 1e-12);
    EXPECT_GT(white.Prediction(0.125), 0.01);  // the typed wavelength's first dark place
    EXPECT_EQ(white.Prediction(0.0), 1.0);
}

TEST(FarFieldPrediction, FresnelNumbersAndTheirWords) {
    struct Case {
        RunTexts setup;
        double distance;
        std::optional<double> fresnel;
        const char* caption;
    };
    const Case cases[] = {
        // a = 6 (44 to 56); L_S = 100.
        {{"Double", "1", "10", "1", ".001", {50, 0}}, 100, 0.72, "F=0.72 between"},
        {{"Double", "1", "10", "1", ".001", {50, 0}}, 10, 3.96, "F=4.0 near"},
        // a = 1.6, the source 1100 below the row.
        {{"Five", ".2", ".55", ".1", ".001", {50, -10}},
         100,
         2.56 * (0.01 + 1 / 1100.0) / 0.1,
         "F=0.28 far"},
        // A mirror wider than the plot: a = 50. A negative wavelength counts by its size.
        {{"Single", "120", "10", "1", ".001", {50, 0}}, 50, 75, "F=75 near"},
        {{"Single", "10", "10", "-1", ".001", {50, 0}}, 100, 0.5, "F=0.50 between"},
        // A grating to the plot's edge, its last element cut: a = 50.
        {{"Grating", "30", "3", "2", ".001", {50, -1}}, 20, 2500 * (0.05 + 0.005) / 2, "F=69 near"},
        // No number where a distance is not above 0: a source above the row, a point on it.
        {{"Single", "10", "10", "1", ".001", {50, 120}}, 50, std::nullopt, ""},
        {{"Single", "10", "10", "1", ".001", {50, 0}}, 0, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        const FarField theory = TheoryOf(PlanOf(c.setup));
        const auto fresnel = theory.FresnelNumber(c.distance);
        ASSERT_EQ(fresnel.has_value(), c.fresnel.has_value()) << c.setup.pattern;
        if (fresnel) {
            EXPECT_NEAR(*fresnel, *c.fresnel, 1e-12 * *c.fresnel) << c.setup.pattern;
            EXPECT_EQ(FresnelCaption(*fresnel), c.caption);
        }
    }
    EXPECT_EQ(RegimeOf(0.2999), Regime::Far);
    EXPECT_EQ(RegimeOf(0.3), Regime::Between);
    EXPECT_EQ(RegimeOf(3.0), Regime::Between);
    EXPECT_EQ(RegimeOf(3.0001), Regime::Near);
}

// The lines over the field: an order's line is where every element's arrow is in step (the
// prediction on it is the envelope's), numbered + towards +x for a source straight below; a
// mirror's specular line has q = 0, and its beam's edges come from the source's mirror image.
TEST(FarFieldPrediction, GuideLinesFollowTheOrdersAndTheLawOfReflection) {
    for (const SourcePoint marker : {SourcePoint{50, -10}, SourcePoint{70, 20}}) {
        const FarField theory = TheoryOf(PlanOf({"Five", ".3", ".7", ".25", ".001", marker}));
        const std::vector<GuideLine> lines = theory.GuideLines();
        ASSERT_FALSE(lines.empty());
        for (const GuideLine& line : lines) {
            ASSERT_EQ(line.kind, GuideKind::Order);
            const double q = *theory.Q(line.line.x1, line.line.y1);
            EXPECT_NEAR(q, -line.order * 0.25, 1e-12);
            const double u = 3.141592653589793 * 0.3 * q / 0.25;
            EXPECT_NEAR(*theory.PredictionAt(line.line.x1, line.line.y1),
                        q == 0 ? 1 : std::pow(std::sin(u) / u, 2), 1e-12);
            EXPECT_TRUE(line.line.x1 >= -1e-9 && line.line.x1 <= 100 + 1e-9 &&
                        line.line.y1 >= -1e-9 && line.line.y1 <= 100)
                << "the line ends on the plot square's edge";
            if (marker.x == 50) {
                EXPECT_EQ(line.line.x1 > 50, line.order > 0);
            }
        }
        // sin = m / 4 - sin(theta_in): with the source straight below, m = -4 .. 4.
        if (marker.x == 50) {
            EXPECT_EQ(lines.size(), 9u);
        }
    }
    const RunPlan mirror = PlanOf({"Single", "10", "10", "1", ".001", {30, 40}});
    const std::vector<GuideLine> lines = TheoryOf(mirror).GuideLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].kind, GuideKind::Specular);
    EXPECT_NEAR(*TheoryOf(mirror).Q(lines[1].line.x1, lines[1].line.y1), 0, 1e-15);
    const double imageX = 30;
    const double imageY = 160;  // the source 60 below the row, mirrored 60 above it
    for (const GuideLine& edge : {lines[0], lines[2]}) {
        EXPECT_EQ(edge.kind, GuideKind::BeamEdge);
        const double cross = (edge.line.x0 - imageX) * (edge.line.y1 - imageY) -
                             (edge.line.y0 - imageY) * (edge.line.x1 - imageX);
        EXPECT_NEAR(cross, 0, 1e-9);
    }
    EXPECT_DOUBLE_EQ(lines[0].line.x0, 45);
    EXPECT_DOUBLE_EQ(lines[2].line.x0, 55);
}

// The default mirror at a wavelength of .03: its rays meet the row 0.1 apart, more than half a
// wavelength, and the farthest screen shows a side beam as bright as the real one; at the
// resolution the rule names it is gone.
TEST(SparsePaths, AreSaidWhereTheSumShowsBeamsTheLightHasNot) {
    RunTexts setup{"Single", "10", "10", ".03", ".001", {50, 0}};
    const RunPlan coarse = PlanOf(setup);
    const auto sparse = TooFewPaths(coarse.settings, coarse.row);
    ASSERT_TRUE(sparse.has_value());
    EXPECT_NEAR(sparse->largestGap, 0.001 * (100 * 100 + 5 * 5) / 100, 1e-15);
    EXPECT_EQ(sparse->fineResolution, 1e-4);
    EXPECT_TRUE(sparse->withinRayLimit);

    const auto sideToReal = [](const RunPlan& plan) {
        const std::vector<double> xs = Points(0, 100, 0.25);
        const std::vector<double> p = Computed(plan, 100, xs);
        double real = 0.0;
        double side = 0.0;
        for (std::size_t i = 0; i < xs.size(); ++i) {
            // The mirror's geometric beam spans 40 to 60 on the farthest screen, its fringes a
            // little further.
            if (std::fabs(xs[i] - 50) <= 10) {
                real = std::max(real, p[i]);
            } else if (std::fabs(xs[i] - 50) >= 15) {
                side = std::max(side, p[i]);
            }
        }
        return side / real;
    };
    EXPECT_GT(sideToReal(coarse), 0.9);
    setup.resolution = "1e-4";
    const RunPlan fine = PlanOf(setup);
    EXPECT_FALSE(TooFewPaths(fine.settings, fine.row).has_value());
    EXPECT_LT(sideToReal(fine), 0.05);

    // The default wavelength is fine; a far source and a tiny wavelength need more rays than
    // a run may try.
    const RunPlan defaults = PlanOf({"Single", "10", "10", "1", ".001", {50, 0}});
    EXPECT_FALSE(TooFewPaths(defaults.settings, defaults.row).has_value());
    const RunPlan far = PlanOf({"Grating", "10", "10", ".001", "1e-4", {50, -100}});
    const auto beyond = TooFewPaths(far.settings, far.row);
    ASSERT_TRUE(beyond.has_value());
    EXPECT_EQ(beyond->fineResolution, 2e-8);
    EXPECT_FALSE(beyond->withinRayLimit);
}

}  // namespace
}  // namespace pathsum
