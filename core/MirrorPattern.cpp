#include "MirrorPattern.h"

#include "Geometry.h"

namespace pathsum {

MirrorPattern PatternFromCaption(std::string_view caption) {
    constexpr std::array<MirrorPattern, 6> kPatterns = {
        MirrorPattern::Single, MirrorPattern::Double, MirrorPattern::Triple,
        MirrorPattern::Four,   MirrorPattern::Five,   MirrorPattern::Grating};
    for (std::size_t i = 0; i < kPatternCaptions.size(); ++i) {
        if (caption == kPatternCaptions[i]) {
            return kPatterns[i];
        }
    }
    return MirrorPattern::None;
}

std::optional<std::string_view> NextPatternCaption(std::string_view caption) {
    for (std::size_t i = 0; i < kPatternCaptions.size(); ++i) {
        if (caption == kPatternCaptions[i]) {
            return kPatternCaptions[(i + 1) % kPatternCaptions.size()];
        }
    }
    return std::nullopt;
}

namespace {

// The row runs across the plot from edge to edge.
constexpr double kRowLength = kPlotRight - kPlotLeft;

// The fixed patterns are centred on the row; each computes its left edges with its own
// expressions, so rounding matches what the row has always been.
std::vector<double> FixedLeftEdges(MirrorPattern pattern, double w, double s) {
    switch (pattern) {
        case MirrorPattern::Single:
            return {(kRowLength - w) / 2.0};
        case MirrorPattern::Double:
            return {kCentreX - (w + s / 2.0), kCentreX + s / 2.0};
        case MirrorPattern::Triple:
            return {kCentreX - (3.0 * w / 2.0 + s), kCentreX - w / 2.0, kCentreX + s + w / 2.0};
        case MirrorPattern::Four:
            return {kCentreX - (2.0 * w + 3.0 * s / 2.0), kCentreX - (w + s / 2.0),
                    kCentreX + s / 2.0, kCentreX + w + 3.0 * s / 2.0};
        case MirrorPattern::Five:
            return {kCentreX - (5.0 * w / 2.0 + 2.0 * s), kCentreX - (3.0 * w / 2.0 + s),
                    kCentreX - w / 2.0, kCentreX + s + w / 2.0, kCentreX + 2.0 * s + 3.0 * w / 2.0};
        default:
            return {};
    }
}

}  // namespace

Checked<ElementRow> BuildElementRow(MirrorPattern pattern, const Entry& widthEntry,
                                    const Entry& spacingEntry) {
    const double width = widthEntry.value;
    const double spacing = spacingEntry.value;
    ElementRow row;
    row.width = width;
    row.spacing = spacing;
    if (pattern == MirrorPattern::None) {
        return row;
    }
    if (pattern != MirrorPattern::Grating) {
        if (pattern == MirrorPattern::Single) {
            row.spacing = kRowLength - width;
        }
        row.leftEdges = FixedLeftEdges(pattern, width, row.spacing);
        row.count = static_cast<int>(row.leftEdges.size());
        row.firstLeft = row.leftEdges.front();
        return row;
    }
    if (!(width + spacing > 0.0)) {
        return refusals::GratingNeverEnds(widthEntry, spacingEntry);
    }
    // Accumulated exactly as x = (x + w) + s, so rounding decides the last element the same
    // way every time.
    double x = kPlotLeft;
    while (x < kPlotRight) {
        if (row.count == kMaxGratingElements) {
            return refusals::GratingTooFine(widthEntry, spacingEntry);
        }
        row.leftEdges.push_back(x);
        ++row.count;
        x = (x + width) + spacing;
    }
    row.firstLeft = kPlotLeft;
    return row;
}

}  // namespace pathsum
