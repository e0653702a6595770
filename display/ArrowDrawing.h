#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ArrowChain.h"
#include "FieldWaves.h"
#include "PlotCanvas.h"
#include "Translation.h"

namespace pathsum {

// A point of an arrow picture, in pixels of its surface: x to the right, y downwards.
struct SurfacePoint {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const SurfacePoint&, const SurfacePoint&) = default;
};

// What the arrow picture is drawn on: the window's view of it, or a recording for tests.
class ArrowSurface {
  public:
    virtual ~ArrowSurface() = default;

    virtual void Clear(Rgb background) = 0;
    // One connected line through the points, `width` pixels wide.
    virtual void Polyline(const std::vector<SurfacePoint>& points, Rgb colour, float width) = 0;
    // A straight arrow from `from` with its head at `to`.
    virtual void Arrow(SurfacePoint from, SurfacePoint to, Rgb colour, float width) = 0;
    // A line of text whose left end, on its base line, is `at`.
    virtual void Text(SurfacePoint at, const std::string& text, Rgb colour) = 0;
};

struct ArrowView {
    int width = 0;  // pixels of the surface
    int height = 0;
    bool elementResultants = false;  // each element's own resultant over the chain
    // While the field shows its waves, the turn of the instant (WaveTurnAt) by which every
    // arrow, and so the whole chain and its resultant, is turned; none: standing still.
    std::optional<WaveTurn> turn;
};

// Where a chain was put: a unit arrow is `scale` pixels long, the chain starts at `origin`
// and ends at `end`, the resultant's head. A turned chain's resultant projects on the horizontal
// axis through the origin at `projection`: (projection.x - origin.x) / scale / N is the value
// the field's pixel shows at that instant (WaveValue).
struct ArrowPlacement {
    double scale = 0.0;
    SurfacePoint origin;
    SurfacePoint end;
    SurfacePoint projection;
};

// Below this many paths every arrow is drawn as an arrow; from it on, the chain is drawn as the
// curve its heads make, which is all that can be seen of thousands of short arrows.
inline constexpr int kMostSeparateArrows = 64;

// The colour of the paths that meet element k, and of its resultant.
Rgb ElementColour(int element);
inline constexpr Rgb kResultantColour{200, 30, 30};

// The scale and origin that fit the chain, the origin included, into the view with a margin,
// with room for the scale bar below it. A turned chain (the view's `turn`) is fitted at every
// turn at once: the origin in the middle, the scale that of the circle round it that holds the
// chain however it turns, so that it turns in place, neither moving nor growing.
ArrowPlacement PlaceChain(const ArrowChain& chain, const ArrowView& view);

// Draws the chain head to tail in the colours of its elements, the resultant from the origin
// to its end, on request each element's resultant, and a scale bar with the unit arrow's
// length; turned, also the horizontal axis through the origin and the resultant's projection on
// it, in the waves' colour of its sign (a crest's or a trough's). The curve of a long chain is
// thinned to what the pixels can show (a part that only goes over pixels already drawn is left
// out), so that millions of paths draw as fast as a few thousand. Nothing but the background is
// drawn for a chain without paths.
ArrowPlacement DrawArrowChain(ArrowSurface& surface, const ArrowChain& chain,
                              const ArrowView& view);

// A detector's X as people read it: measured from the centre, as the source label counts, and
// rounded to a millionth so that the additions of the detector step do not show.
std::string DetectorXText(double x);

// One number the arrow window shows: its name, its value for people to read (a few
// significant digits) and with every digit.
struct ChainNumber {
    std::string name;
    std::string text;
    std::string full;
    friend bool operator==(const ChainNumber&, const ChainNumber&) = default;
};

// The names of the point's two numbers: where it is, as the window's labels give a point. They
// are given in the user's language, as every name ChainNumbers gives.
inline constexpr const char* kChainYName = QT_TRANSLATE_NOOP("ChainNumbers", "Y (below the row)");
inline constexpr const char* kChainXName = QT_TRANSLATE_NOOP("ChainNumbers", "X (from the centre)");

// The numbers the arrow window shows for a chain: the point's Y (the screen's distance from the
// row), its X (DetectorXText), N, |S|, p, p / N^2, the plotted value, the shortest and
// longest path.
// How many numbers ChainNumbers gives at most: the window keeps room for them all.
inline constexpr int kMostChainNumbers = 9;
std::vector<ChainNumber> ChainNumbers(const ArrowChain& chain, double screenY, double x,
                                      double gain);

}  // namespace pathsum
