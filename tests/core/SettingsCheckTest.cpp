#include <gtest/gtest.h>

#include <string>

#include "RunPlan.h"

namespace pathsum {
namespace {

struct RefusalCase {
    const char* name;
    SettingsTexts texts;
    const char* expected;  // a part of the reason; empty when the run goes ahead
};

SettingsTexts With(std::string SettingsTexts::*field, const char* value,
                   const char* pattern = "Mirror Number Single") {
    SettingsTexts texts;
    texts.*field = value;
    texts.patternCaption = pattern;
    return texts;
}

SettingsTexts Grating(const char* width, const char* spacing) {
    SettingsTexts texts;
    texts.width = width;
    texts.spacing = spacing;
    texts.patternCaption = "Mirror Number Grating";
    return texts;
}

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class PlanRunTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(PlanRunTest, RefusesWithAReasonThatNamesTheFieldAndTheValue) {
    const auto plan = PlanRun(ReadExperimentSettings(GetParam().texts, kStartSource));
    const std::string expected = GetParam().expected;
    if (expected.empty()) {
        EXPECT_FALSE(IsRefused(plan)) << std::get<Refusal>(plan).reason;
        return;
    }
    ASSERT_TRUE(IsRefused(plan));
    EXPECT_NE(std::get<Refusal>(plan).reason.find(expected), std::string::npos)
        << std::get<Refusal>(plan).reason;
}

using T = SettingsTexts;
INSTANTIATE_TEST_SUITE_P(
    Table, PlanRunTest,
    ::testing::Values(
        RefusalCase{"Defaults", T{}, ""},
        RefusalCase{"WavelengthZero", With(&T::wavelength, "0"), "Wavelength \"0\" cannot"},
        RefusalCase{"WavelengthLetters", With(&T::wavelength, "abc"),
                    "Wavelength \"abc\" (read as 0) cannot"},
        RefusalCase{"WavelengthInfinite", With(&T::wavelength, "1e999"), "Wavelength"},
        RefusalCase{"WavelengthNegative", With(&T::wavelength, "-1"), ""},
        // The longest path of the default set-up is about 242 units: below about 2.82E-08 a
        // double no longer keeps its phase to a millionth of a turn.
        RefusalCase{"WavelengthTooShortForThePhase", With(&T::wavelength, "2.81e-8"),
                    "Wavelength \"2.81e-8\" cannot be used: it is so short"},
        RefusalCase{"WavelengthJustLongEnoughForThePhase", With(&T::wavelength, "2.83e-8"), ""},
        RefusalCase{"WavelengthFarTooShortForThePhase", With(&T::wavelength, "1e-307"),
                    "Wavelength \"1e-307\""},
        RefusalCase{"WavelengthSubnormal", With(&T::wavelength, "-4.9e-324"), "Wavelength"},
        RefusalCase{"WavelengthTinyWithoutPaths",
                    With(&T::wavelength, "1e-310", "Mirror Number single"), ""},
        RefusalCase{"ResolutionZero", With(&T::resolution, "0"), "Resolution Radians \"0\""},
        RefusalCase{"ResolutionNegative", With(&T::resolution, "-.001"),
                    "Resolution Radians \"-.001\""},
        RefusalCase{"ResolutionInfinite", With(&T::resolution, "-1e400"), "Resolution Radians"},
        RefusalCase{"ResolutionTooFine", With(&T::resolution, "1e-8"), "20,000,000"},
        // An element no ray reaches is the elements' fault, not the resolution's.
        RefusalCase{"ElementOutOfReachByWidth", With(&T::width, "-1e308", "Mirror Number Double"),
                    "Width \"-1e308\" and Spacing \"10\" cannot be used with this source"},
        RefusalCase{"ElementOutOfReachBySpacing",
                    With(&T::spacing, "1e308", "Mirror Number Double"),
                    "they put an element at x = 5E+307, where no ray"},
        RefusalCase{"SingleElementOutOfReach", With(&T::width, "-1e308"),
                    "Width \"-1e308\" cannot be used with this source: it puts"},
        RefusalCase{"StepZero", With(&T::resolutionX, "0"), "Resolution X \"0\""},
        RefusalCase{"StepNegative", With(&T::resolutionX, "-1"), "Resolution X"},
        RefusalCase{"StepTooFine", With(&T::resolutionX, ".0009"), "at least .001"},
        RefusalCase{"StepFinest", With(&T::resolutionX, ".001"), ""},
        RefusalCase{"GainInfinite", With(&T::gain, "1e999"), "Gain"},
        RefusalCase{"GainZero", With(&T::gain, "0"), ""},
        RefusalCase{"WidthInfinite", With(&T::width, "-1e999"), "Width"},
        RefusalCase{"SpacingInfinite", With(&T::spacing, "1e999"), "Spacing"},
        RefusalCase{"GratingNeverEnds", Grating("-10", "10"), "more than 0"},
        RefusalCase{"GratingTooFine", Grating(".0001", ".0001"), "more than 100,000"},
        RefusalCase{"GratingFinest", Grating(".0005", ".0005"), ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlanRun, KeepsTheRowThePathsAndTheDetectorPoints) {
    const auto plan = PlanRun(ReadExperimentSettings(SettingsTexts{}, kStartSource));
    ASSERT_FALSE(IsRefused(plan));
    const RunPlan& run = std::get<RunPlan>(plan);
    EXPECT_EQ(run.row.count, 1);
    EXPECT_EQ(run.row.firstLeft, 45.0);
    EXPECT_GT(run.paths.Count(), 0);
    EXPECT_EQ(run.detectorX.size(), 101u);
}

TEST(PlanRun, RefusesAMarkerWhoseFarSourceLeavesTheFloatRange) {
    struct MarkerCase {
        SourcePoint marker;
        bool refused;
    };
    for (const MarkerCase& c : {
             MarkerCase{{50.0f, -1e37f}, true},  // 100 y overflows, and x becomes 0 times inf
             MarkerCase{{70.0f, -1e37f}, true},
             MarkerCase{{50.0f, -1e36f}, false},  // the far source is still a float
             MarkerCase{{-1e30f, 1e30f}, false},  // far outside, but used as it is
         }) {
        const auto plan = PlanRun(ReadExperimentSettings(SettingsTexts{}, c.marker));
        EXPECT_EQ(IsRefused(plan), c.refused) << c.marker.x << ", " << c.marker.y;
        if (IsRefused(plan)) {
            EXPECT_NE(std::get<Refusal>(plan).reason.find("source marker"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace pathsum
