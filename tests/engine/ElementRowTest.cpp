#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "MirrorPattern.h"

namespace pathsum {
namespace {

struct RowCase {
    const char* name;
    const char* caption;
    double width;
    double spacing;
    std::vector<double> leftEdges;
    double rowSpacing;  // the spacing the sweep steps by
};

void PrintTo(const RowCase& c, std::ostream* out) {
    *out << c.name;
}

class ElementRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(ElementRowTest, PlacesTheElementsLeftToRight) {
    const RowCase& c = GetParam();
    const auto built = BuildElementRow(PatternFromCaption(c.caption), c.width, c.spacing);
    ASSERT_TRUE(std::holds_alternative<ElementRow>(built));
    const ElementRow& row = std::get<ElementRow>(built);
    EXPECT_EQ(row.leftEdges, c.leftEdges);
    EXPECT_EQ(row.count, static_cast<int>(c.leftEdges.size()));
    EXPECT_EQ(row.firstLeft, c.leftEdges.empty() ? 0.0 : c.leftEdges.front());
    EXPECT_EQ(row.width, c.width);
    EXPECT_EQ(row.spacing, c.rowSpacing);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ElementRowTest,
    testing::Values(
        RowCase{"Single", "Mirror Number Single", 10, 10, {45}, 90},
        RowCase{"Double", "Mirror Number Double", 10, 10, {35, 55}, 10},
        RowCase{"Triple", "Mirror Number Triple", 10, 10, {25, 45, 65}, 10},
        RowCase{"Four", "Mirror Number Four", 10, 10, {15, 35, 55, 75}, 10},
        RowCase{"Five", "Mirror Number Five", 10, 10, {5, 25, 45, 65, 85}, 10},
        RowCase{"Grating10x10", "Mirror Number Grating", 10, 10, {0, 20, 40, 60, 80}, 10},
        // The next left edge, 100, is not less than 100.
        RowCase{"Grating10x15", "Mirror Number Grating", 10, 15, {0, 25, 50, 75}, 15},
        // The last element reaches 129.
        RowCase{"Grating30x3", "Mirror Number Grating", 30, 3, {0, 33, 66, 99}, 3},
        RowCase{"SingleFrameWide", "Mirror Number Single", 100, 10, {0}, 0},
        RowCase{"SingleWiderThanFrame", "Mirror Number Single", 120, 10, {-10}, -20},
        RowCase{"FiveNarrow", "Mirror Number Five", 1, 3, {41.5, 45.5, 49.5, 53.5, 57.5}, 3},
        RowCase{"LowerCaseCaption", "Mirror Number single", 10, 10, {}, 10},
        RowCase{"EmptyCaption", "", 10, 10, {}, 10}),
    [](const testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

struct RefusedGrating {
    const char* name;
    double width;
    double spacing;
};

void PrintTo(const RefusedGrating& c, std::ostream* out) {
    *out << c.name;
}

class RefusedGratingTest : public testing::TestWithParam<RefusedGrating> {};

TEST_P(RefusedGratingTest, IsRefusedWithAReason) {
    const auto built =
        BuildElementRow(MirrorPattern::Grating, GetParam().width, GetParam().spacing);
    ASSERT_TRUE(std::holds_alternative<Refusal>(built));
    EXPECT_NE(std::get<Refusal>(built).reason.find("Width"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Gratings, RefusedGratingTest,
                         testing::Values(RefusedGrating{"ZeroPitch", 10, -10},
                                         RefusedGrating{"NegativePitch", -5, 2},
                                         RefusedGrating{"NotANumber", NAN, 10},
                                         // 1/1024 of a unit: 102,400 elements.
                                         RefusedGrating{"TooFine", 0.0009765625, 0}),
                         [](const testing::TestParamInfo<RefusedGrating>& info) {
                             return std::string(info.param.name);
                         });

// A pitch on a binary grid just above and just below 1/1000, so that the accumulated edges are
// exact and the row holds exactly 100,000 elements, or one more.
TEST(GratingLimit, HoldsExactlyTheLargestRowAndRefusesOneMore) {
    const double above = std::ldexp(std::ceil(std::ldexp(0.001, 40)), -40);
    const double below = std::ldexp(std::floor(std::ldexp(0.001, 40)), -40);
    const auto largest = BuildElementRow(MirrorPattern::Grating, above, 0);
    ASSERT_TRUE(std::holds_alternative<ElementRow>(largest));
    EXPECT_EQ(std::get<ElementRow>(largest).count, kMaxGratingElements);
    EXPECT_TRUE(IsRefused(BuildElementRow(MirrorPattern::Grating, below, 0)));
}

}  // namespace
}  // namespace pathsum
