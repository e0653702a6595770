#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "EnginePaths.h"
#include "MirrorPattern.h"
#include "PathEngine.h"

namespace pathsum {
namespace {

PathSet GratingPaths() {
    return PathsFor(InputsFor({35, 10}, 0.002), RowFor(MirrorPattern::Grating, 10, 10));
}

// Every level the kernel is built for; one this processor lacks is reported as skipped.
class KernelLevelTest : public testing::TestWithParam<KernelLevel> {
  protected:
    void SetUp() override {
        if (!KernelLevelSupported(GetParam())) {
            GTEST_SKIP() << "this processor does not run kernel level "
                         << static_cast<int>(GetParam());
        }
    }
};

std::string LevelName(const testing::TestParamInfo<KernelLevel>& info) {
    constexpr const char* kNames[] = {"Baseline", "Avx2", "Avx512", "Neon"};  // as KernelLevel
    return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Levels, KernelLevelTest, testing::ValuesIn(AllKernelLevels()), LevelName);

// The same bits whatever the number of threads, the instruction set, or how the points of a
// screen are split into calls (the run hands the kernel a few dozen points at a time).
TEST_P(KernelLevelTest, ResultDoesNotDependOnThreadsLevelOrChunks) {
    const KernelLevel level = GetParam();
    const PathSet paths = GratingPaths();
    ASSERT_GT(paths.Count(), 0);
    const std::vector<double> xs = DetectorPoints(0.7);  // 143 points: no block size divides it
    for (double wavelength : {1.0, 0.37}) {
        const std::vector<double> reference =
            DirectScreen(paths, wavelength, 30, xs, 1, KernelLevel::Baseline);
        for (int threads : {1, 2, 3, 0}) {
            EXPECT_EQ(DirectScreen(paths, wavelength, 30, xs, threads, level), reference)
                << "threads " << threads;
        }
        for (std::size_t chunk : {1, 7, 64}) {
            std::vector<double> p(xs.size());
            for (std::size_t first = 0; first < xs.size(); first += chunk) {
                const std::size_t n = std::min(chunk, xs.size() - first);
                ComputeScreen(paths, wavelength, 30, std::span(xs).subspan(first, n),
                              std::span(p).subspan(first, n), 2, level);
            }
            EXPECT_EQ(p, reference) << "chunk " << chunk;
        }
    }
}

TEST(ScreenKernel, NoPathsGiveZero) {
    const std::vector<double> xs = {0, 50, 100};
    std::vector<double> p(xs.size(), 7.0);
    ComputeScreen(PathSet{}, 1.0, 0, xs, p);
    EXPECT_EQ(p, std::vector<double>(3, 0.0));
}

TEST(ScreenKernel, RefusesMismatchedSpans) {
    const std::vector<double> xs = {0, 50, 100};
    std::vector<double> p(2);
    EXPECT_THROW(ComputeScreen(GratingPaths(), 1.0, 0, xs, p), std::invalid_argument);
}

// The arrow of every phase, against the long-double cosine and sine of the exact fraction of
// a turn, at the quarter-turn seams, across whole turns and beyond 2^52, where every double
// is a whole number of turns; and bit for bit the baseline's arrow.
TEST_P(KernelLevelTest, PhaseArrowsWithinRoundingOfTheTrueArrow) {
    std::vector<double> turns;
    for (double base : {0.0, 1.0, 7.0, 12345.0, 4.0e9, -3.0}) {
        for (int i = 0; i <= 800; ++i) {
            turns.push_back(base + i / 800.0);
        }
    }
    for (double seam : {0.125, 0.375, 0.625, 0.875, 0.5, 0.25, 1.0}) {
        turns.push_back(std::nextafter(seam, 0.0));
        turns.push_back(std::nextafter(seam, 2.0));
    }
    turns.push_back(std::ldexp(1.0, 52) + 2.0);
    turns.push_back(std::ldexp(1.0, 60));
    turns.push_back(-std::ldexp(1.0, 53));

    std::vector<double> c(turns.size());
    std::vector<double> s(turns.size());
    PhaseArrows(turns, c, s, GetParam());
    for (std::size_t i = 0; i < turns.size(); ++i) {
        const long double fraction = turns[i] - std::floor(turns[i]);  // exact
        const long double angle = 2.0L * 3.141592653589793238462643383279503L * fraction;
        EXPECT_NEAR(c[i], std::cos(angle), 1e-15) << "turns " << turns[i];
        EXPECT_NEAR(s[i], std::sin(angle), 1e-15) << "turns " << turns[i];
    }
    std::vector<double> baseC(turns.size());
    std::vector<double> baseS(turns.size());
    PhaseArrows(turns, baseC, baseS, KernelLevel::Baseline);
    EXPECT_EQ(c, baseC);
    EXPECT_EQ(s, baseS);
}

TEST_P(KernelLevelTest, InfiniteTurnsGiveNoArrow) {
    const std::vector<double> turns = {std::numeric_limits<double>::infinity(),
                                       std::numeric_limits<double>::quiet_NaN()};
    std::vector<double> c(2);
    std::vector<double> s(2);
    PhaseArrows(turns, c, s, GetParam());
    EXPECT_TRUE(std::isnan(c[0]) && std::isnan(s[0]) && std::isnan(c[1]) && std::isnan(s[1]));
}

}  // namespace
}  // namespace pathsum
