#include <gtest/gtest.h>

#include <vector>

#include "GraphPlotter.h"
#include "MirrorPattern.h"
#include "RecordingCanvas.h"
#include "SceneDrawing.h"

namespace pathsum {
namespace {

using testing::BoxOp;
using testing::CanvasOp;
using testing::ClearOp;
using testing::RecordingCanvas;
using testing::SegmentOp;

// The clear and the grid every scene starts with.
std::vector<CanvasOp> GridOps() {
    std::vector<CanvasOp> ops{ClearOp()};
    for (int i = 10; i <= 100; i += 10) {
        const auto f = static_cast<float>(i);
        ops.push_back(SegmentOp(f, 0, f, 100, 8));
        ops.push_back(SegmentOp(0, f, 100, f, 8));
    }
    return ops;
}

ElementRow Row(MirrorPattern pattern, double width, double spacing) {
    return std::get<ElementRow>(BuildElementRow(pattern, width, spacing));
}

struct SceneCase {
    const char* name;
    ElementRow row;
    std::vector<CanvasOp> boxes;
};

void PrintTo(const SceneCase& c, std::ostream* out) {
    *out << c.name;
}

class SceneTest : public ::testing::TestWithParam<SceneCase> {};

TEST_P(SceneTest, ClearsDrawsTheGridThenEachElementLeftToRight) {
    RecordingCanvas canvas;
    DrawScene(canvas, GetParam().row);
    std::vector<CanvasOp> expected = GridOps();
    expected.insert(expected.end(), GetParam().boxes.begin(), GetParam().boxes.end());
    EXPECT_EQ(canvas.Ops(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SceneTest,
    ::testing::Values(
        SceneCase{"Defaults", Row(MirrorPattern::Single, 10, 10), {BoxOp(45, 100, 55, 100.5f, 15)}},
        SceneCase{"ZeroWidth",
                  Row(MirrorPattern::Double, 0, 10),
                  {BoxOp(45, 100, 45, 100.5f, 15), BoxOp(55, 100, 55, 100.5f, 15)}},
        SceneCase{
            "NegativeWidth", Row(MirrorPattern::Single, -10, 10), {BoxOp(55, 100, 45, 100.5f, 15)}},
        SceneCase{"GratingPastTheEdge",
                  Row(MirrorPattern::Grating, 30, 3),
                  {BoxOp(0, 100, 30, 100.5f, 15), BoxOp(33, 100, 63, 100.5f, 15),
                   BoxOp(66, 100, 96, 100.5f, 15), BoxOp(99, 100, 129, 100.5f, 15)}},
        SceneCase{"NoPattern", Row(MirrorPattern::None, 10, 10), {}},
        SceneCase{"HugeWidthStaysFinite",
                  Row(MirrorPattern::Single, 1e300, 10),
                  {BoxOp(-1e30f, 100, 1e30f, 100.5f, 15)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GraphPlotter, FirstPointJoinsFromTheScreenStartThenFromThePreviousPoint) {
    RecordingCanvas canvas;
    GraphPlotter plotter(canvas, 10.0);
    plotter.StartScreen(30);
    plotter.Plot(0, 2, 1.0);  // v = 10 * 1 / 4 = 2.5
    plotter.Plot(1, 2, 0.4);  // v = 1
    const std::vector<CanvasOp> expected{
        SegmentOp(0, 27.5f, 0, 32.5f, 15), SegmentOp(0, 30, 0, 32.5f, 15),
        SegmentOp(0, 30, 0, 27.5f, 15),    SegmentOp(1, 29, 1, 31, 15),
        SegmentOp(0, 32.5f, 1, 31, 15),    SegmentOp(0, 27.5f, 1, 29, 15)};
    EXPECT_EQ(canvas.Ops(), expected);
}

TEST(GraphPlotter, EveryScreenStartsAfreshAndPointsWithoutPathsDrawNothing) {
    RecordingCanvas canvas;
    GraphPlotter plotter(canvas, 1.0);
    plotter.StartScreen(0);
    plotter.Plot(5, 1, 4.0);
    plotter.StartScreen(10);
    plotter.Plot(2, 0, 9.0);  // no paths: nothing drawn, nothing remembered
    EXPECT_EQ(canvas.Ops().size(), 3u);
    plotter.Plot(3, 1, 1.0);
    ASSERT_EQ(canvas.Ops().size(), 6u);
    EXPECT_EQ(canvas.Ops()[4], SegmentOp(0, 10, 3, 11, 15));
    EXPECT_EQ(canvas.Ops()[5], SegmentOp(0, 10, 3, 9, 15));
}

TEST(GraphPlotter, HugeValuesReachTheCanvasAsFiniteCoordinates) {
    RecordingCanvas canvas;
    GraphPlotter plotter(canvas, 1e308);
    plotter.StartScreen(0);
    plotter.Plot(1, 1, 100.0);
    ASSERT_EQ(canvas.Ops().size(), 3u);
    EXPECT_EQ(canvas.Ops()[0], SegmentOp(1, -1e30f, 1, 1e30f, 15));
}

struct LabelCase {
    double y;
    int count;
    int index;
    const char* distance;
    const char* paths;
};

void PrintTo(const LabelCase& c, std::ostream* out) {
    *out << "y " << c.y;
}

class ScreenLabelsTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(ScreenLabelsTest, IndexFromTheRowDownAndTextsWithALeadingBlank) {
    const ScreenLabels labels = LabelsForScreen(GetParam().y, GetParam().count);
    EXPECT_EQ(labels.index, GetParam().index);
    EXPECT_EQ(labels.distance, GetParam().distance);
    EXPECT_EQ(labels.paths, GetParam().paths);
}

INSTANTIATE_TEST_SUITE_P(Table, ScreenLabelsTest,
                         ::testing::Values(LabelCase{0, 464, 9, " 100", " 464"},
                                           LabelCase{90, 0, 0, " 10", " 0"},
                                           LabelCase{40, 12345678, 5, " 60", " 12345678"}));

}  // namespace
}  // namespace pathsum
