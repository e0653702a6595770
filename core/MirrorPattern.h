#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "Limits.h"
#include "Refusal.h"

namespace pathsum {

enum class MirrorPattern { None, Single, Double, Triple, Four, Five, Grating };

// The captions of the Pattern button, in the order they are matched and cycled.
inline constexpr std::array<std::string_view, 6> kPatternCaptions = {
    "Mirror Number Single", "Mirror Number Double", "Mirror Number Triple",
    "Mirror Number Four",   "Mirror Number Five",   "Mirror Number Grating"};

// Exact, case-sensitive match; a caption that matches none gives MirrorPattern::None.
MirrorPattern PatternFromCaption(std::string_view caption);

// The caption after `caption` in the cycle (Grating wraps to Single); nothing when `caption`
// is not one of the six.
std::optional<std::string_view> NextPatternCaption(std::string_view caption);

// The row of equal elements on the line y = 100 that a run works on. Element k spans
// leftEdges[k] to leftEdges[k] + width; the edges are listed left to right.
struct ElementRow {
    int count = 0;
    double firstLeft = 0.0;
    double width = 0.0;
    double spacing = 0.0;  // gap between the right edge of one element and the next left edge
    std::vector<double> leftEdges;
};

// Builds the row of a pattern. A grating whose width plus spacing is 0 or less, or which would
// hold more than kMaxGratingElements elements, is refused.
// Width and spacing come as the refusals quote them (Refusal.h); any number will do.
Checked<ElementRow> BuildElementRow(MirrorPattern pattern, const Entry& width,
                                    const Entry& spacing);

}  // namespace pathsum
