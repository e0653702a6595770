#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
        RefusalCase{"StepZero", With(&T::resolutionX, "0"), "Resolution X \"0\""},
        RefusalCase{"StepNegative", With(&T::resolutionX, "-1"), "Resolution X"},
        RefusalCase{"StepTooFine", With(&T::resolutionX, ".0009"), "at least .001"},
        RefusalCase{"StepFinest", With(&T::resolutionX, ".001"), ""},
        RefusalCase{"GainInfinite", With(&T::gain, "1e999"), "Gain"},
        RefusalCase{"GainZero", With(&T::gain, "0"), ""},
        RefusalCase{"GainNaNReadsAsZero", With(&T::gain, "NaN"), ""},
        // Beyond 1E+293 either way, gain * p could overflow.
        RefusalCase{"GainOverflowing", With(&T::gain, "1E308"),
                    "Gain \"1E308\" cannot be used: the gain must be a finite number from -1E+293 "
                    "to 1E+293"},
        RefusalCase{"GainNegativeOverflowing", With(&T::gain, "-1.01e293"), "Gain"},
        RefusalCase{"GainLargest", With(&T::gain, "-1e293"), ""},
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

// White light turns 550 / 400 times as often at its violet end as the typed wavelength does: the
// phase limit holds for that wavelength, and the refusal asks for a typed one long enough.
TEST(PlanRun, InWhiteLightThePhaseLimitHoldsForTheShortestWavelength) {
    struct LightCase {
        const char* wavelength;
        bool white;
        const char* expected;  // a part of the reason; empty when the run goes ahead
    };
    for (const LightCase& c : {
             LightCase{"3e-8", false, ""},
             LightCase{"3e-8", true, "the white light's shortest wavelengths"},
             LightCase{"3.8e-8", true, "Use a wavelength of at least 3.88E-08."},
             LightCase{"3.9e-8", true, ""},
         }) {
        ExperimentSettings settings =
            ReadExperimentSettings(With(&T::wavelength, c.wavelength), kStartSource);
        settings.light = c.white ? WhiteLight() : Light{};
        const auto plan = PlanRun(settings);
        const std::string expected = c.expected;
        ASSERT_EQ(IsRefused(plan), !expected.empty()) << c.wavelength << " white " << c.white;
        if (IsRefused(plan)) {
            EXPECT_NE(std::get<Refusal>(plan).reason.find(expected), std::string::npos)
                << std::get<Refusal>(plan).reason;
        }
    }
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

SettingsTexts Row(const char* pattern, const char* width, const char* spacing) {
    SettingsTexts texts;
    texts.patternCaption = std::string("Mirror Number ") + pattern;
    texts.width = width;
    texts.spacing = spacing;
    return texts;
}

// A run in which no path reaches the row goes ahead and says so, whichever side of the plot the
// elements or the source lie on: mirror images get the same answer.
TEST(RunNotices, SayWhenNoPathReachesTheRowOnEitherSide) {
    struct NoPathCase {
        const char* name;
        SettingsTexts texts;
        SourcePoint marker;
        bool reached = false;
    };
    for (const NoPathCase& c : {
             NoPathCase{"TwoSlitsAtTheRowsLeftCorner", Row("Double", "1", "10"), {0, 100}},
             NoPathCase{"TwoSlitsAtTheRowsRightCorner", Row("Double", "1", "10"), {100, 100}},
             NoPathCase{"GratingAtTheRowsLeftCorner", Row("Grating", "1", "1"), {0, 100}},
             NoPathCase{"GratingAtTheRowsRightCorner", Row("Grating", "1", "1"), {100, 100}},
             NoPathCase{"OnTheRowLeftOfThePlot", Row("Single", "10", "10"), {-30, 100}},
             NoPathCase{"OnTheRowRightOfThePlot", Row("Single", "10", "10"), {130, 100}},
             NoPathCase{"JustBelowTheLeftCorner", Row("Double", "1", "10"), {0, 99}, true},
             NoPathCase{"SpacingOfAMillion", Row("Double", "10", "1E6"), kStartSource},
             NoPathCase{"LargestSpacing", Row("Double", "10", "1e308"), kStartSource},
             NoPathCase{"FourElementsAllOutside", Row("Four", "10", "1E6"), {20, 30}},
             NoPathCase{"NegativeWidthPutsThemRightOfThePlot", Row("Double", "-1e308", "10"),
                        kStartSource},
         }) {
        const ExperimentSettings settings = ReadExperimentSettings(c.texts, c.marker);
        const auto plan = PlanRun(settings);
        ASSERT_FALSE(IsRefused(plan)) << c.name << ": " << std::get<Refusal>(plan).reason;
        const RunPlan& run = std::get<RunPlan>(plan);
        EXPECT_EQ(run.paths.Count() > 0, c.reached) << c.name;
        const std::vector<std::string> said = RunNotices(settings, &run);
        EXPECT_EQ(std::ranges::count(said, notices::NoPath()), c.reached ? 0 : 1) << c.name;
    }
}

TEST(RunNotices, QuoteEveryBoxWhoseTextIsNotAPlainNumberWithWhatItWasReadAs) {
    struct ReadCase {
        SettingsTexts texts;
        const char* said;  // empty: nothing to say
    };
    SettingsTexts stepped = Row("Double", "2.5e1", "+.5");  // the window's own texts, and more
    stepped.wavelength = " 1";
    stepped.resolution = " 1E-05";
    stepped.gain = "\t10 ";
    SettingsTexts twoBoxes;
    twoBoxes.width = "";  // a dialog cancelled
    twoBoxes.resolutionX = "2x";
    for (const ReadCase& c : {
             ReadCase{T{}, ""},
             ReadCase{stepped, ""},
             ReadCase{With(&T::gain, "1,5"), "Not a plain number: Gain \"1,5\" (read as 1)."},
             ReadCase{With(&T::gain, "abc"), "Not a plain number: Gain \"abc\" (read as 0)."},
             // A typed "%2" is quoted as typed, not taken for a place of the sentence.
             ReadCase{With(&T::gain, "1%2"), "Not a plain number: Gain \"1%2\" (read as 1)."},
             ReadCase{twoBoxes,
                      "Not plain numbers: Resolution X \"2x\" (read as 2), Width \"\" (read as "
                      "0)."},
             // A single mirror has no spacing to read.
             ReadCase{With(&T::spacing, "abc"), ""},
             ReadCase{With(&T::spacing, "1 0", "Mirror Number Five"),
                      "Not a plain number: Spacing \"1 0\" (read as 1)."},
         }) {
        const auto said = RunNotices(ReadExperimentSettings(c.texts, kStartSource), nullptr);
        EXPECT_EQ(said, std::string(c.said).empty() ? std::vector<std::string>{}
                                                    : std::vector<std::string>{c.said});
    }
}

}  // namespace
}  // namespace pathsum
