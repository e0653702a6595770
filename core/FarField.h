#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ExperimentSettings.h"
#include "MirrorPattern.h"

namespace pathsum {

// What the textbook predicts for a run, to set beside the sum over paths: the far-field
// (Fraunhofer) pattern, the Fresnel number that says whether a distance is far enough for it,
// the spacing of bright fringes, the directions of a grating's orders and of a mirror's beam,
// and whether the run's rays are too sparse for its wavelength. The derivation is in
// FarField.cpp.

// The part of the element row inside the plot: each element clipped to 0..100 (the rays of a
// run count only there), elements wholly outside left out.
struct LitRow {
    int elements = 0;    // elements with some width inside the plot
    double left = 0.0;   // the first lit element's left edge
    double right = 0.0;  // the last lit element's right edge
    double width = 0.0;  // W: the lit widths added up (the gaps between elements not counted)

    // c: halfway between the first left edge and the last right edge.
    double Centre() const { return 0.5 * (left + right); }
    // a: half the lit row from its first left edge to its last right edge, gaps included.
    double HalfExtent() const { return 0.5 * (right - left); }
};

LitRow LitRowOf(const ElementRow& row);

// A straight line of the plot frame, from (x0, y0) to (x1, y1).
struct PlotLine {
    double x0 = 0.0;
    double y0 = 0.0;
    double x1 = 0.0;
    double y1 = 0.0;
};

// The lines the textbook draws over the field of light, each from the row down to where it
// leaves the plot square.
enum class GuideKind {
    Order,     // a grating's order m, from the row's centre
    Specular,  // one element: angle out equal to angle in, from the element's centre
    BeamEdge,  // one element: the reflected ray of the source at one of its two edges
};

struct GuideLine {
    GuideKind kind = GuideKind::Order;
    int order = 0;      // m, for GuideKind::Order
    double sine = 0.0;  // sine of the line's angle from the downward vertical, + towards +x
    PlotLine line;
};

// The far-field prediction of a run: its settings (the source after the far-source rule, the
// wavelength, the light) and its element row. Cheap to make and to ask, whatever the size of the
// grating. In light of several wavelengths the prediction is the mean of each wavelength's, as
// the run's white value is the mean of each wavelength's p / N^2; the Fresnel number, the fringe
// spacing and the orders' directions are the typed wavelength's (550 nm in white light).
class FarField {
  public:
    // Nothing where the prediction is not defined: no element lies inside the plot, the
    // wavelength is 0 or not finite, or the source stands on the centre of the lit row.
    static std::optional<FarField> Of(const ExperimentSettings& settings, const ElementRow& row);

    const LitRow& Lit() const { return lit_; }

    // sin(theta_in): the sine of the angle from the downward vertical at the row's centre to
    // the source, positive when the source lies towards +x.
    double SineIn() const { return sineIn_; }

    // q = (c - x_S)/|S - C| + (c - x_D)/|D - C| for the detector point D = (x, y), C = (c, 100):
    // the sine of the angle in plus the sine of the angle out, -(SineIn() + sin(theta_out)) with
    // theta_out measured as theta_in is, to D. Nothing at C itself.
    std::optional<double> Q(double x, double y) const;

    // The prediction |(1/W) sum_k integral over element k of exp(2 pi i q (u - c) / lambda) du|^2
    // for a q: 1 at q = 0, between 0 and 1 everywhere, in the units of p / N^2.
    // In light of several wavelengths, the mean of that over the spectrum.
    double Prediction(double q) const;

    // The prediction at the detector point (x, y); nothing at the row's centre.
    std::optional<double> PredictionAt(double x, double y) const;

    // The prediction at every detector x of the screen at `screenY` (prediction.size() equal to
    // detectorX.size()); NaN where there is none.
    void PredictScreen(double screenY, std::span<const double> detectorX,
                       std::span<double> prediction) const;

    // F = a^2 / (lambda L_eff) at `distance` below the row, L_eff = L L_S / (L + L_S) with L_S the
    // source's distance below the row. Nothing unless both distances are above 0.
    std::optional<double> FresnelNumber(double distance) const;

    // The textbook's spacing of neighbouring bright fringes at `distance` below the row:
    // lambda L / d, d = width + spacing, the elements' centre to centre. Nothing for one lit
    // element (no fringes of that kind) or a period of 0.
    std::optional<double> FringeSpacing(double distance) const;

    // The textbook's directions: for two or more lit elements the orders m that exist,
    // sin(theta_out) = m lambda / d - sin(theta_in) with |sin(theta_out)| <= 1 (m from
    // -kMostOrdersEachSide to kMostOrdersEachSide, in increasing order); for one lit element the
    // specular direction and the two edges of the geometric beam.
    std::vector<GuideLine> GuideLines() const;

  private:
    double MonochromePrediction(double q, double wavelength) const;

    // Equal elements side by side, from the first one's centre `firstMid` (measured from c) on,
    // the row's period apart: a closed form each, whatever their number.
    struct Run {
        double firstMid = 0.0;
        double width = 0.0;
        int count = 0;
    };

    FarField() = default;

    LitRow lit_;
    std::vector<Run> runs_;
    double period_ = 0.0;
    double wavelength_ = 0.0;
    std::vector<double> spectrum_;  // each wavelength of light of several; empty for one
    double sourceX_ = 0.0;
    double sourceY_ = 0.0;
    double sourceDistance_ = 0.0;  // |S - C|
    double sineIn_ = 0.0;
};

// Near or far, as a screen's Fresnel number says it.
enum class Regime { Far, Between, Near };

// "far" below 0.3, "near" above 3, "between" otherwise.
Regime RegimeOf(double fresnelNumber);

// A Fresnel number with two significant digits and its regime, in the user's language: in
// English "F=0.047 far", "F=12 near".
std::string FresnelCaption(double fresnelNumber);

// Rays too sparse for the wavelength: where neighbouring rays from the source meet the lit row
// more than half a wavelength apart, the sum over the sampled paths repeats itself at angles
// where the light has none (a sum of arrows sampled `gap` apart along the row cannot tell q from
// q + lambda / gap, and |q| reaches 2), so it shows clean beams that are not there.
struct SparsePaths {
    // How far apart neighbouring rays meet the lit row, at most.
    double largestGap = 0.0;
    // The coarsest resolution of 1, 2 or 5 times a power of ten that is fine enough.
    double fineResolution = 0.0;
    // Whether a sweep at fineResolution stays within the rays a run may try (kMaxRaysPerSweep).
    bool withinRayLimit = true;
};

// Nothing when the rays are fine enough, and where there is nothing to judge: no element inside
// the plot, the source on the row's line, a resolution or a wavelength no run accepts.
std::optional<SparsePaths> TooFewPaths(const ExperimentSettings& settings, const ElementRow& row);

// The largest of 1, 2 or 5 times a power of ten that is not above `value` (> 0).
double RoundedDownTo125(double value);

}  // namespace pathsum
