#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <variant>
#include <vector>

#include "ArrowChain.h"
#include "EnginePaths.h"
#include "ExperimentSettings.h"
#include "Geometry.h"
#include "MirrorPattern.h"
#include "PathEngine.h"
#include "RunPlan.h"
#include "ScreenEngine.h"
#include "SweepOracle.h"

namespace pathsum {
namespace {

struct SweepCase {
    const char* name;
    MirrorPattern pattern;
    double width;
    double spacing;
    SourcePoint marker;  // the far-source rule is applied to it
    double resolution;
    double wavelength = 1.0;
    int count = -1;  // the path count worked out by hand, where there is one
};

EngineInputs InputsOf(const SweepCase& s) {
    return InputsFor(ApplyFarSourceRule(s.marker), s.resolution, s.wavelength);
}

ElementRow RowOf(const SweepCase& s) {
    return RowFor(s.pattern, s.width, s.spacing);
}

void PrintTo(const SweepCase& c, std::ostream* os) {
    *os << c.name;
}

class EngineMatchesSweep : public testing::TestWithParam<SweepCase> {};

// The engine must keep exactly the rays the sweep counts, and every detector point must get
// the sweep's count and, to rounding, its arrow.
TEST_P(EngineMatchesSweep, SamePathsAndSameSums) {
    const EngineInputs inputs = InputsOf(GetParam());
    const ElementRow row = RowOf(GetParam());
    const auto enumerated = EnumeratePaths(inputs, row);
    ASSERT_TRUE(std::holds_alternative<PathSet>(enumerated));
    const PathSet& paths = std::get<PathSet>(enumerated);

    SweepTrace trace;
    const SweepPoint traced = SweepAtPoint(inputs, row, 50.0, 0.0, kMaxRaysPerSweep, &trace);
    ASSERT_FALSE(traced.refused);
    // Where it would walk on to an element beyond the frame, the enumeration stops short.
    if (std::ranges::none_of(row.leftEdges, [](double left) { return left >= kPlotRight; })) {
        EXPECT_EQ(paths.RaysTried(), traced.raysTried);
    } else {
        EXPECT_LE(paths.RaysTried(), traced.raysTried);
    }
    ASSERT_EQ(paths.Count(), traced.count);
    if (GetParam().count >= 0) {
        EXPECT_EQ(paths.Count(), GetParam().count);
    }
    for (int i = 0; i < paths.Count(); ++i) {
        ASSERT_EQ(paths.HitX()[i], trace.hitX[i]) << "path " << i;
        ASSERT_EQ(paths.FirstLeg()[i], trace.firstLeg[i]) << "path " << i;
    }

    const std::vector<double> xs = {0.0, 0.1, 37.5, 50.0, 99.9, 100.0};
    for (double y : {0.0, 50.0, 90.0}) {
        const std::vector<double> p = DirectScreen(paths, inputs.wavelength, y, xs);
        for (std::size_t i = 0; i < xs.size(); ++i) {
            const SweepPoint expected = SweepAtPoint(inputs, row, xs[i], y);
            ASSERT_EQ(expected.count, paths.Count());
            if (expected.count == 0) {
                EXPECT_EQ(p[i], 0.0);
                continue;
            }
            const double countSquared = static_cast<double>(expected.count) * expected.count;
            EXPECT_NEAR(p[i] / countSquared, expected.p / countSquared, 1e-12)
                << "x " << xs[i] << " y " << y;
        }
    }
}

// The arrow chain of a point is the plotted value made visible: its resultant gives the p the
// run plots, its elements' resultants add up to it, and each element's paths hit that element.
void ExpectChainsGiveThePlottedValues(const PathSet& paths, const ElementRow& row,
                                      double wavelength) {
    const std::vector<double> xs = {0.0, 37.5, 50.0, 61.3, 100.0};
    // The engine as a run makes it: its cost model chooses the method.
    const ScreenEngine engine(paths, wavelength, xs.size() * 200);
    ArrowChain chain;
    for (double y : {0.0, 90.0}) {
        std::vector<double> p(xs.size());
        engine.Compute(y, xs, p);
        for (std::size_t i = 0; i < xs.size(); ++i) {
            ChainAtPoint(paths, wavelength, y, xs[i], chain);
            ASSERT_EQ(chain.count, paths.Count());
            if (chain.count == 0) {
                EXPECT_TRUE(chain.links.empty());
                continue;
            }
            const double n2 = static_cast<double>(chain.count) * chain.count;
            EXPECT_NEAR(chain.p / n2, p[i] / n2, 1e-12) << "x " << xs[i] << " y " << y;
            double c = 0.0;
            double s = 0.0;
            int counted = 0;
            for (std::size_t k = 0; k < chain.links.size(); ++k) {
                const ElementLink& link = chain.links[k];
                c += link.cosSum;
                s += link.sinSum;
                EXPECT_EQ(link.firstPath, counted);
                counted += link.pathCount;
                if (k > 0) {
                    EXPECT_GT(link.element, chain.links[k - 1].element);
                }
                const double left = row.leftEdges[static_cast<std::size_t>(link.element)];
                for (int j = link.firstPath; j < link.firstPath + link.pathCount; ++j) {
                    const double hit = paths.HitX()[static_cast<std::size_t>(j)];
                    EXPECT_GE(hit, left) << "path " << j;
                    if (j > link.firstPath && j + 1 < link.firstPath + link.pathCount) {
                        EXPECT_LE(hit, left + row.width) << "path " << j;
                    }
                }
            }
            EXPECT_EQ(counted, chain.count);
            EXPECT_NEAR(c, chain.cosSum, 1e-9 * chain.count);
            EXPECT_NEAR(s, chain.sinSum, 1e-9 * chain.count);
        }
    }
}

TEST_P(EngineMatchesSweep, TheChainOfAPointGivesThePlottedValue) {
    const EngineInputs inputs = InputsOf(GetParam());
    const ElementRow row = RowOf(GetParam());
    ExpectChainsGiveThePlottedValues(PathsFor(inputs, row), row, inputs.wavelength);
}

// Where the run sums over interpolation nodes, the chain still gives what is plotted.
TEST(ArrowChain, GivesTheInterpolatedValuesOfAFineGrating) {
    const SweepCase grating{"FineGrating", MirrorPattern::Grating, 10, 10, {50, 0}, 2e-5};
    const PathSet paths = PathsFor(InputsOf(grating), RowOf(grating));
    const ScreenEngine engine(paths, 1.0, 1001);
    ASSERT_EQ(engine.Method(), SumMethod::Interpolated);
    ExpectChainsGiveThePlottedValues(paths, RowOf(grating), 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, EngineMatchesSweep,
    testing::Values(
        SweepCase{"Defaults", MirrorPattern::Single, 10, 10, {50, 0}, 0.001},
        SweepCase{"SourceLeft", MirrorPattern::Double, 10, 10, {10, 20}, 0.002},
        SweepCase{"SourceRight", MirrorPattern::Triple, 10, 10, {90, 40}, 0.002},
        SweepCase{"SourceNearTheRow", MirrorPattern::Four, 10, 10, {30, 95}, 0.002},
        SweepCase{"SourceAboveTheRow", MirrorPattern::Single, 10, 10, {50, 120}, 0.01},
        SweepCase{"FarSource", MirrorPattern::Grating, 10, 10, {40, -5}, 0.0002},
        SweepCase{"FarSourceBelowTheCentre", MirrorPattern::Double, 10, 10, {50, -1}, 0.0005},
        SweepCase{"NarrowElements", MirrorPattern::Five, 1, 3, {50, 0}, 0.0005},
        // Elements narrower than the gap between two rays: the ray found after a skip is
        // counted without a look at the right edge.
        SweepCase{"ElementsNarrowerThanARayStep", MirrorPattern::Five, 0.05, 3, {50, 0}, 0.002},
        SweepCase{"Grating", MirrorPattern::Grating, 10, 10, {50, 0}, 0.002},
        SweepCase{"GratingPastTheFrame", MirrorPattern::Grating, 30, 3, {20, 10}, 0.002},
        SweepCase{"ElementsPartlyOutside", MirrorPattern::Five, 20, 10, {60, 0}, 0.002},
        SweepCase{"ElementWiderThanTheFrame", MirrorPattern::Single, 120, 10, {50, 0}, 0.002},
        SweepCase{"NegativeWidth", MirrorPattern::Triple, -5, 20, {50, 0}, 0.002},
        SweepCase{"AllElementsOutside", MirrorPattern::Double, 10, 150, {50, 0}, 0.002},
        SweepCase{"NoPattern", MirrorPattern::None, 10, 10, {50, 0}, 0.002},
        SweepCase{"TinyWavelength", MirrorPattern::Double, 10, 10, {50, 0}, 0.002, 0.001},
        SweepCase{"WavelengthPowerOfTwo", MirrorPattern::Double, 10, 10, {50, 0}, 0.002, 0.5},
        SweepCase{"NegativeWavelength", MirrorPattern::Double, 10, 10, {50, 0}, 0.002, -0.7},
        // Quarter-turn rays: the second ray is exactly vertical (angle 0), so it hits exactly
        // at the source x, and the third hits just short of source x + 100.
        // Grating from 0: the first ray (hit 0) and the vertical one (hit exactly 0) do not
        // count; the third does; the fourth is horizontal and ends the sweep.
        SweepCase{"HitExactlyZero", MirrorPattern::Grating, 10, 10, {0, 0}, kPi / 4, 1, 1},
        // Triple -25..-15, 45..55, 115..125: the first ray passes the first element, the skip
        // to the second stops at the vertical ray, which hits exactly 100 and does not count;
        // at 99.5 it does.
        SweepCase{"HitExactlyHundred", MirrorPattern::Triple, 10, 60, {100, 0}, kPi / 4, 1, 0},
        SweepCase{"HitJustInside", MirrorPattern::Triple, 10, 60, {99.5f, 0}, kPi / 4, 1, 1},
        // The vertical ray on the right edge of the first grating element still counts; on
        // the left edge of the second it is the first ray of that element and counts too.
        SweepCase{"HitOnRightEdge", MirrorPattern::Grating, 10, 10, {10, 0}, kPi / 4, 1, 1},
        SweepCase{"HitOnLeftEdge", MirrorPattern::Grating, 10, 10, {20, 0}, kPi / 4, 1, 1}),
    [](const testing::TestParamInfo<SweepCase>& info) { return std::string(info.param.name); });

// With one element spanning the whole frame (Single of width 100: 0 to 100) no element is ever
// left behind, so the sweep counts exactly the rays, from the second on, that hit strictly
// inside the frame, until the first ray that hits at 100 or beyond.
int FrameWideCount(SourcePoint source, double resolution) {
    double angle = resolution + (-kPi) / 2.0;
    int count = 0;
    for (;;) {
        angle = angle + resolution;
        const double hit = source.x + (100.0 - source.y) * std::tan(angle);
        if (hit >= 100.0) {
            return count;
        }
        count += hit > 0.0 ? 1 : 0;
    }
}

TEST(FrameWideElement, CountsRaysStrictlyInsideTheFrame) {
    // Quarter turns reach angle 0 exactly, so one ray hits exactly at the source x.
    ASSERT_EQ(kPi / 4 + (kPi / 4 + (-kPi) / 2.0), 0.0);
    const ElementRow row = RowFor(MirrorPattern::Single, 100, 10);
    struct Case {
        SourcePoint source;
        double resolution;
        int expected;  // -1: whatever FrameWideCount says
    };
    const Case cases[] = {
        {{100, 0}, kPi / 4, 0},    // the vertical ray hits exactly 100: not counted, sweep ends
        {{99.5f, 0}, kPi / 4, 1},  // the vertical ray counts, the next hits about 199.5
        {{0, 0}, kPi / 4, 1},      // the vertical ray hits exactly 0: only the next counts
        {{50, 0}, 0.001, -1},     {{5, 60}, 0.003, -1},
    };
    for (const Case& c : cases) {
        const EngineInputs inputs = InputsFor(c.source, c.resolution);
        const int expected = c.expected >= 0 ? c.expected : FrameWideCount(c.source, c.resolution);
        const auto paths = EnumeratePaths(inputs, row);
        ASSERT_TRUE(std::holds_alternative<PathSet>(paths));
        EXPECT_EQ(std::get<PathSet>(paths).Count(), expected) << "source x " << c.source.x;
        EXPECT_EQ(SweepAtPoint(inputs, row, 50, 0).count, expected) << "source x " << c.source.x;
    }
}

// The sweep is bounded: a run whose sweep tries exactly the allowed rays goes ahead, one ray
// more is refused, and the sweep done point by point stops at the same ray.
TEST(RayBound, RefusesOneRayMoreThanAllowed) {
    const SweepCase setups[] = {
        {"Defaults", MirrorPattern::Single, 10, 10, {50, 0}, 0.001},
        {"Grating", MirrorPattern::Grating, 10, 10, {50, 0}, 0.002},
        {"FarSource", MirrorPattern::Five, 1, 3, {40, -5}, 0.001},
    };
    for (const SweepCase& s : setups) {
        const EngineInputs inputs = InputsOf(s);
        const ElementRow row = RowOf(s);
        const std::int64_t rays = PathsFor(inputs, row).RaysTried();
        EXPECT_FALSE(IsRefused(EnumeratePaths(inputs, row, rays))) << s.name;
        const auto refused = EnumeratePaths(inputs, row, rays - 1);
        ASSERT_TRUE(IsRefused(refused)) << s.name;
        EXPECT_FALSE(SweepAtPoint(inputs, row, 30, 20, rays).refused) << s.name;
        EXPECT_TRUE(SweepAtPoint(inputs, row, 30, 20, rays - 1).refused) << s.name;
    }
}

// A sweep that asks its caller now and then finds the same paths when let go on, and nothing
// at all when told to stop, however far it got: in the rays, or in the first legs after them.
TEST(RayBound, ASweepAskedToStopEndsWithNothingAndOneLetGoOnFindsTheSamePaths) {
    const SweepCase s{"Fine", MirrorPattern::Double, 10, 10, {30, 20}, 5e-7};
    const PathSet all = PathsFor(InputsOf(s), RowOf(s));
    ASSERT_GT(all.RaysTried(), 3 * kRaysBetweenAsks);
    ASSERT_GT(static_cast<std::size_t>(all.Count()), kLegsBetweenAsks);
    int asked = 0;
    const auto goOn = EnumeratePaths(InputsOf(s), RowOf(s), [&asked] { return ++asked > 0; });
    ASSERT_TRUE(goOn.has_value() && !IsRefused(*goOn));
    const PathSet& same = std::get<PathSet>(*goOn);
    EXPECT_TRUE(std::ranges::equal(same.HitX(), all.HitX()));
    EXPECT_TRUE(std::ranges::equal(same.FirstLeg(), all.FirstLeg()));
    EXPECT_GT(asked, all.RaysTried() / kRaysBetweenAsks) << "not asked during the first legs";
    for (const int stopAt : {1, 3, asked}) {
        int left = stopAt;
        EXPECT_FALSE(EnumeratePaths(InputsOf(s), RowOf(s), [&left] { return --left > 0; }))
            << "stopped at ask " << stopAt;
    }
}

// A source on the line of the row sends every ray to the same x; left of the element the sweep
// would never end.
TEST(RayBound, EndlessSweepIsRefused) {
    const SweepCase s{"OnTheRow", MirrorPattern::Single, 10, 10, {20, 100}, 0.01};
    EXPECT_TRUE(IsRefused(EnumeratePaths(InputsOf(s), RowOf(s), 100'000)));
    EXPECT_TRUE(SweepAtPoint(InputsOf(s), RowOf(s), 50, 0, 100'000).refused);
}

// A source beyond the number range meets no element anywhere: no paths, and no list sized
// from a NaN estimate.
TEST(RayBound, SourceBeyondTheNumberRangeFindsNoPaths) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const SourcePoint source : {SourcePoint{nan, 0}, SourcePoint{inf, -inf},
                                     SourcePoint{-inf, -inf}, SourcePoint{50, nan}}) {
        const auto paths =
            EnumeratePaths(InputsFor(source, 0.01), RowFor(MirrorPattern::Five, 10, 10));
        if (!IsRefused(paths)) {
            EXPECT_EQ(std::get<PathSet>(paths).Count(), 0) << source.x << ", " << source.y;
        }
    }
}

TEST(RayBound, TooFineResolutionIsRefusedBeforeTheRun) {
    ExperimentSettings settings;
    settings.resolution = 1e-9;
    const auto plan = PlanRun(settings);
    ASSERT_TRUE(IsRefused(plan));
    const std::string& reason = std::get<Refusal>(plan).reason;
    EXPECT_NE(reason.find("Resolution Radians \" 1E-09\""), std::string::npos) << reason;
    EXPECT_NE(reason.find("coarser"), std::string::npos) << reason;
}

// The probe of the arrow window: the nearest screen, then the nearest detector point on it,
// ties to the lower screen and the smaller x, and the edges of both.
TEST(NearestDetectorPoint, PicksTheNearestScreenThenTheNearestPoint) {
    const std::vector<double> xs = DetectorPoints(0.25);
    struct Case {
        double x;
        double y;
        int screen;
        int point;
    };
    for (const Case& c : {Case{50, 90, 9, 200}, Case{50.1, 94.9, 9, 200}, Case{50.13, 100, 9, 201},
                          Case{0, 0, 0, 0}, Case{-3, -5, 0, 0}, Case{100, 45, 4, 400},
                          Case{107, 55.1, 6, 400}, Case{0.125, 5, 0, 0}, Case{0.126, 15, 1, 1}}) {
        const ProbePoint probe = NearestDetectorPoint(c.x, c.y, xs);
        EXPECT_EQ(probe.screen, c.screen) << c.x << ", " << c.y;
        EXPECT_EQ(probe.point, c.point) << c.x << ", " << c.y;
    }
}

struct PointsCase {
    double step;
    std::size_t count;
    double last;
};

TEST(DetectorPoints, AccumulateTheStepUpTo100) {
    const PointsCase cases[] = {
        {1, 101, 100},
        {0.25, 401, 100},
        // 0.1 added a thousand times stays below 100, so the point list ends just short of it.
        {0.1, 1001, 99.999999999998593},
        {0.3, 334, 99.899999999999409},
        {150, 1, 0},
        {100, 2, 100},
    };
    for (const PointsCase& c : cases) {
        const std::vector<double> points = DetectorPoints(c.step);
        ASSERT_EQ(points.size(), c.count) << "step " << c.step;
        EXPECT_EQ(points.front(), 0.0);
        EXPECT_EQ(points.back(), c.last) << "step " << c.step;
    }
    EXPECT_TRUE(DetectorPoints(0).empty());
    EXPECT_TRUE(DetectorPoints(-1).empty());
    EXPECT_TRUE(DetectorPoints(NAN).empty());
}

}  // namespace
}  // namespace pathsum
