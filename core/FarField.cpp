#include "FarField.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>

#include "Geometry.h"
#include "Limits.h"
#include "NumberText.h"
#include "Translation.h"
#include "WhiteLight.h"

namespace pathsum {

// clang-format off
// The far-field prediction, derived.
//
// A path goes from the source S = (x_S, y_S) to the point U = (u, 100) of the row and on to the
// detector point D = (x_D, y_D); its length is l(u) = |S - U| + |U - D|. The engine adds the
// unit arrows exp(2 pi i l(u_j) / lambda) of the N hit points u_j and plots
// p / N^2 = |(1/N) sum_j exp(2 pi i l(u_j) / lambda)|^2. Expand each leg about the point
// C = (c, 100) of the row, with R_S = |S - C| and R_D = |D - C|
// (d/du sqrt((u - x)^2 + h^2) = (u - x) / r, d^2/du^2 = h^2 / r^3):
//
//     |S - U| = R_S + (u - c) (c - x_S) / R_S + (u - c)^2 cos^2(theta_in) / (2 R_S) + ...
//     |U - D| = R_D + (u - c) (c - x_D) / R_D + (u - c)^2 cos^2(theta_out) / (2 R_D) + ...
//
// where theta_in and theta_out are the angles from the downward vertical at C to the source and
// to the detector, positive towards +x. So
//
//     l(u) = l(c) + q (u - c) + (u - c)^2 (cos^2 theta_in / R_S + cos^2 theta_out / R_D) / 2 + ...
//     q    = (c - x_S) / R_S + (c - x_D) / R_D = -(sin(theta_in) + sin(theta_out)).
//
// The constant l(c) drops out of |.|^2. The far field keeps the linear term alone: it holds
// where the quadratic term turns the arrows by much less than a turn across the lit row. On the
// axis (cos = 1) that term at the row's edges, u - c = +-a, turns the arrow by
// pi a^2 / lambda (1/L + 1/L_S) = pi F, with L and L_S the detector's and the source's distances
// below the row: the Fresnel number F = a^2 / (lambda L_eff), L_eff = L L_S / (L + L_S), says
// how far from the far field a distance is (far for F << 1, near for F >> 1).
//
// Take the hit points as spread evenly over the lit widths, N / W of them per unit of length (W
// the lit widths added up): the mean over the paths becomes (1/W) times the integral over the
// lit elements [a_k, b_k], and
//
//     P(q) = |(1/W) sum_k integral from a_k to b_k of exp(i kappa (u - c)) du|^2,
//     kappa = 2 pi q / lambda.
//
// P is 1 at q = 0 (every arrow in step) and, by the triangle inequality, never above 1.
//
// One element, of width w = b - a and centre m = (a + b) / 2 - c:
//
//     integral from a to b of exp(i kappa (u - c)) du = exp(i kappa m) w sinc(kappa w / 2),
//     sinc x = sin x / x, sinc 0 = 1.
//
// This form has no 0/0 as q -> 0 (the textbook's (exp(i kappa (b - c)) - exp(i kappa (a - c)))
// / (i kappa) loses every digit there), and its zeros are where kappa w / 2 = m pi, that is
// w q = m lambda: the dark places of one slit.
//
// n equal elements of width w, their centres m_0 + j d (d = width + spacing, j = 0 .. n - 1):
//
//     sum_j exp(i kappa (m_0 + j d)) w sinc(kappa w / 2)
//         = w sinc(kappa w / 2) exp(i kappa m_0) exp(i (n - 1) theta / 2) D_n(theta),
//     D_n(theta) = sin(n theta / 2) / sin(theta / 2),   theta = kappa d.
//
// Replacing theta by theta - 2 pi k multiplies each of the last two factors by
// (-1)^((n - 1) k), so theta is first reduced to [-pi, pi]: the 0/0 of D_n at the orders
// (theta = 2 pi k, d q = k lambda, where every element's arrow is in step) is then met only at
// theta = 0, where D_n is n. With every element inside the plot, W = n w and
//
//     P = sinc^2(kappa w / 2) [sin(n theta / 2) / (n sin(theta / 2))]^2,
//
// the single element's envelope times the n-slit factor; for two slits it is
// cos^2(theta / 2) sinc^2(kappa w / 2), the textbook's cos^2 sinc^2. An element cut by the
// plot's edge (a grating's last one, a mirror wider than the plot) has a width and a centre of
// its own and is added as one element by itself.
//
// Orders: the n-slit factor is 1 where d q = k lambda. The program numbers them m = -k, so that
// sin(theta_out) = m lambda / d - sin(theta_in): for a source straight below the row
// (theta_in = 0) the order m leans towards +x for m > 0, and m = 0 is the specular direction,
// theta_out = -theta_in (angle out equal to angle in, on the other side of the vertical). The
// row reflects: the light comes up from the source below and goes back down, so a slit's
// transmitted pattern is shown mirrored across the row.
// clang-format on

namespace {

double Sinc(double x) {
    return x == 0.0 ? 1.0 : std::sin(x) / x;
}

// sin(n t / 2) / sin(t / 2) for t in [-pi, pi]: n at t = 0.
double SlitFactor(int n, double t) {
    const double below = std::sin(0.5 * t);
    return below == 0.0 ? static_cast<double>(n) : std::sin(0.5 * n * t) / below;
}

// Where the line from (x, y) in the direction (sine, -sqrt(1 - sine^2)), downwards, leaves the
// plot square (x within 0..100, y at most 100 and at least 0).
PlotLine LineDown(double x, double y, double sine) {
    const double down = std::sqrt(std::max(0.0, 1.0 - sine * sine));
    double length = std::numeric_limits<double>::infinity();
    if (down > 0.0) {
        length = y / down;
    }
    if (sine > 0.0) {
        length = std::min(length, (kPlotRight - x) / sine);
    } else if (sine < 0.0) {
        length = std::min(length, (x - kPlotLeft) / -sine);
    }
    if (!std::isfinite(length) || length < 0.0) {
        length = 0.0;
    }
    return {x, y, x + length * sine, y - length * down};
}

}  // namespace

LitRow LitRowOf(const ElementRow& row) {
    LitRow lit;
    for (double edge : row.leftEdges) {
        const double left = std::max(edge, kPlotLeft);
        const double right = std::min(edge + row.width, kPlotRight);
        if (!(right > left)) {
            continue;
        }
        lit.left = lit.elements == 0 ? left : std::min(lit.left, left);
        lit.right = lit.elements == 0 ? right : std::max(lit.right, right);
        lit.width += right - left;
        ++lit.elements;
    }
    return lit;
}

std::optional<FarField> FarField::Of(const ExperimentSettings& settings, const ElementRow& row) {
    FarField field;
    field.lit_ = LitRowOf(row);
    field.wavelength_ = settings.wavelength;
    field.sourceX_ = settings.source.x;
    field.sourceY_ = settings.source.y;
    const double c = field.lit_.Centre();
    field.sourceDistance_ = std::hypot(field.sourceX_ - c, kRowY - field.sourceY_);
    if (field.lit_.elements == 0 || !std::isfinite(field.wavelength_) || field.wavelength_ == 0.0 ||
        !(field.sourceDistance_ > 0.0) || !std::isfinite(field.sourceDistance_)) {
        return std::nullopt;
    }
    field.sineIn_ = (field.sourceX_ - c) / field.sourceDistance_;
    for (const double nanometres : settings.light.nanometres) {
        field.spectrum_.push_back(WavelengthAt(settings.wavelength, nanometres));
    }
    field.period_ = row.width + row.spacing;

    // Whole elements side by side make one run; an element cut by the plot's edge is a run of
    // its own.
    bool extending = false;
    for (double edge : row.leftEdges) {
        const double left = std::max(edge, kPlotLeft);
        const double right = std::min(edge + row.width, kPlotRight);
        if (!(right > left)) {
            extending = false;
            continue;
        }
        const bool whole = left == edge && right == edge + row.width;
        if (whole && extending) {
            ++field.runs_.back().count;
            continue;
        }
        field.runs_.push_back({0.5 * (left + right) - c, right - left, 1});
        extending = whole;
    }
    return field;
}

std::optional<double> FarField::Q(double x, double y) const {
    const double c = lit_.Centre();
    const double detectorDistance = std::sqrt((c - x) * (c - x) + (kRowY - y) * (kRowY - y));
    if (!(detectorDistance > 0.0)) {
        return std::nullopt;
    }
    return (c - sourceX_) / sourceDistance_ + (c - x) / detectorDistance;
}

double FarField::Prediction(double q) const {
    if (spectrum_.empty()) {
        return MonochromePrediction(q, wavelength_);
    }
    double sum = 0.0;
    for (const double wavelength : spectrum_) {
        sum += MonochromePrediction(q, wavelength);
    }
    return sum / static_cast<double>(spectrum_.size());
}

double FarField::MonochromePrediction(double q, double wavelength) const {
    if (q == 0.0) {
        return 1.0;
    }
    const double kappa = 2.0 * kPi * q / wavelength;
    const double theta = std::remainder(kappa * period_, 2.0 * kPi);
    const auto size = [&](const Run& run) {
        return run.width * Sinc(0.5 * kappa * run.width) * SlitFactor(run.count, theta) /
               lit_.width;
    };
    if (runs_.size() == 1) {
        // One run of whole elements, the common case: its phase drops out.
        const double one = size(runs_.front());
        return one * one;
    }
    std::complex<double> sum = 0.0;
    for (const Run& run : runs_) {
        sum += std::polar(size(run), kappa * run.firstMid + 0.5 * (run.count - 1) * theta);
    }
    return std::norm(sum);
}

std::optional<double> FarField::PredictionAt(double x, double y) const {
    const auto q = Q(x, y);
    if (!q) {
        return std::nullopt;
    }
    return Prediction(*q);
}

void FarField::PredictScreen(double screenY, std::span<const double> detectorX,
                             std::span<double> prediction) const {
    for (std::size_t i = 0; i < detectorX.size() && i < prediction.size(); ++i) {
        prediction[i] =
            PredictionAt(detectorX[i], screenY).value_or(std::numeric_limits<double>::quiet_NaN());
    }
}

std::optional<double> FarField::FresnelNumber(double distance) const {
    const double sourceBelow = DistanceFromRow(sourceY_);
    if (!(distance > 0.0) || !(sourceBelow > 0.0)) {
        return std::nullopt;
    }
    const double a = lit_.HalfExtent();
    // a^2 / (lambda L_eff) with 1 / L_eff = 1 / L + 1 / L_S.
    return a * a * (1.0 / distance + 1.0 / sourceBelow) / std::fabs(wavelength_);
}

std::optional<double> FarField::FringeSpacing(double distance) const {
    if (lit_.elements < 2 || period_ == 0.0) {
        return std::nullopt;
    }
    return std::fabs(wavelength_) * distance / std::fabs(period_);
}

std::vector<GuideLine> FarField::GuideLines() const {
    std::vector<GuideLine> lines;
    const double c = lit_.Centre();
    if (lit_.elements == 1) {
        // The ray from the source to a point of the mirror goes on with its sideways part kept
        // and its upward part turned down.
        const auto reflected = [&](GuideKind kind, double x) {
            const double sine = (x - sourceX_) / std::hypot(x - sourceX_, kRowY - sourceY_);
            lines.push_back({kind, 0, sine, LineDown(x, kRowY, sine)});
        };
        reflected(GuideKind::BeamEdge, lit_.left);
        reflected(GuideKind::Specular, c);
        reflected(GuideKind::BeamEdge, lit_.right);
        return lines;
    }
    if (period_ == 0.0) {
        return lines;
    }
    const double step = std::fabs(wavelength_ / period_);
    for (int m = -kMostOrdersEachSide; m <= kMostOrdersEachSide; ++m) {
        const double sine = m * step - sineIn_;
        if (std::fabs(sine) <= 1.0) {
            lines.push_back({GuideKind::Order, m, sine, LineDown(c, kRowY, sine)});
        }
    }
    return lines;
}

Regime RegimeOf(double fresnelNumber) {
    if (fresnelNumber < 0.3) {
        return Regime::Far;
    }
    return fresnelNumber > 3.0 ? Regime::Near : Regime::Between;
}

std::string FresnelCaption(double fresnelNumber) {
    const std::string number = SignificantNumber(fresnelNumber, 2);
    switch (RegimeOf(fresnelNumber)) {
        case Regime::Far:
            return Filled(Translated("FarField", "F=%1 far"), {number});
        case Regime::Near:
            return Filled(Translated("FarField", "F=%1 near"), {number});
        case Regime::Between:
            break;
    }
    return Filled(Translated("FarField", "F=%1 between"), {number});
}

double RoundedDownTo125(double value) {
    const double decade = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {5.0, 2.0}) {
        if (step * decade <= value) {
            return step * decade;
        }
    }
    // log10 may round a value just below a power of ten up to it.
    return decade <= value ? decade : decade / 2.0;
}

std::optional<SparsePaths> TooFewPaths(const ExperimentSettings& settings, const ElementRow& row) {
    const LitRow lit = LitRowOf(row);
    const double sourceBelow = DistanceFromRow(settings.source.y);
    const double step = settings.resolution;
    if (lit.elements == 0 || sourceBelow == 0.0 || !(step > 0.0) ||
        !std::isfinite(settings.wavelength) || settings.wavelength == 0.0) {
        return std::nullopt;
    }
    // The ray at angle t meets the row at x = x_S + L_S tan t; rays `step` apart meet it
    // step L_S / cos^2 t = step (L_S^2 + (x - x_S)^2) / L_S apart, farthest apart at the lit
    // edge farthest from the source's foot.
    const double sourceX = settings.source.x;
    const double farthest = std::max(std::fabs(lit.left - sourceX), std::fabs(lit.right - sourceX));
    const double gap =
        step * (sourceBelow * sourceBelow + farthest * farthest) / std::fabs(sourceBelow);
    const double enough = 0.5 * std::fabs(settings.wavelength);
    if (!(gap > enough)) {
        return std::nullopt;
    }
    SparsePaths sparse;
    sparse.largestGap = gap;
    sparse.fineResolution = RoundedDownTo125(step * enough / gap);
    // The sweep tries every ray from -pi/2 to the last lit edge (for a source below the row).
    const double sweep =
        sourceBelow > 0.0 ? 0.5 * kPi + std::atan((lit.right - sourceX) / sourceBelow) : kPi;
    sparse.withinRayLimit = sweep / sparse.fineResolution < static_cast<double>(kMaxRaysPerSweep);
    return sparse;
}

}  // namespace pathsum
