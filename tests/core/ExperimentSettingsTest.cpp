#include <gtest/gtest.h>

#include <cmath>

#include "CaseName.h"
#include "ExperimentSettings.h"

namespace pathsum {
namespace {

struct FarSourceCase {
    SourcePoint marker;
    SourcePoint expected;
    const char* xCaption;
    const char* yCaption;
};

void PrintTo(const FarSourceCase& c, std::ostream* out) {
    *out << "(" << c.marker.x << ", " << c.marker.y << ")";
}

class FarSourceTest : public ::testing::TestWithParam<FarSourceCase> {};

TEST_P(FarSourceTest, MovesOnlyMarkersBelowThePlotAndCaptionsTheResult) {
    const FarSourceCase& c = GetParam();
    const SourcePoint source = ApplyFarSourceRule(c.marker);
    EXPECT_EQ(source.x, c.expected.x);
    EXPECT_EQ(source.y, c.expected.y);
    EXPECT_EQ(SourceXCaption(source), c.xCaption);
    EXPECT_EQ(SourceYCaption(source), c.yCaption);
}

// The expected far points are formed in single precision, as the rule is.
constexpr float kFarX60 = 50.0f + (150.0f * 10.0f) / 100.5f;
constexpr float kFarX40 = ((100.0f + 500.0f) * (40.0f - 50.0f)) / 105.0f + 50.0f;

INSTANTIATE_TEST_SUITE_P(
    Table, FarSourceTest,
    ::testing::Values(
        FarSourceCase{{50, 0}, {50, 0}, "X= 0", "Y= 100"},          // the start position
        FarSourceCase{{30, 20}, {30, 20}, "X=-20", "Y= 80"},        // inside the plot
        FarSourceCase{{50, -0.0f}, {50, -0.0f}, "X= 0", "Y= 100"},  // y = 0 is no far click
        FarSourceCase{{50, -1}, {50, -100}, "X= 0", "Y= 200"},      // straight below the centre
        FarSourceCase{{60, -0.5f}, {kFarX60, -50}, "X= 15", "Y= 150"},
        FarSourceCase{{40, -5}, {kFarX40, -500}, "X=-57", "Y= 600"},
        FarSourceCase{{60, -10}, {150, -1000}, "X= 100", "Y= 1100"},
        FarSourceCase{{-10, -18},
                      {((100.0f + 1800.0f) * -60.0f) / 118.0f + 50.0f, -1800},
                      "X=-966",
                      "Y= 1900"}),
    [](const auto& info) { return testing::PointName(info.param.marker.x, info.param.marker.y); });

struct CaptionCase {
    float x;
    float y;
    const char* xCaption;
    const char* yCaption;
};

void PrintTo(const CaptionCase& c, std::ostream* out) {
    *out << c.x << ", " << c.y;
}

class SourceCaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(SourceCaptionTest, RoundsHalvesUpwards) {
    const CaptionCase& c = GetParam();
    EXPECT_EQ(SourceXCaption({c.x, c.y}), c.xCaption);
    EXPECT_EQ(SourceYCaption({c.x, c.y}), c.yCaption);
}

INSTANTIATE_TEST_SUITE_P(Table, SourceCaptionTest,
                         ::testing::Values(CaptionCase{50.5f, 0.5f, "X= 1", "Y= 100"},
                                           CaptionCase{49.5f, 0.6f, "X= 0", "Y= 99"},
                                           CaptionCase{49.4f, 0.4f, "X=-1", "Y= 100"},
                                           CaptionCase{48.5f, 99.5f, "X=-1", "Y= 1"},
                                           CaptionCase{29.5f, 100.5f, "X=-20", "Y= 0"},
                                           CaptionCase{110, 102, "X= 60", "Y=-2"}),
                         [](const auto& info) {
                             return testing::PointName(info.param.x, info.param.y);
                         });

TEST(CaptionNumber, IsTheNearestIntegerWithHalvesUp) {
    EXPECT_EQ(CaptionNumber(-20.5), -20.0);
    EXPECT_EQ(CaptionNumber(-20.6), -21.0);
    EXPECT_EQ(CaptionNumber(0.5), 1.0);
    EXPECT_EQ(CaptionNumber(-0.5), 0.0);
}

TEST(ReadExperimentSettings, DefaultsGiveTheStartingRun) {
    const ExperimentSettings s = ReadExperimentSettings(SettingsTexts{}, kStartSource);
    EXPECT_EQ(s.wavelength, 1.0);
    EXPECT_EQ(s.width, 10.0);
    EXPECT_EQ(s.spacing, 10.0);
    EXPECT_EQ(s.gain, 10.0);
    EXPECT_EQ(s.resolution, 0.001);
    EXPECT_EQ(s.resolutionX, 1.0);
    EXPECT_EQ(s.source.x, 50.0f);
    EXPECT_EQ(s.source.y, 0.0f);
    EXPECT_EQ(s.patternCaption, "Mirror Number Single");
    EXPECT_EQ(s.pi, 4.0 * std::atan(1.0));
}

TEST(ReadExperimentSettings, ReadsEachTextByTheLeadingNumberRule) {
    SettingsTexts texts;
    texts.wavelength = " 10";
    texts.width = "abc";
    texts.spacing = "2.5cm";
    texts.gain = "";
    texts.resolution = "1E-05";
    texts.resolutionX = " .5";
    const ExperimentSettings s = ReadExperimentSettings(texts, {60, -10});
    EXPECT_EQ(s.wavelength, 10.0);
    EXPECT_EQ(s.width, 0.0);
    EXPECT_EQ(s.spacing, 2.5);
    EXPECT_EQ(s.gain, 0.0);
    EXPECT_EQ(s.resolution, 1e-5);
    EXPECT_EQ(s.resolutionX, 0.5);
    // The marker is kept as it stands; the far-source rule gives the point the run uses, and
    // applying it again to the same marker never compounds.
    EXPECT_EQ(s.marker.y, -10.0f);
    EXPECT_EQ(s.source.x, 150.0f);
    EXPECT_EQ(s.source.y, -1000.0f);
    EXPECT_EQ(ReadExperimentSettings(texts, s.marker).source.y, -1000.0f);
}

}  // namespace
}  // namespace pathsum
