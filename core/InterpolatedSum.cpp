#include "InterpolatedSum.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

#include "Geometry.h"
#include "Parallel.h"
#include "ScreenKernel.h"

// Every product and sum of this file rounded on its own.
#include "NoFusedMultiplyAdd.h"

namespace pathsum {
namespace {

// Tuning of the method, not limits: they decide how fast a run is, never what it shows.

// Consecutive hit points farther apart than this many wavelengths start a new interval: the
// nodes of an interval across a gap between elements would be spent on nothing.
constexpr double kGapWavelengths = 4.0;

// The interval lengths tried, in wavelengths. Longer intervals need fewer nodes per
// wavelength (down to about 4) but more work for the weights of each path.
constexpr std::array<double, 12> kIntervalWavelengths = {1, 2, 3, 4, 6, 8, 10, 12, 16, 24, 32, 48};

// No interval is given more nodes than this; one that would need more keeps its paths.
constexpr int kMostDegree = 400;

// Half widths are rounded up to a multiple of this many wavelengths before their node count is
// looked up (the bound grows with the half width, so the count stays sufficient).
constexpr double kHalfWidthStep = 1.0 / 16.0;
constexpr double kMostSteps = 4096;

// The relative costs the choice of method weighs, in arrows of the screen kernel, measured
// with pathsum-bench: a node term (an arrow and a complex product), the arrow of a first leg,
// one Chebyshev moment of one path, one product of the transform from moments to weights.
constexpr double kNodeTermCost = 1.2;
constexpr double kFirstLegCost = 1.0;
constexpr double kMomentCost = 0.2;
constexpr double kTransformCost = 0.05;

// Runs whose sum over every path costs less than this many arrows (a few milliseconds) are
// not planned: the planning itself would take a good part of what the interpolation could
// save.
constexpr double kLeastDirectCost = 5e6;

// log of the bound 4 exp(2a sinh x) e^(-n x) / (e^x - 1), rho = e^x, a = k r / 2.
double LogEllipseBound(int n, double a, double x) {
    return std::log(4.0) + 2.0 * a * std::sinh(x) - n * x - std::log(std::expm1(x));
}

// The nodes (degree + 1) each half width needs, memoised on half widths rounded up.
class NodeCounter {
  public:
    NodeCounter(double wavelength, double rowDistance, double target)
        : wavenumber_(2.0 * kPi / std::fabs(wavelength)),
          step_(kHalfWidthStep * std::fabs(wavelength)),
          rowDistance_(rowDistance),
          target_(target) {}

    double Wavenumber() const { return wavenumber_; }

    // The nodes an interval of this half width needs; 0 when it would need too many.
    int Nodes(double halfWidth) { return Entry(halfWidth).nodes; }
    // The bound the node count keeps to.
    double Bound(double halfWidth) { return Entry(halfWidth).bound; }

  private:
    struct Counted {
        int nodes = -1;
        double bound = 0.0;
    };

    const Counted& Entry(double halfWidth) {
        if (!(halfWidth > 0.0)) {
            static const Counted kOne{1, 0.0};
            return kOne;
        }
        const double steps = std::ceil(halfWidth / step_);
        if (!(steps <= kMostSteps)) {
            static const Counted kNone{0, 0.0};
            return kNone;
        }
        const auto key = static_cast<std::size_t>(steps);
        if (key >= counted_.size()) {
            counted_.resize(key + 1);
        }
        Counted& c = counted_[key];
        if (c.nodes < 0) {
            c = Count(static_cast<double>(key) * step_);
        }
        return c;
    }

    Counted Count(double halfWidth) const {
        const auto bound = [&](int degree) {
            return InterpolationErrorBound(degree, halfWidth, wavenumber_, rowDistance_);
        };
        // A hair below the target, for the rounding of the bound itself.
        const double target = target_ * 0.999;
        if (bound(0) <= target) {
            return {1, bound(0)};
        }
        if (bound(kMostDegree) > target) {
            return {0, 0.0};
        }
        int low = 0;  // too few
        int high = kMostDegree;
        while (high - low > 1) {
            const int mid = (low + high) / 2;
            (bound(mid) <= target ? high : low) = mid;
        }
        return {high + 1, bound(high)};
    }

    double wavenumber_;
    double step_;
    double rowDistance_;
    double target_;
    std::vector<Counted> counted_;
};

struct Candidate {
    double length = 0.0;  // interval length
    double nodes = 0.0;
    double moments = 0.0;    // paths times nodes of the interpolated intervals
    double transform = 0.0;  // nodes squared of the interpolated intervals
};

// Adds the cost of one run of hit points (no gap inside) cut into intervals of a candidate's
// length, the intervals taken as equal.
void AddRun(Candidate& c, NodeCounter& counter, std::size_t count, double span) {
    const double pieces = std::max(1.0, std::ceil(span / c.length));
    const double paths = static_cast<double>(count) / pieces;
    const int nodes = counter.Nodes(span / pieces / 2.0);
    if (nodes > 0 && nodes < paths) {
        c.nodes += pieces * nodes;
        c.moments += static_cast<double>(count) * nodes;
        c.transform += pieces * nodes * nodes;
    } else {
        c.nodes += static_cast<double>(count);
    }
}

double CostOf(const Candidate& c, double paths, double evaluations) {
    return evaluations * c.nodes * kNodeTermCost + paths * kFirstLegCost + c.moments * kMomentCost +
           c.transform * kTransformCost;
}

// cos(pi i / degree) for i = 0 .. 2 degree - 1.
std::vector<double> CosineTable(int degree) {
    std::vector<double> table(2 * static_cast<std::size_t>(degree));
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = std::cos(kPi * static_cast<double>(i) / degree);
    }
    return table;
}

}  // namespace

double InterpolationErrorBound(int degree, double halfWidth, double wavenumber,
                               double rowDistance) {
    const double k = std::fabs(wavenumber);
    if (!(halfWidth > 0.0)) {
        return 0.0;
    }
    if (degree <= 0) {
        return k * halfWidth;
    }
    // Ellipses with foci at the ends of the interval: rho = e^x, half height r sinh x.
    const double a = k * halfWidth / 2.0;
    const double highest = std::asinh(rowDistance / halfWidth);
    // The logarithm of the bound falls, then rises with x; where its slope changes sign:
    //   2a cosh x - n - 1 / (1 - e^-x).
    const auto slope = [&](double x) {
        return 2.0 * a * std::cosh(x) - degree - 1.0 / -std::expm1(-x);
    };
    double x = highest;
    if (slope(highest) > 0.0) {
        double low = 0.0;
        double high = highest;
        for (int i = 0; i < 50; ++i) {
            const double mid = 0.5 * (low + high);
            (slope(mid) > 0.0 ? high : low) = mid;
        }
        x = high;
    }
    return std::exp(LogEllipseBound(degree, a, x));
}

NodePlan PlanNodes(const PathSet& paths, double wavelength, double rowDistance, double arrowTarget,
                   double evaluations, bool evenIfDearer) {
    NodePlan plan;
    const std::span<const double> hit = paths.HitX();
    const std::size_t count = hit.size();
    plan.directCost = evaluations * static_cast<double>(count);
    plan.cost = plan.directCost;
    if ((plan.directCost < kLeastDirectCost && !evenIfDearer) || count == 0 ||
        !std::isfinite(wavelength) || wavelength == 0.0 || !(rowDistance > 0.0)) {
        return plan;
    }
    const double lambda = std::fabs(wavelength);
    const double gap = kGapWavelengths * lambda;
    NodeCounter counter(wavelength, rowDistance, arrowTarget);

    // One pass over the runs of hit points without a gap, adding each to every candidate.
    std::array<Candidate, kIntervalWavelengths.size()> candidates;
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        candidates[c].length = kIntervalWavelengths[c] * lambda;
    }
    // Runs this short keep their paths whatever the length: counted once for all candidates,
    // which keeps the pass short when the paths lie far apart.
    constexpr std::size_t kShortRun = 4;
    double lonePaths = 0.0;
    std::size_t runFirst = 0;
    double low = hit[0];
    double high = hit[0];
    for (std::size_t i = 1; i <= count; ++i) {
        if (i == count || !(std::fabs(hit[i] - hit[i - 1]) <= gap)) {
            if (i - runFirst <= kShortRun) {
                lonePaths += static_cast<double>(i - runFirst);
            } else {
                for (Candidate& c : candidates) {
                    AddRun(c, counter, i - runFirst, high - low);
                }
            }
            if (i == count) {
                break;
            }
            runFirst = i;
            low = hit[i];
            high = hit[i];
        }
        low = std::min(low, hit[i]);
        high = std::max(high, hit[i]);
    }
    for (Candidate& c : candidates) {
        c.nodes += lonePaths;
    }
    const double pathCount = static_cast<double>(count);
    const Candidate* best = &candidates[0];
    for (const Candidate& c : candidates) {
        if (CostOf(c, pathCount, evaluations) < CostOf(*best, pathCount, evaluations)) {
            best = &c;
        }
    }
    const double bestCost = CostOf(*best, pathCount, evaluations);
    if (!(bestCost < plan.directCost) && !evenIfDearer) {
        return plan;
    }

    // The intervals themselves: consecutive paths while their hit points stay within the
    // chosen length and no gap comes between them.
    const double length = best->length;
    const auto close = [&](std::size_t first, std::size_t end, double lo, double hi) {
        NodePlan::Interval interval{first, end - first, 0.5 * (lo + hi), 0.5 * (hi - lo), -1};
        const int nodes = counter.Nodes(interval.halfWidth);
        if (nodes > 0 && static_cast<std::size_t>(nodes) < interval.count) {
            interval.degree = nodes - 1;
            plan.arrowErrorBound =
                std::max(plan.arrowErrorBound, counter.Bound(interval.halfWidth));
            plan.intervalWavelengths = std::max(plan.intervalWavelengths, (hi - lo) / lambda);
            plan.nodes += static_cast<std::size_t>(nodes);
        } else {
            plan.nodes += interval.count;
        }
        plan.intervals.push_back(interval);
    };
    std::size_t first = 0;
    low = hit[0];
    high = hit[0];
    for (std::size_t i = 1; i < count; ++i) {
        const double lo = std::min(low, hit[i]);
        const double hi = std::max(high, hit[i]);
        if (!(std::fabs(hit[i] - hit[i - 1]) <= gap) || !(hi - lo <= length)) {
            close(first, i, low, high);
            first = i;
            low = hit[i];
            high = hit[i];
        } else {
            low = lo;
            high = hi;
        }
    }
    close(first, count, low, high);
    plan.cost = bestCost;
    return plan;
}

std::optional<NodeTerms> BuildNodes(const PathSet& paths, const NodePlan& plan, double wavelength,
                                    KernelLevel level, int threads,
                                    const std::function<bool()>& keepGoing) {
    const kernel::LevelKernels& kernels = kernel::KernelsFor(level);
    const kernel::PhaseRule phase = kernel::PhaseRuleOf(wavelength);
    const double* hitX = paths.HitX().data();
    const double* firstLeg = paths.FirstLeg().data();
    const std::size_t lanes = kernel::kMomentLanes;

    // Where each interval's nodes go, so that the order never depends on the threads.
    std::vector<std::size_t> offsets(plan.intervals.size() + 1, 0);
    std::map<int, std::vector<double>> cosines;
    for (std::size_t g = 0; g < plan.intervals.size(); ++g) {
        const NodePlan::Interval& interval = plan.intervals[g];
        const std::size_t nodes =
            interval.degree < 0 ? interval.count : static_cast<std::size_t>(interval.degree) + 1;
        offsets[g + 1] = offsets[g] + nodes;
        if (interval.degree > 0 && !cosines.contains(interval.degree)) {
            cosines.emplace(interval.degree, CosineTable(interval.degree));
        }
    }
    NodeTerms terms;
    terms.position.resize(offsets.back());
    terms.weightCos.resize(offsets.back());
    terms.weightSin.resize(offsets.back());
    terms.arrowErrorBound = plan.arrowErrorBound;

    // The paths themselves as nodes: the node at the hit x, the weight the first leg's arrow.
    const auto formPaths = [&](const NodePlan::Interval& interval, std::size_t offset) {
        double* position = terms.position.data() + offset;
        double* weightCos = terms.weightCos.data() + offset;
        double* weightSin = terms.weightSin.data() + offset;
        for (std::size_t j = 0; j < interval.count; ++j) {
            const double leg = firstLeg[interval.first + j];
            position[j] = hitX[interval.first + j];
            weightCos[j] = kernel::TurnsOf(phase, leg);  // turns for now
        }
        kernels.arrowsOfTurns(phase.arrow, weightCos, interval.count, weightCos, weightSin);
    };

    // A piece of an interval: the moments of at most kPiecePaths of its paths, so that one
    // long interval is shared by every thread. The pieces are cut by path index alone and
    // added in their order, whatever the threads.
    constexpr std::size_t kPiecePaths = 8192;
    struct Piece {
        std::size_t interval;
        std::size_t first;  // into the paths
        std::size_t count;
        std::size_t moments;  // into the batch's moment sums
    };
    const auto formPiece = [&](const Piece& piece, std::vector<double>& sums) {
        const NodePlan::Interval& interval = plan.intervals[piece.interval];
        const std::size_t size = (static_cast<std::size_t>(interval.degree) + 1) * lanes;
        kernel::MomentArgs args{};
        args.paths = {hitX + piece.first, firstLeg + piece.first, nullptr, nullptr, piece.count};
        args.phase = phase;
        args.center = interval.center;
        args.inverseHalfWidth = interval.degree == 0 ? 0.0 : 1.0 / interval.halfWidth;
        args.degree = interval.degree;
        args.momentCos = sums.data() + piece.moments;
        args.momentSin = sums.data() + piece.moments + size;
        kernels.moments(args);
    };
    // The interval's moments mu_j, pieces and lanes added in order, turned into its nodes.
    const auto formNodes = [&](std::size_t g, const double* sums, std::size_t pieces) {
        const NodePlan::Interval& interval = plan.intervals[g];
        const int n = interval.degree;
        const std::size_t size = (static_cast<std::size_t>(n) + 1) * lanes;
        std::vector<double> muCos(static_cast<std::size_t>(n) + 1, 0.0);
        std::vector<double> muSin(muCos.size(), 0.0);
        for (std::size_t piece = 0; piece < pieces; ++piece) {
            const double* momentCos = sums + 2 * size * piece;
            const double* momentSin = momentCos + size;
            for (std::size_t j = 0; j < muCos.size(); ++j) {
                for (std::size_t lane = 0; lane < lanes; ++lane) {
                    muCos[j] += momentCos[j * lanes + lane];
                    muSin[j] += momentSin[j * lanes + lane];
                }
            }
        }
        double* position = terms.position.data() + offsets[g];
        double* weightCos = terms.weightCos.data() + offsets[g];
        double* weightSin = terms.weightSin.data() + offsets[g];
        if (n == 0) {
            position[0] = interval.center;
            weightCos[0] = muCos[0];
            weightSin[0] = muSin[0];
            return;
        }
        // The Lagrange basis at the points cos(k pi / n) in Chebyshev polynomials:
        //   l_k(u) = (2 / n) e_k sum''_j T_j(u_k) T_j(u),  e_k = 1/2 at both ends, 1 between,
        // sum'' halving its first and last terms, T_j(u_k) = cos(j k pi / n). So
        //   W_k = (2 / n) e_k sum''_j cos(j k pi / n) mu_j.
        const std::vector<double>& cosine = cosines.at(n);
        const std::size_t period = 2 * static_cast<std::size_t>(n);
        for (int k = 0; k <= n; ++k) {
            double c = 0.0;
            double s = 0.0;
            for (int j = 0; j <= n; ++j) {
                const double t = cosine[(static_cast<std::size_t>(j) * k) % period];
                const double half = (j == 0 || j == n) ? 0.5 : 1.0;
                c += (half * t) * muCos[j];
                s += (half * t) * muSin[j];
            }
            const double scale = ((k == 0 || k == n) ? 1.0 : 2.0) / n;
            position[k] = interval.center + interval.halfWidth * cosine[k];
            weightCos[k] = scale * c;
            weightSin[k] = scale * s;
        }
    };

    // In batches of whole intervals of about this many products, so that a Stop is seen within
    // a few milliseconds.
    constexpr double kBatchWork = 4e6;
    std::vector<Piece> pieces;
    std::vector<std::size_t> firstPiece;  // of each interval of the batch, and the end
    std::vector<double> sums;
    std::size_t next = 0;
    while (next < plan.intervals.size()) {
        pieces.clear();
        firstPiece.clear();
        std::size_t end = next;
        std::size_t size = 0;
        double work = 0.0;
        while (end < plan.intervals.size() && work < kBatchWork) {
            const NodePlan::Interval& interval = plan.intervals[end];
            firstPiece.push_back(pieces.size());
            if (interval.degree < 0) {
                pieces.push_back({end, interval.first, interval.count, 0});
                work += 2.0 * static_cast<double>(interval.count);
            } else {
                const std::size_t moments =
                    2 * (static_cast<std::size_t>(interval.degree) + 1) * lanes;
                for (std::size_t first = 0; first < interval.count; first += kPiecePaths) {
                    const std::size_t count = std::min(kPiecePaths, interval.count - first);
                    pieces.push_back({end, interval.first + first, count, size});
                    size += moments;
                }
                work += static_cast<double>(interval.count) * (interval.degree + 2);
            }
            ++end;
        }
        firstPiece.push_back(pieces.size());
        sums.assign(size, 0.0);

        const int teams = Teams(threads, 5.0 * work, pieces.size());
        ParallelFor(teams, pieces.size(), [&](std::size_t i) {
            const Piece& piece = pieces[i];
            if (plan.intervals[piece.interval].degree < 0) {
                formPaths(plan.intervals[piece.interval], offsets[piece.interval]);
            } else {
                formPiece(piece, sums);
            }
        });
        const int nodeTeams = Teams(threads, 5.0 * work, end - next);
        ParallelFor(nodeTeams, end - next, [&](std::size_t i) {
            const std::size_t g = next + i;
            if (plan.intervals[g].degree >= 0) {
                const std::size_t first = firstPiece[i];
                const std::size_t last = firstPiece[i + 1];
                formNodes(g, sums.data() + pieces[first].moments, last - first);
            }
        });
        next = end;
        if (keepGoing && next < plan.intervals.size() && !keepGoing()) {
            return std::nullopt;
        }
    }
    return terms;
}

}  // namespace pathsum
