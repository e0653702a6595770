#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CaseName.h"
#include "ParameterStep.h"

namespace pathsum {
namespace {

const char* NameOf(Parameter parameter) {
    constexpr const char* kNames[] = {"Wavelength", "Resolution", "Gain", "Width", "Spacing"};
    return kNames[static_cast<int>(parameter)];  // as Parameter
}

struct CycleCase {
    Parameter parameter;
    const char* start;
    std::vector<const char*> leftCycle;  // texts after each left release
};

void PrintTo(const CycleCase& c, std::ostream* out) {
    *out << NameOf(c.parameter) << " " << c.start;
}

class StepCycleTest : public ::testing::TestWithParam<CycleCase> {};

TEST_P(StepCycleTest, LeftStepsDownAndJumpsToTheTopRightRunsTheCycleBackwards) {
    const CycleCase& c = GetParam();
    const ParameterRange& range = RangeOf(c.parameter);
    std::string text = c.start;
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < c.leftCycle.size(); ++i) {
        text = StepParameterText(text, 1, range).value();
        EXPECT_EQ(text, c.leftCycle[i]) << "left release " << i + 1;
        seen.push_back(text);
    }
    // Right releases walk the same values in reverse.
    for (std::size_t i = seen.size() - 1; i > 0; --i) {
        text = StepParameterText(text, 2, range).value();
        EXPECT_EQ(text, seen[i - 1]) << "right release back to " << seen[i - 1];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, StepCycleTest,
    ::testing::Values(
        CycleCase{Parameter::Wavelength, "1", {" .1", " .01", " .001", " 1", " .1"}},
        CycleCase{Parameter::Resolution, ".01", {" .001", " .0001", " 1E-05", " .01", " .001"}},
        CycleCase{Parameter::Gain, "10", {" 1", " .1", " .01", " .001", " 10", " 1"}},
        CycleCase{Parameter::Width, "100", {" 10", " 1", " .1", " .01", " .001", " 100"}},
        CycleCase{Parameter::Spacing, "10", {" 1", " .1", " .01", " .001", " 100", " 10"}}),
    testing::PrintedCaseName());

struct StepCase {
    Parameter parameter;
    const char* text;
    short button;
    std::optional<std::string> result;
};

void PrintTo(const StepCase& c, std::ostream* out) {
    *out << NameOf(c.parameter) << " " << c.text << " button " << c.button;
}

class StepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepTest, GivesTheNormalisedText) {
    const StepCase& c = GetParam();
    EXPECT_EQ(StepParameterText(c.text, c.button, RangeOf(c.parameter)), c.result)
        << c.text << " button " << c.button;
}

INSTANTIATE_TEST_SUITE_P(
    Table, StepTest,
    ::testing::Values(
        // Landing exactly on a limit stays there.
        StepCase{Parameter::Wavelength, ".1", 2, " 1"},
        StepCase{Parameter::Resolution, "1E-05", 1, " .01"},
        StepCase{Parameter::Resolution, ".01", 2, " 1E-05"},
        StepCase{Parameter::Wavelength, ".5", 2, " .001"},
        StepCase{Parameter::Wavelength, ".5", 1, " .05"},
        StepCase{Parameter::Wavelength, ".005", 1, " 1"},
        // Any other button only normalises.
        StepCase{Parameter::Gain, "10", 4, " 10"}, StepCase{Parameter::Gain, "010.50", 0, " 10.5"},
        // Text that is not a number reads as 0.
        StepCase{Parameter::Wavelength, "abc", 2, " 0"},
        StepCase{Parameter::Wavelength, "abc", 1, " 1"}, StepCase{Parameter::Width, "-3", 2, "-30"},
        StepCase{Parameter::Width, "-3", 1, " 100"},
        // Beyond the double range: left as it is; an overflowing step wraps to the low end.
        StepCase{Parameter::Gain, "1e999", 1, std::nullopt},
        StepCase{Parameter::Gain, "-1e999", 4, std::nullopt},
        StepCase{Parameter::Gain, "1e308", 2, " .001"},
        StepCase{Parameter::Gain, "-1e308", 2, std::nullopt}),
    testing::PrintedCaseName());

struct FineCase {
    Parameter parameter;
    const char* text;
    int notches;
    std::optional<std::string> result;
};

TEST(FineStepParameterText, MovesATwentiethOfADecadeANotchAndStopsAtTheRangesEnds) {
    for (const FineCase& c : {
             FineCase{Parameter::Wavelength, ".5", 1, " .56"},
             FineCase{Parameter::Wavelength, " .56", -1, " .5"},  // on the ladder, back again
             FineCase{Parameter::Gain, "1", 20, " 10"},           // a decade in twenty notches
             FineCase{Parameter::Gain, "1", 3, " 1.4"},
             FineCase{Parameter::Gain, "1.2", 1, " 1.3"},  // between rungs: the next one up
             FineCase{Parameter::Gain, "1.2", -1, " 1.1"},
             FineCase{Parameter::Wavelength, ".95", 1, " 1"},  // stops at the top of its range
             FineCase{Parameter::Resolution, "1E-05", -1, " 1E-05"},
             // Typed beyond an end: a notch towards the range, never further out.
             FineCase{Parameter::Resolution, "1E-06", 1, " 1.1E-06"},
             FineCase{Parameter::Resolution, "1E-06", -1, " 1E-06"},
             FineCase{Parameter::Gain, "100", -2, " 79"},
             FineCase{Parameter::Gain, "100", 1, " 100"},
             FineCase{Parameter::Width, "0", 1, std::nullopt},  // nothing to scale
             FineCase{Parameter::Width, "-3", 1, std::nullopt},
             FineCase{Parameter::Gain, "1e999", -1, std::nullopt},
         }) {
        EXPECT_EQ(FineStepParameterText(c.text, c.notches, RangeOf(c.parameter)), c.result)
            << c.text << " by " << c.notches;
    }
}

TEST(NextDetectorStepText, CyclesThroughFourStepsAndSendsAnythingElseToOne) {
    EXPECT_EQ(NextDetectorStepText("1"), " .5");
    EXPECT_EQ(NextDetectorStepText(" .5"), " .25");
    EXPECT_EQ(NextDetectorStepText(" .25"), " .1");
    EXPECT_EQ(NextDetectorStepText(" .1"), " 1");
    EXPECT_EQ(NextDetectorStepText("0.10000001"), " 1");
    EXPECT_EQ(NextDetectorStepText("letters"), " 1");
    EXPECT_EQ(NextDetectorStepText("1e999"), " 1");
}

}  // namespace
}  // namespace pathsum
