#include "ArrowDrawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_set>

#include "Geometry.h"
#include "GraphPlotter.h"
#include "NumberText.h"

namespace pathsum {
namespace {

constexpr Rgb kBackground{255, 255, 255};
constexpr Rgb kInk{0, 0, 0};
constexpr float kMargin = 16.0f;
constexpr float kBarSpace = 30.0f;  // below the chain, for the scale bar
constexpr float kArrowWidth = 1.5f;
constexpr float kCurveWidth = 1.0f;
constexpr float kElementResultantWidth = 3.0f;
constexpr float kResultantWidth = 3.5f;

// From the chain's plane to the surface: turned by the waves' turn (none: by 0), scaled, and
// put at the origin, y upwards.
struct Mapping {
    ArrowPlacement placement;
    WaveTurn turn;
    SurfacePoint operator()(double cx, double cy) const {
        const double x = cx * turn.cos - cy * turn.sin;
        const double y = cx * turn.sin + cy * turn.cos;
        return {static_cast<float>(placement.origin.x + placement.scale * x),
                static_cast<float>(placement.origin.y - placement.scale * y)};
    }
    // The head of path j, in single precision like the heads themselves.
    SurfacePoint Head(const ArrowChain& chain, int j) const {
        const auto i = static_cast<std::size_t>(j);
        const auto scale = static_cast<float>(placement.scale);
        const auto c = static_cast<float>(turn.cos);
        const auto s = static_cast<float>(turn.sin);
        const float x = chain.headX[i] * c - chain.headY[i] * s;
        const float y = chain.headX[i] * s + chain.headY[i] * c;
        return {placement.origin.x + scale * x, placement.origin.y - scale * y};
    }
};

// Keeps a long curve to what its pixels can show. Heads that fall in the pixel the curve is
// already in are passed over at the cost of a comparison; a step of the curve between
// neighbouring pixels that were both drawn already adds nothing and lifts the pen; a longer
// step is drawn once however often the curve comes back to it.
class CurveThinner {
  public:
    CurveThinner(int width, int height)
        : width_(width), height_(height), drawn_(static_cast<std::size_t>(width * height), 0) {}

    // Draws the curve from `from` through the heads [first, last) of the chain.
    void Draw(ArrowSurface& surface, SurfacePoint from, const ArrowChain& chain, const Mapping& map,
              int first, int last, Rgb colour) {
        const std::vector<int>& heads = HeadsInNewPixels(chain, map, first, last);
        std::vector<SurfacePoint> piece;
        const auto flush = [&] {
            if (piece.size() >= 2) {
                surface.Polyline(piece, colour, kCurveWidth);
            }
            piece.clear();
        };
        SurfacePoint previous = from;
        std::int64_t previousPixel = Index(previous);
        Mark(previousPixel);
        for (const int j : heads) {
            const SurfacePoint point = map.Head(chain, j);
            const std::int64_t pixel = Index(point);
            const float dx = point.x - previous.x;
            const float dy = point.y - previous.y;
            bool adds = false;
            if (dx * dx + dy * dy <= 2.25f) {
                adds = !Drawn(previousPixel) || !Drawn(pixel);
            } else {
                adds = longSteps_.insert(StepKey(previous, point)).second;
            }
            if (adds) {
                if (piece.empty()) {
                    piece.push_back(previous);
                }
                piece.push_back(point);
            } else {
                flush();
            }
            Mark(pixel);
            previous = point;
            previousPixel = pixel;
        }
        flush();
    }

  private:
    // The heads of [first, last) that stand in another pixel than the head before them, and
    // the last one: the others add nothing to the picture. Found block by block on every
    // core, in order.
    std::vector<int>& HeadsInNewPixels(const ArrowChain& chain, const Mapping& map, int first,
                                       int last) {
        constexpr int kBlock = 1 << 16;
        const int blocks = (last - first + kBlock - 1) / kBlock;
        blockHeads_.resize(static_cast<std::size_t>(std::max(blocks, 0)));
#pragma omp parallel for schedule(dynamic) if (blocks > 1)
        for (int b = 0; b < blocks; ++b) {
            std::vector<int>& kept = blockHeads_[static_cast<std::size_t>(b)];
            kept.clear();
            const int from = first + b * kBlock;
            const int to = std::min(last, from + kBlock);
            std::int64_t previous = from > first ? Index(map.Head(chain, from - 1)) : -2;
            for (int j = from; j < to; ++j) {
                const std::int64_t pixel = Index(map.Head(chain, j));
                if (pixel != previous || pixel < 0 || j + 1 == last) {
                    kept.push_back(j);
                }
                previous = pixel;
            }
        }
        heads_.clear();
        for (const std::vector<int>& kept : blockHeads_) {
            heads_.insert(heads_.end(), kept.begin(), kept.end());
        }
        return heads_;
    }

    std::int64_t Index(SurfacePoint p) const {
        if (!(p.x >= 0.0f && p.y >= 0.0f)) {
            return -1;
        }
        const auto x = static_cast<std::int64_t>(p.x);
        const auto y = static_cast<std::int64_t>(p.y);
        if (x >= width_ || y >= height_) {
            return -1;
        }
        return y * width_ + x;
    }
    bool Drawn(std::int64_t pixel) const {
        return pixel >= 0 && drawn_[static_cast<std::size_t>(pixel)] != 0;
    }
    void Mark(std::int64_t pixel) {
        if (pixel >= 0) {
            drawn_[static_cast<std::size_t>(pixel)] = 1;
        }
    }
    // The pixels a step joins, either way round.
    static std::uint64_t StepKey(SurfacePoint a, SurfacePoint b) {
        auto pixel = [](SurfacePoint p) {
            const auto x = static_cast<std::uint64_t>(static_cast<std::uint16_t>(std::floor(p.x)));
            const auto y = static_cast<std::uint64_t>(static_cast<std::uint16_t>(std::floor(p.y)));
            return (x << 16) | y;
        };
        const std::uint64_t pa = pixel(a);
        const std::uint64_t pb = pixel(b);
        return pa < pb ? (pa << 32) | pb : (pb << 32) | pa;
    }

    int width_;
    int height_;
    std::vector<std::uint8_t> drawn_;
    std::unordered_set<std::uint64_t> longSteps_;
    std::vector<std::vector<int>> blockHeads_;
    std::vector<int> heads_;
};

// The point of the chain before path `index`: the origin, or the head of the path before.
SurfacePoint Before(const ArrowChain& chain, const Mapping& map, int index) {
    if (index <= 0) {
        return map(0.0, 0.0);
    }
    const auto i = static_cast<std::size_t>(index - 1);
    return map(chain.headX[i], chain.headY[i]);
}

Rgb Darker(Rgb c) {
    return {static_cast<std::uint8_t>(c.r * 2 / 3), static_cast<std::uint8_t>(c.g * 2 / 3),
            static_cast<std::uint8_t>(c.b * 2 / 3)};
}

void DrawScaleBar(ArrowSurface& surface, const ArrowView& view, double scale) {
    double arrows = 1.0;
    while (arrows * scale < 24.0) {
        arrows *= 10.0;
    }
    const float y = static_cast<float>(view.height) - kMargin;
    const float length = static_cast<float>(arrows * scale);
    surface.Polyline({{kMargin, y}, {kMargin + length, y}}, kInk, 2.0f);
    const std::string bar =
        arrows == 1.0 ? Filled(Translated("ArrowDrawing", "1 arrow  (one arrow: %1 pixels)"),
                               {ReadableNumber(scale, 4)})
                      : Filled(Translated("ArrowDrawing", "%1 arrows  (one arrow: %2 pixels)"),
                               {ReadableNumber(arrows), ReadableNumber(scale, 4)});
    surface.Text({kMargin + length + 8.0f, y + 4.0f}, bar, kInk);
}

// The horizontal axis through the origin, under the chain, and on it the resultant's
// projection: a bar from the origin in the hue the waves give a crest (or a trough), dark
// enough to stand out on white, and a thin line up (or down) to the resultant's head.
void DrawProjection(ArrowSurface& surface, const ArrowView& view, const ArrowPlacement& placed) {
    constexpr Rgb kAxis{170, 170, 170};
    constexpr float kProjectionWidth = 5.0f;
    const float y = placed.origin.y;
    surface.Polyline({{kMargin, y}, {static_cast<float>(view.width) - kMargin, y}}, kAxis, 1.0f);
    surface.Polyline({placed.end, placed.projection}, kAxis, 1.0f);
    const double side = placed.projection.x >= placed.origin.x ? 0.8 : 0.2;
    surface.Polyline({placed.origin, placed.projection}, WaveColour(side), kProjectionWidth);
}

}  // namespace

Rgb ElementColour(int element) {
    static constexpr std::array<Rgb, 6> kColours = {{
        {31, 119, 180},   // blue
        {230, 120, 10},   // orange
        {40, 150, 40},    // green
        {148, 103, 189},  // purple
        {140, 86, 75},    // brown
        {20, 170, 190},   // teal
    }};
    return kColours[static_cast<std::size_t>(element) % kColours.size()];
}

ArrowPlacement PlaceChain(const ArrowChain& chain, const ArrowView& view) {
    ArrowPlacement placement;
    const double availableWidth = std::max(1.0, view.width - 2.0 * kMargin);
    const double availableHeight = std::max(1.0, view.height - 2.0 * kMargin - kBarSpace);
    placement.origin = {static_cast<float>(view.width / 2.0),
                        static_cast<float>(kMargin + availableHeight / 2.0)};
    placement.end = placement.origin;
    if (chain.count == 0) {
        return placement;
    }
    const float minX = chain.minX;
    const float maxX = chain.maxX;
    const float minY = chain.minY;
    const float maxY = chain.maxY;
    // A chain of one or two arrows would fill the window with a single arrow; half of it is
    // plenty.
    const double largest = 0.5 * std::min(availableWidth, availableHeight);
    if (view.turn) {
        // Every head lies in the box, and the box within the circle through its farthest
        // corner.
        const double reach = std::max(1e-9, std::sqrt(std::max(static_cast<double>(minX) * minX,
                                                               static_cast<double>(maxX) * maxX) +
                                                      std::max(static_cast<double>(minY) * minY,
                                                               static_cast<double>(maxY) * maxY)));
        placement.scale = std::min(largest / reach, largest);
        const Mapping map{placement, *view.turn};
        placement.end = map(chain.cosSum, chain.sinSum);
        placement.projection = {placement.end.x, placement.origin.y};
        return placement;
    }
    const double spanX = std::max(1e-9, static_cast<double>(maxX) - minX);
    const double spanY = std::max(1e-9, static_cast<double>(maxY) - minY);
    placement.scale = std::min({availableWidth / spanX, availableHeight / spanY, largest});
    const double usedWidth = spanX * placement.scale;
    const double usedHeight = spanY * placement.scale;
    placement.origin = {
        static_cast<float>(kMargin + (availableWidth - usedWidth) / 2.0 - minX * placement.scale),
        static_cast<float>(kMargin + (availableHeight - usedHeight) / 2.0 +
                           maxY * placement.scale)};
    placement.end = Mapping{placement, {}}(chain.cosSum, chain.sinSum);
    placement.projection = {placement.end.x, placement.origin.y};
    return placement;
}

ArrowPlacement DrawArrowChain(ArrowSurface& surface, const ArrowChain& chain,
                              const ArrowView& view) {
    surface.Clear(kBackground);
    const ArrowPlacement placement = PlaceChain(chain, view);
    if (chain.count == 0) {
        return placement;
    }
    const Mapping map{placement, view.turn.value_or(WaveTurn{})};
    if (view.turn) {
        DrawProjection(surface, view, placement);
    }
    if (chain.count <= kMostSeparateArrows) {
        for (const ElementLink& link : chain.links) {
            for (int j = link.firstPath; j < link.firstPath + link.pathCount; ++j) {
                const auto i = static_cast<std::size_t>(j);
                surface.Arrow(Before(chain, map, j), map(chain.headX[i], chain.headY[i]),
                              ElementColour(link.element), kArrowWidth);
            }
        }
    } else {
        CurveThinner thinner(view.width, view.height);
        for (const ElementLink& link : chain.links) {
            thinner.Draw(surface, Before(chain, map, link.firstPath), chain, map, link.firstPath,
                         link.firstPath + link.pathCount, ElementColour(link.element));
        }
    }
    if (view.elementResultants) {
        for (const ElementLink& link : chain.links) {
            const SurfacePoint from = Before(chain, map, link.firstPath);
            const SurfacePoint to = Before(chain, map, link.firstPath + link.pathCount);
            surface.Arrow(from, to, Darker(ElementColour(link.element)), kElementResultantWidth);
        }
    }
    surface.Arrow(placement.origin, placement.end, kResultantColour, kResultantWidth);
    DrawScaleBar(surface, view, placement.scale);
    return placement;
}

std::string DetectorXText(double x) {
    constexpr double kMillionths = 1e6;
    return ReadableNumber(std::round(AcrossFromCentre(x) * kMillionths) / kMillionths);
}

// The names ChainNumbers gives, marked for the translators: it gives each in the user's language.
[[maybe_unused]] constexpr const char* kTranslatedChainNames[] = {
    QT_TRANSLATE_NOOP("ChainNumbers", "|S|"),
    QT_TRANSLATE_NOOP("ChainNumbers", "p = |S|\u00b2"),
    QT_TRANSLATE_NOOP("ChainNumbers", "p / N\u00b2"),
    QT_TRANSLATE_NOOP("ChainNumbers", "Plotted, gain \u00b7 p / N\u00b2"),
    QT_TRANSLATE_NOOP("ChainNumbers", "Shortest path (wavelengths)"),
    QT_TRANSLATE_NOOP("ChainNumbers", "Longest path (wavelengths)"),
};

std::vector<ChainNumber> ChainNumbers(const ArrowChain& chain, double screenY, double x,
                                      double gain) {
    const auto number = [](const char* name, double value) {
        return ChainNumber{Translated("ChainNumbers", name), ReadableNumber(value),
                           FullNumber(value)};
    };
    std::vector<ChainNumber> numbers = {
        number(kChainYName, DistanceFromRow(screenY)),
        {Translated("ChainNumbers", kChainXName), DetectorXText(x),
         FullNumber(AcrossFromCentre(x))},
        {Translated("ChainNumbers", "Paths N"), std::to_string(chain.count),
         std::to_string(chain.count)},
    };
    if (chain.count == 0) {
        return numbers;
    }
    const double countSquared = static_cast<double>(chain.count) * chain.count;
    numbers.insert(numbers.end(), {
                                      number("|S|", std::sqrt(chain.p)),
                                      number("p = |S|\u00b2", chain.p),
                                      number("p / N\u00b2", chain.p / countSquared),
                                      number("Plotted, gain \u00b7 p / N\u00b2",
                                             PlottedValue(gain, chain.p, chain.count)),
                                      number("Shortest path (wavelengths)", chain.shortestTurns),
                                      number("Longest path (wavelengths)", chain.longestTurns),
                                  });
    return numbers;
}

}  // namespace pathsum
