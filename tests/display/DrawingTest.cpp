#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ArrowDrawing.h"
#include "CaseName.h"
#include "FarField.h"
#include "FieldPicture.h"
#include "FieldWaves.h"
#include "Geometry.h"
#include "GraphPlotter.h"
#include "LightColour.h"
#include "MirrorPattern.h"
#include "NumberText.h"
#include "PathEngine.h"
#include "RecordingCanvas.h"
#include "RunPicture.h"
#include "RunTable.h"
#include "SceneDrawing.h"
#include "WhiteLight.h"

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
                                           LabelCase{40, 12345678, 5, " 60", " 12345678"}),
                         [](const auto& info) { return testing::NumberName(info.param.y, "y"); });

// ---- The arrow picture ----

// Records what the arrow picture draws.
class RecordingSurface : public ArrowSurface {
  public:
    struct ArrowOp {
        SurfacePoint from;
        SurfacePoint to;
        Rgb colour;
    };
    void Clear(Rgb) override { ++clears; }
    void Polyline(const std::vector<SurfacePoint>& points, Rgb colour, float) override {
        polylines.push_back({points, colour});
    }
    void Arrow(SurfacePoint from, SurfacePoint to, Rgb colour, float) override {
        arrows.push_back({from, to, colour});
    }
    void Text(SurfacePoint, const std::string& text, Rgb) override { texts.push_back(text); }

    int clears = 0;
    std::vector<std::pair<std::vector<SurfacePoint>, Rgb>> polylines;
    std::vector<ArrowOp> arrows;
    std::vector<std::string> texts;
};

// A chain of unit arrows turning by `turn` radians from one to the next, split evenly over
// `elements` elements.
ArrowChain TurningChain(int count, double turn, int elements) {
    ArrowChain chain;
    chain.count = count;
    double c = 0.0;
    double s = 0.0;
    const int perElement = count / elements;
    for (int j = 0; j < count; ++j) {
        if (j % perElement == 0 && static_cast<int>(chain.links.size()) < elements) {
            chain.links.push_back({static_cast<int>(chain.links.size()), j, 0, 0.0, 0.0});
        }
        ElementLink& link = chain.links.back();
        ++link.pathCount;
        link.cosSum += std::cos(turn * j);
        link.sinSum += std::sin(turn * j);
        c += std::cos(turn * j);
        s += std::sin(turn * j);
        chain.headX.push_back(static_cast<float>(c));
        chain.headY.push_back(static_cast<float>(s));
        chain.minX = std::min(chain.minX, chain.headX.back());
        chain.maxX = std::max(chain.maxX, chain.headX.back());
        chain.minY = std::min(chain.minY, chain.headY.back());
        chain.maxY = std::max(chain.maxY, chain.headY.back());
    }
    chain.cosSum = c;
    chain.sinSum = s;
    chain.p = c * c + s * s;
    return chain;
}

double Distance(SurfacePoint a, SurfacePoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

TEST(ArrowPicture, FewPathsAreArrowsHeadToTailInTheirElementsColoursThenTheResultant) {
    const ArrowChain chain = TurningChain(12, 0.3, 3);
    RecordingSurface surface;
    const ArrowView view{400, 300, false, {}};
    const ArrowPlacement placed = DrawArrowChain(surface, chain, view);
    ASSERT_EQ(surface.arrows.size(), 13u) << "one arrow a path and the resultant";
    EXPECT_EQ(surface.arrows.front().from, placed.origin);
    for (std::size_t j = 0; j < 12; ++j) {
        EXPECT_NEAR(Distance(surface.arrows[j].from, surface.arrows[j].to), placed.scale, 1e-3);
        if (j > 0) {
            EXPECT_EQ(surface.arrows[j].from, surface.arrows[j - 1].to) << "head to tail";
        }
        EXPECT_EQ(surface.arrows[j].colour, ElementColour(static_cast<int>(j / 4)));
    }
    const auto& resultant = surface.arrows.back();
    EXPECT_EQ(resultant.colour, kResultantColour);
    EXPECT_EQ(resultant.from, placed.origin);
    EXPECT_NEAR(Distance(resultant.to, surface.arrows[11].to), 0.0, 1e-3);
    EXPECT_NEAR(Distance(resultant.from, resultant.to), std::sqrt(chain.p) * placed.scale, 1e-3);
    // Everything inside the view.
    for (const auto& arrow : surface.arrows) {
        EXPECT_TRUE(arrow.to.x >= 0 && arrow.to.x <= 400 && arrow.to.y >= 0 && arrow.to.y <= 300);
    }
    EXPECT_FALSE(surface.texts.empty()) << "the scale bar says what an arrow is";
}

TEST(ArrowPicture, ElementResultantsSumHeadToTailToTheResultant) {
    const ArrowChain chain = TurningChain(5000, 0.002, 5);
    RecordingSurface surface;
    const ArrowPlacement placed = DrawArrowChain(surface, chain, {400, 300, true, {}});
    ASSERT_EQ(surface.arrows.size(), 6u) << "five element resultants and the total";
    EXPECT_EQ(surface.arrows[0].from, placed.origin);
    for (std::size_t k = 1; k < 5; ++k) {
        EXPECT_EQ(surface.arrows[k].from, surface.arrows[k - 1].to);
    }
    EXPECT_NEAR(Distance(surface.arrows[4].to, placed.end), 0.0, 0.05);
}

// A chain that goes round the same circle a thousand times draws as about one circle.
TEST(ArrowPicture, ALongChainIsThinnedToWhatThePixelsShow) {
    const ArrowChain chain = TurningChain(400000, 2 * 3.14159265358979 / 400, 1);
    RecordingSurface surface;
    const ArrowPlacement placed = DrawArrowChain(surface, chain, {400, 300, false, {}});
    std::size_t points = 0;
    for (const auto& [line, colour] : surface.polylines) {
        if (colour == ElementColour(0)) {
            points += line.size();
        }
    }
    EXPECT_GT(points, 300u) << "the circle is drawn";
    EXPECT_LT(points, 3000u) << "but not a thousand times";
    EXPECT_EQ(surface.arrows.size(), 1u);
    EXPECT_NEAR(Distance(surface.arrows[0].to, placed.end), 0.0, 1e-3);
}

TEST(ArrowPicture, NoPathsDrawNothingButTheBackground) {
    RecordingSurface surface;
    DrawArrowChain(surface, ArrowChain{}, {400, 300, true, {}});
    EXPECT_EQ(surface.clears, 1);
    EXPECT_TRUE(surface.arrows.empty() && surface.polylines.empty());
}

TEST(ArrowPicture, NumbersAreWrittenForPeopleWithEveryDigitBeside) {
    ArrowChain chain;
    chain.count = 4;
    chain.cosSum = 1.5;
    chain.sinSum = 2.0;
    chain.p = 6.25;
    chain.shortestTurns = 150.25;
    chain.longestTurns = 151;
    const auto numbers = ChainNumbers(chain, 40, 30, 10);
    const std::vector<ChainNumber> expected = {
        {kChainYName, "60", "60"},
        {kChainXName, "-20", "-20"},
        {"Paths N", "4", "4"},
        {"|S|", "2.5", "2.5"},
        {"p = |S|\u00b2", "6.25", "6.25"},
        {"p / N\u00b2", "0.390625", "0.390625"},
        {"Plotted, gain \u00b7 p / N\u00b2", "3.90625", "3.90625"},
        {"Shortest path (wavelengths)", "150.25", "150.25"},
        {"Longest path (wavelengths)", "151", "151"}};
    EXPECT_EQ(numbers, expected);
    EXPECT_EQ(numbers.size(), static_cast<std::size_t>(kMostChainNumbers));
    // Few digits for people, every digit beside them; the detector's rounding does not show.
    chain.p = 0.0226664409458206 * 16;
    const auto fine = ChainNumbers(chain, 40, 50.000000000000441, 10);
    EXPECT_EQ(fine[1].text, "0");
    EXPECT_EQ(fine[5].text, "0.0226664");
    EXPECT_EQ(fine[5].full, "0.022666440945820598");
    EXPECT_EQ(ChainNumbers(ArrowChain{}, 0, 50, 10).size(), 3u) << "no sums without paths";
}

// CIE lightness L* of a pixel 0xffrrggbb, from its sRGB components: the measure the field's
// colours are checked by, apart from the space they are made in.
double Lightness(std::uint32_t pixel) {
    const auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double y = 0.2126 * linear((pixel >> 16) & 0xff) + 0.7152 * linear((pixel >> 8) & 0xff) +
                     0.0722 * linear(pixel & 0xff);
    return y > 216.0 / 24389.0 ? 116.0 * std::cbrt(y) - 16.0 : y * 24389.0 / 27.0;
}

// For both maps and both scales, what a pixel shows grows lighter with p / N^2, evenly enough
// that every step of a sixty-fourth of the scale is seen; no light is black, and beyond full
// colour nothing grows any more. The gain sets full colour, as it sets the curves' height.
TEST(FieldPicture, LightnessGrowsWithTheValue) {
    for (const FieldColours map : {FieldColours::Perceptual, FieldColours::Grey}) {
        for (const bool logarithmic : {false, true}) {
            const double gain = -20.0;  // full colour at p / N^2 = 0.5
            const FieldScale scale = ScaleFor(gain, logarithmic);
            std::vector<double> p = {0.0};
            constexpr int kSteps = 64;
            for (int step = 1; step <= kSteps; ++step) {
                const double t = static_cast<double>(step) / kSteps;
                // p of 3 paths whose p / N^2 is at position t of the scale.
                const double value =
                    logarithmic ? 0.5 * std::pow(10.0, kLogDecades * (t - 1)) : 0.5 * t;
                p.push_back(9.0 * value);
            }
            p.push_back(9.0 * 50.0);
            std::vector<std::uint32_t> pixels;
            PaintField(p, static_cast<int>(p.size()), 1, 3, scale, map, pixels);
            SCOPED_TRACE(::testing::Message()
                         << "grey " << (map == FieldColours::Grey) << " log " << logarithmic);
            EXPECT_EQ(pixels.front(), 0xff000000u);
            for (std::size_t i = 1; i <= kSteps; ++i) {
                EXPECT_GT(Lightness(pixels[i]), Lightness(pixels[i - 1]) + 0.5) << "step " << i;
            }
            EXPECT_EQ(pixels.back(), pixels[kSteps]);
            EXPECT_GT(Lightness(pixels[kSteps]), 90.0);
        }
    }
    std::vector<std::uint32_t> pixels;
    PaintField(std::vector<double>{5.0, 7.0}, 2, 1, 0, ScaleFor(10, false), FieldColours::Grey,
               pixels);
    EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0xff000000u, 0xff000000u}))
        << "without paths no light arrives";
}

// The waves' map on both scales: black at zero; the lightness grows with the size of the value
// in every step of a sixty-fourth of the scale, alike for a crest and a trough of the same size
// (so they print alike in grey); the sign is the hue, orange above zero and azure below; beyond
// full colour nothing grows. The colour bar's numbers run from minus to plus full colour.
TEST(FieldWaves, DarkAtZeroLighterWithTheSizeOfTheValueEitherWay) {
    for (const bool logarithmic : {false, true}) {
        SCOPED_TRACE(::testing::Message() << "log " << logarithmic);
        const double gain = -20.0;  // full colour at p / N^2 = 0.5: a value of sqrt(0.5)
        const FieldScale scale = ScaleFor(gain, logarithmic);
        const double full = std::sqrt(0.5);
        constexpr int kSteps = 64;
        std::vector<double> re = {0.0};  // 3 paths, at the start of a period: the value is re / 3
        for (int step = 1; step <= kSteps; ++step) {
            const double t = static_cast<double>(step) / kSteps;
            const double value =
                logarithmic ? full * std::pow(10.0, kLogDecades / 2.0 * (t - 1)) : full * t;
            re.push_back(3.0 * value);
            re.push_back(-3.0 * value);
        }
        re.push_back(3.0 * 40.0);
        re.push_back(-3.0 * 40.0);
        const std::vector<double> im(re.size(), 0.0);
        std::vector<std::uint32_t> pixels;
        PaintWaves(re, im, static_cast<int>(re.size()), 1, 3, 0.0, scale, pixels);
        EXPECT_EQ(pixels.front(), 0xff000000u);
        // The frame's colour of every value is the colour bar's at the value's place, to an entry.
        const WaveColourTable& colours = WaveColours();
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const long place = std::lround(WavePosition(scale, re[i] / 3.0) * (kWaveColours - 1));
            bool near = false;
            for (long entry = std::max(place - 1, 0L);
                 entry <= std::min(place + 1, static_cast<long>(kWaveColours) - 1); ++entry) {
                near = near || colours[static_cast<std::size_t>(entry)] == pixels[i];
            }
            EXPECT_TRUE(near) << "value " << re[i] / 3.0;
        }
        for (std::size_t i = 1; i < pixels.size(); i += 2) {
            const std::uint32_t crest = pixels[i];
            const std::uint32_t trough = pixels[i + 1];
            EXPECT_NEAR(Lightness(crest), Lightness(trough), 1.0) << "step " << i / 2 + 1;
            if (i > 1 && i < pixels.size() - 2) {
                EXPECT_GT(Lightness(crest), Lightness(pixels[i - 2]) + 0.5) << "step " << i / 2 + 1;
                EXPECT_GT(Lightness(trough), Lightness(pixels[i - 1]) + 0.5)
                    << "step " << i / 2 + 1;
            }
            if (Lightness(crest) > 15.0) {
                EXPECT_GT((crest >> 16) & 0xff, crest & 0xff) << "orange: red over blue";
                EXPECT_GT(trough & 0xff, (trough >> 16) & 0xff) << "azure: blue over red";
            }
        }
        EXPECT_EQ(pixels[pixels.size() - 2], pixels[pixels.size() - 4]);
        EXPECT_EQ(pixels.back(), pixels[pixels.size() - 3]);
        EXPECT_GT(Lightness(pixels.back()), 80.0);
        const std::vector<ScaleMark> marks = WaveScaleMarks(scale);
        ASSERT_EQ(marks.size(), 5u);
        EXPECT_EQ(marks.front(), (ScaleMark{0.0, "-" + marks.back().text}));
        EXPECT_EQ(marks[2], (ScaleMark{0.5, "0"}));
        EXPECT_EQ(marks.back().position, 1.0);
        EXPECT_NEAR(NumberFromText(marks.back().text), full, 1e-5);
    }
    EXPECT_TRUE(WaveScaleMarks(ScaleFor(0.0, false)).empty()) << "no gain: nothing shows";
}

// Time: every pixel's value is its sum turned by the time, so over a period its square averages
// p / (2 N^2), and one period later (or any whole number of periods) the frame is the same again,
// while half a period later it is not.
TEST(FieldWaves, AFramesValueTurnsOnceAPeriod) {
    struct Point {
        double re;
        double im;
        int count;
    };
    const Point points[] = {{3.0, 4.0, 5}, {-120.5, 0.25, 400}, {0.0, -7.0, 9}, {1e-9, 2e-9, 1}};
    for (const Point& point : points) {
        constexpr int kInstants = 64;
        double sum = 0.0;
        for (int i = 0; i < kInstants; ++i) {
            const double value = WaveValue(point.re, point.im, point.count,
                                           WaveTurnAt(7.0 + static_cast<double>(i) / kInstants));
            sum += value * value;
        }
        const double p = point.re * point.re + point.im * point.im;
        const double n = point.count;
        EXPECT_NEAR(sum / kInstants, p / (2.0 * n * n), 1e-12 * p / (n * n)) << point.re;
    }
    std::vector<double> re;
    std::vector<double> im;
    for (int i = 0; i < 60 * 40; ++i) {
        re.push_back(9.0 * std::cos(0.37 * i) * std::sin(0.011 * i));
        im.push_back(9.0 * std::sin(0.91 * i + 0.2));
    }
    const FieldScale scale = ScaleFor(10.0, false);
    for (const double t : {0.0, 0.3, 0.71, 12.125}) {
        std::vector<std::uint32_t> now;
        std::vector<std::uint32_t> later;
        PaintWaves(re, im, 60, 40, 9, t, scale, now);
        for (const double periods : {1.0, 3.0, -2.0}) {
            PaintWaves(re, im, 60, 40, 9, t + periods, scale, later);
            EXPECT_EQ(later, now) << "at " << t << " and " << periods << " periods later";
        }
        PaintWaves(re, im, 60, 40, 9, t + 0.5, scale, later);
        EXPECT_NE(later, now) << "at " << t << " and half a period later";
    }
}

// The crests travel away from the source, a wavelength a period. Along one path the engine's
// arrow turns once for every wavelength of the path's length (PhaseArrows, the engine's own
// arrow of a phase): on a strip of one wavelength along the path, the crest (the pixels of full
// positive colour) must stand at t / T wavelengths further along at time t, and so move
// outward as time goes on.
TEST(FieldWaves, CrestsMoveAwayFromTheSource) {
    constexpr int kPixels = 200;
    std::vector<double> turns;  // the path's length at each pixel, in wavelengths
    for (int i = 0; i < kPixels; ++i) {
        turns.push_back(3.0 + (i + 0.5) / kPixels);
    }
    std::vector<double> re(kPixels);
    std::vector<double> im(kPixels);
    PhaseArrows(turns, re, im, BestKernelLevel());
    for (std::size_t i = 0; i < re.size(); ++i) {
        re[i] *= 1.05;  // a little beyond full colour, so the crest is a band of equal pixels
        im[i] *= 1.05;
    }
    const FieldScale scale = ScaleFor(10.0, false);  // full colour at a value of 1
    const std::uint32_t crestColour = WaveColours().back();
    double before = -1.0;
    for (const double t : {0.25, 0.3, 0.35, 0.4, 0.45}) {
        std::vector<std::uint32_t> pixels;
        PaintWaves(re, im, kPixels, 1, 1, t, scale, pixels);
        double sum = 0.0;
        int crest = 0;
        for (int i = 0; i < kPixels; ++i) {
            if (pixels[static_cast<std::size_t>(i)] == crestColour) {
                sum += i + 0.5;
                ++crest;
            }
        }
        ASSERT_GT(crest, 0) << t;
        const double at = sum / crest / kPixels;  // in wavelengths from the strip's start
        EXPECT_NEAR(at, t, 2.0 / kPixels) << "the crest at time " << t;
        EXPECT_GT(at, before);
        before = at;
    }
}

// A run in light of the one wavelength at 550 nanometres draws the monochrome run's picture,
// operation for operation, and records the same p: the white run of one wavelength is the run.
TEST(WhiteRun, OfOneWavelengthAt550DrawsTheMonochromeRunsPicture) {
    SettingsTexts texts;
    texts.patternCaption = "Mirror Number Double";
    texts.resolutionX = ".5";
    auto planned = PlanRun(ReadExperimentSettings(texts, kStartSource));
    RunPlan plan = std::get<RunPlan>(planned);
    RecordingCanvas monoCanvas;
    PictureHost mono(monoCanvas, plan.settings.gain);
    RunCalculation(plan, mono);
    plan.settings.light = Light{{kTypedNanometres}};
    RecordingCanvas whiteCanvas;
    PictureHost white(whiteCanvas, plan.settings.gain);
    RunCalculation(plan, white);
    EXPECT_EQ(whiteCanvas.Ops(), monoCanvas.Ops());
    EXPECT_EQ(white.Record().p, mono.Record().p);
    EXPECT_EQ(white.Record().colours[0].size(), plan.detectorX.size());
}

// What a pixel of the true-colour field shows, and a band's colour: the brightness from the
// white value on the field's scale, the hue from the light's colour; white full where a grey
// would be, a colour beyond the screen's made paler rather than another hue, a colour brighter
// than full dimmed to its brightest, no light black.
TEST(TrueColour, BrightnessFromTheWhiteValueHueFromTheLight) {
    struct Case {
        const char* what;
        double p;  // of 2 paths, full brightness at p / N^2 = 1 (gain 10)
        LinearRgb colour;
        Rgb shown;
    };
    const Case cases[] = {
        {"white at full", 4.0, {4.0, 4.0, 4.0}, {255, 255, 255}},
        {"grey at a fifth", 0.8, {0.8, 0.8, 0.8}, {SrgbByte(0.2), SrgbByte(0.2), SrgbByte(0.2)}},
        {"red at full", 4.0, {4.0, 0.0, 0.0}, {255, 0, 0}},
        {"green beyond the screen, paler",
         4.0,
         {-0.4, 2.0, 0.0},
         {0, SrgbByte(0.6), SrgbByte(0.1)}},
        {"orange twice as bright as full, dimmed", 8.0, {8.0, 4.0, 0.0}, {255, SrgbByte(0.5), 0}},
        {"no light", 0.0, {0.0, 0.0, 0.0}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        std::vector<std::uint32_t> pixels;
        PaintTrueColour(std::vector<double>{c.p}, std::vector<LinearRgb>{c.colour}, 1, 1, 2,
                        ScaleFor(10.0, false), pixels);
        const std::uint32_t expected = 0xff000000u | (std::uint32_t{c.shown.r} << 16) |
                                       (std::uint32_t{c.shown.g} << 8) | c.shown.b;
        EXPECT_EQ(pixels, std::vector<std::uint32_t>{expected}) << c.what;
    }
    EXPECT_EQ(BandColour({0.02, 0.01, 0.0}), (Rgb{255, SrgbByte(0.5), 0})) << "dim orange";
    EXPECT_EQ(BandColour({0.0, 0.0, 0.0}), (Rgb{0, 0, 0}));
    std::vector<std::uint32_t> pixels;
    PaintTrueColour(std::vector<double>{4.0}, std::vector<LinearRgb>{{4.0, 4.0, 4.0}}, 1, 1, 0,
                    ScaleFor(10.0, false), pixels);
    EXPECT_EQ(pixels, std::vector<std::uint32_t>{0xff000000u}) << "without paths no light";
}

// In white light the run's table writes the white value in p, p_over_n2 and plotted and adds
// the colour at its brightest, all three 0 where no light arrived, and says so in its comments;
// the table of a monochrome run keeps its columns.
TEST(RunTable, InWhiteLightAddsEachPointsColourAtItsBrightest) {
    SettingsTexts texts;
    texts.resolutionX = "50";  // x = 0, 50, 100
    ExperimentSettings settings = ReadExperimentSettings(texts, kStartSource);
    settings.light = WhiteLight();
    RunPlan plan = std::get<RunPlan>(PlanRun(settings));
    const double n = plan.paths.Count();
    RunPictureRecord record;
    record.p[0] = {0.0, 2.0 * n * n, 0.5 * n * n};
    record.colours[0] = {{0.0, 0.0, 0.0}, {1.0, 2.0, 4.0}, {-0.1, 0.2, 0.1}};
    const std::string table = RunTableCsv(plan, record, "1.0");
    EXPECT_NE(table.find("\n# light: white, 31 wavelengths of equal power from 400 to 700 nm"),
              std::string::npos);
    const auto rowsOf = [](const std::string& csv) {
        return csv.substr(csv.find("\nscreen_distance") + 1);
    };
    // The row of a point of the farthest screen up to its X_from_centre.
    const auto row = [&](const char* x, double p, const char* rest) {
        return "100," + std::string(x) + "," + std::to_string(plan.paths.Count()) + "," +
               FullNumber(p) + "," + rest;
    };
    // The textbook's two cells of a point of the farthest screen, in the light of the settings.
    const auto textbook = [&](double x) {
        const std::optional<FarField> theory = FarField::Of(plan.settings, plan.row);
        return FullNumber(plan.settings.gain * theory->PredictionAt(x, kScreenYs[0]).value()) +
               "," + FullNumber(theory->FresnelNumber(DistanceFromRow(kScreenYs[0])).value());
    };
    EXPECT_EQ(rowsOf(table),
              "screen_distance,x,paths,p,p_over_n2,plotted,X_from_centre,theory,fresnel,r,g,b\n" +
                  row("0", 0.0, "0,0,-50,") + textbook(0) + ",0,0,0\n" +
                  row("50", 2.0 * n * n, "2,20,0,") + textbook(50) + ",0.25,0.5,1\n" +
                  row("100", 0.5 * n * n, "0.5,5,50,") + textbook(100) + ",-0.5,1,0.5\n");
    plan.settings.light = Light{};
    const std::string mono = RunTableCsv(plan, record, "1.0");
    EXPECT_EQ(mono, RunTableCsv(plan, record.p, "1.0"));
    EXPECT_EQ(rowsOf(mono),
              "screen_distance,x,paths,p,p_over_n2,plotted,X_from_centre,theory,"
              "fresnel\n" +
                  row("0", 0.0, "0,0,-50,") + textbook(0) + "\n" +
                  row("50", 2.0 * n * n, "2,20,0,") + textbook(50) + "\n" +
                  row("100", 0.5 * n * n, "0.5,5,50,") + textbook(100) + "\n");
    EXPECT_EQ(mono.find("light"), std::string::npos);
}

}  // namespace
}  // namespace pathsum
