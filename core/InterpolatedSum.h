#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "PathEngine.h"

namespace pathsum {

// The interpolated sum over paths. On a screen at distance D from the row the arrow of path j
// at detector x is a_j g(h_j; x): a_j the arrow of its first leg, h_j its hit x and
// g(h; x) = exp(i 2 pi sqrt((h - x)^2 + D^2) / wavelength). As a function of h, g is smooth, so
// on an interval of neighbouring hit points it is replaced by its interpolant at Chebyshev
// points t_k, with Lagrange basis l_k. The sum over the interval's paths then becomes
// sum_k W_k g(t_k; x) with W_k = sum_j a_j l_k(h_j): weights that depend on the run only, so
// every detector point of every screen costs one arrow per node instead of one per path.

// An upper bound for |g(h) - p(h)| over an interval of half width `halfWidth`, p the
// interpolant of g at the `degree` + 1 Chebyshev points cos(k pi / degree) of the interval,
// for every real x and every screen at least `rowDistance` from the row; `wavenumber` is
// 2 pi / |wavelength|. g is analytic in the strip |Im h| < D, where |g| <= exp(k |Im h|)
// (|Im sqrt(w^2 + D^2)| <= |Im w| there), so the classical bound of interpolation in a
// Bernstein ellipse rho, 4 M rho^-degree / (rho - 1), holds with M = exp(k b) for every ellipse
// whose half height b stays within D; the best such ellipse is taken. Degree 0 (one node, the
// centre) is bounded by the largest phase change, k * halfWidth.
// Every ellipse gives a bound, so the search for the best one only tightens it.
// Range: degree >= 0, halfWidth >= 0, rowDistance > 0; error: its own rounding, relative 1e-12.
double InterpolationErrorBound(int degree, double halfWidth, double wavenumber, double rowDistance);

// The node terms that replace the path terms of a run, with the a priori bound of the error
// they bring into any path's arrow.
struct NodeTerms {
    std::vector<double> position;
    // The complex weight of every node, a list for each wavelength.
    std::vector<std::vector<double>> weightCos;
    std::vector<std::vector<double>> weightSin;
    double arrowErrorBound = 0.0;
};

// How the paths of a run are cut into intervals, and what the sums would cost.
struct NodePlan {
    struct Interval {
        std::size_t first;  // the interval's paths are first .. first + count - 1
        std::size_t count;
        double center;
        double halfWidth;
        int degree;  // -1: the paths themselves are the nodes, their arrows the weights
    };
    std::vector<Interval> intervals;  // empty when the interpolation does not pay
    std::size_t nodes = 0;
    double intervalWavelengths = 0.0;  // the longest interval, in wavelengths
    double arrowErrorBound = 0.0;
    // The work of the weights and of `evaluations` detector points, and of the same points
    // summed over every path, in arrows of the screen kernel.
    double cost = 0.0;
    double directCost = 0.0;
};

// Cuts the paths into intervals and finds the nodes each needs for an arrow error below
// `arrowTarget` on screens at least `rowDistance` from the row, choosing the interval length
// that makes `evaluations` detector points cheapest. The intervals are left empty when even the
// cheapest costs more than summing the paths directly, unless `evenIfDearer`. With several
// `wavelengths` summed over the same nodes (the nodes planned for the shortest), every cost is
// that many times one wavelength's.
NodePlan PlanNodes(const PathSet& paths, double wavelength, double rowDistance, double arrowTarget,
                   double evaluations, bool evenIfDearer = false, double wavelengths = 1.0);

// Forms the node terms of a plan one batch of whole intervals at a time, a few milliseconds of
// work each, so that a caller can answer its user between batches and go on where it left off.
// The terms do not depend on how the batches were spread over time. The paths and the plan must
// outlive the builder.
class NodeBuilder {
  public:
    NodeBuilder(const PathSet& paths, const NodePlan& plan, double wavelength, KernelLevel level,
                int threads);
    // The terms of several wavelengths over the same nodes: the weights of each wavelength what
    // that wavelength alone would have.
    NodeBuilder(const PathSet& paths, const NodePlan& plan, std::span<const double> wavelengths,
                KernelLevel level, int threads);
    NodeBuilder(NodeBuilder&&) noexcept;
    NodeBuilder& operator=(NodeBuilder&&) noexcept;
    ~NodeBuilder();

    bool Done() const;
    // Forms the next batch; nothing once done.
    void Step();
    // The terms, once done.
    NodeTerms Take() &&;

  private:
    class Weights;
    std::unique_ptr<Weights> weights_;
    std::size_t intervals_ = 0;
    std::size_t next_ = 0;  // the first interval not formed yet
};

// Forms the node terms of a plan with intervals. `keepGoing`, when given, is asked now and then
// on the calling thread; nothing is returned once it says no.
std::optional<NodeTerms> BuildNodes(const PathSet& paths, const NodePlan& plan, double wavelength,
                                    KernelLevel level, int threads,
                                    const std::function<bool()>& keepGoing = {});

}  // namespace pathsum
