#include <gtest/gtest.h>
#include <locale.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "CaseName.h"
#include "NumberText.h"

namespace pathsum {
namespace {

struct FormatCase {
    double value;
    const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class TextFromNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(TextFromNumberTest, WritesTheDisplayForm) {
    EXPECT_EQ(TextFromNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextFromNumberTest,
    ::testing::Values(
        // Signs and blanks.
        FormatCase{0.0, " 0"}, FormatCase{-0.0, " 0"}, FormatCase{1.0, " 1"},
        FormatCase{-12.0, "-12"}, FormatCase{10.0, " 10"}, FormatCase{100.0, " 100"},
        // No zero before the decimal point.
        FormatCase{0.5, " .5"}, FormatCase{-0.25, "-.25"}, FormatCase{0.001, " .001"},
        FormatCase{0.1, " .1"}, FormatCase{2.5, " 2.5"}, FormatCase{-57.0, "-57"},
        // Exponent boundaries: below 1E-4 and from 1E+15 on.
        FormatCase{0.0001, " .0001"}, FormatCase{0.00001, " 1E-05"},
        FormatCase{0.000012345, " 1.2345E-05"}, FormatCase{-0.00001, "-1E-05"},
        FormatCase{1e-6, " 1E-06"}, FormatCase{100000000000000.0, " 100000000000000"},
        FormatCase{999999999999999.0, " 999999999999999"}, FormatCase{1e15, " 1E+15"},
        FormatCase{1.5e20, " 1.5E+20"}, FormatCase{-1.5e20, "-1.5E+20"},
        FormatCase{1e100, " 1E+100"}, FormatCase{1e-300, " 1E-300"},
        // The largest doubles are written rounded down: rounded up they would read back as
        // infinity.
        FormatCase{std::numeric_limits<double>::max(), " 1.79769313486231E+308"},
        FormatCase{-std::numeric_limits<double>::max(), "-1.79769313486231E+308"},
        FormatCase{std::nextafter(std::numeric_limits<double>::max(), 0.0),
                   " 1.79769313486231E+308"},
        FormatCase{std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
        // Fifteen significant digits, rounded, trailing zeros dropped.
        FormatCase{1.0 / 3.0, " .333333333333333"}, FormatCase{2.0 / 3.0, " .666666666666667"},
        FormatCase{0.1 + 0.2, " .3"}, FormatCase{123456.789, " 123456.789"},
        FormatCase{1234567890123456.0, " 1.23456789012346E+15"},
        // Rounding that carries into the next decade changes the form.
        FormatCase{999999999999999.9, " 1E+15"}, FormatCase{std::nextafter(0.0001, 0.0), " .0001"},
        FormatCase{99999999999999.99, " 100000000000000"},
        FormatCase{0.0000099999999999999999, " 1E-05"},
        FormatCase{-9.99999999999999e-6, "-9.99999999999999E-06"},
        FormatCase{std::numeric_limits<double>::min(), " 2.2250738585072E-308"},
        FormatCase{3.14159265358979, " 3.14159265358979"}),
    [](const auto& info) { return testing::NumberName(info.param.value); });

class SignificantNumberTest : public ::testing::TestWithParam<FormatCase> {};

// Two significant digits, always shown, however the rounding carries.
TEST_P(SignificantNumberTest, ShowsTwoDigits) {
    EXPECT_EQ(SignificantNumber(GetParam().value, 2), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SignificantNumberTest,
    ::testing::Values(FormatCase{0.04719, "0.047"}, FormatCase{2.996, "3.0"},
                      FormatCase{0.5, "0.50"}, FormatCase{12.1275, "12"}, FormatCase{280.4, "280"},
                      FormatCase{99.5, "100"}, FormatCase{0.00025, "0.00025"},
                      FormatCase{0.000031, "3.1E-05"}, FormatCase{0.0000999, "0.00010"},
                      FormatCase{249999, "250000"}, FormatCase{999999, "1.0E+06"},
                      FormatCase{2.5e6, "2.5E+06"}, FormatCase{-0.5, "-0.50"},
                      FormatCase{-0.0, "0"}),
    [](const auto& info) { return testing::NumberName(info.param.value); });

struct ParseCase {
    const char* text;
    double value;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class NumberFromTextTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(NumberFromTextTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(NumberFromText(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberFromTextTest,
    ::testing::Values(ParseCase{"1", 1.0}, ParseCase{" 10", 10.0}, ParseCase{"\t 10", 10.0},
                      ParseCase{".001", 0.001}, ParseCase{" .5", 0.5}, ParseCase{"-.25", -0.25},
                      ParseCase{"+7", 7.0}, ParseCase{"5.", 5.0}, ParseCase{"1E-05", 1e-5},
                      ParseCase{" 1.5E+20", 1.5e20}, ParseCase{"2e3", 2000.0},
                      ParseCase{"2E+", 2.0}, ParseCase{"2Ex", 2.0}, ParseCase{"2E-", 2.0},
                      ParseCase{"2.5abc", 2.5}, ParseCase{"3 4", 3.0}, ParseCase{"1.2.3", 1.2},
                      ParseCase{"1,5", 1.0},
                      // Text that does not begin with a number.
                      ParseCase{"", 0.0}, ParseCase{"   ", 0.0}, ParseCase{"abc", 0.0},
                      ParseCase{".", 0.0}, ParseCase{"-", 0.0}, ParseCase{"+.", 0.0},
                      ParseCase{"E5", 0.0}, ParseCase{"- 1", 0.0}, ParseCase{"\n1", 0.0},
                      ParseCase{"inf", 0.0}, ParseCase{"nan", 0.0}, ParseCase{"0x10", 0.0},
                      // Underflow reads as zero (or the nearest subnormal), never as an error.
                      ParseCase{"1e-400", 0.0}, ParseCase{"-1e-400", -0.0}),
    [](const auto& info) { return testing::CaseName(info.param.text); });

TEST(NumberFromText, BeyondTheDoubleRangeReadsAsInfinity) {
    EXPECT_EQ(NumberFromText("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumberFromText("-1E999999999999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumberFromText(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

TEST(NumberFromText, IgnoresTheProcessLocale) {
    // A locale whose decimal separator is a comma must not change how a point is read.
    // The test run builds de_DE.UTF-8 into LOCPATH (see CMakeLists.txt).
    const char* chosen = std::setlocale(LC_ALL, "de_DE.UTF-8");
    ASSERT_NE(chosen, nullptr) << "the German locale is missing";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(NumberFromText("2.5"), 2.5) << chosen;
    EXPECT_EQ(NumberFromText("2,5"), 2.0) << chosen;
    EXPECT_EQ(TextFromNumber(0.5), " .5") << chosen;
    EXPECT_EQ(TextFromNumber(1.5e20), " 1.5E+20") << chosen;
    std::setlocale(LC_ALL, "C");
}

TEST(NumberText, EveryWrittenNumberReadsBackToTheSameText) {
    for (double v :
         {0.5, -0.25, 1e-5, 1.5e20, 1.0 / 3.0, -123456.789e-10, 6.02214076e23, 1e15, 99999.5,
          4.94e-324, std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
          1.797693134862315E+308, std::numeric_limits<double>::min(), 2.2250738585072e-308}) {
        const std::string text = TextFromNumber(v);
        EXPECT_EQ(TextFromNumber(NumberFromText(text)), text) << v;
    }
}

}  // namespace
}  // namespace pathsum
