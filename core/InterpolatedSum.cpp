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
// Half widths of more steps than this (256 wavelengths) are not looked up but keep their paths:
// across them the phase turns by over 1600 radians, more than kMostDegree nodes can follow, and
// the table of counts stays small.
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

// Runs of this many hit points or fewer keep their paths whatever the interval length: they
// are counted once for all candidates, which keeps the planning short when the paths lie far
// apart.
constexpr std::size_t kShortRun = 4;

// The point where the bound's slope changes sign is found by halving [0, asinh(D / r)] this
// many times: to about 1e-15 of its length, where the bound no longer changes.
constexpr int kBisections = 50;

// An interval's moments are formed in pieces of at most this many paths, so that one long
// interval is shared by every thread; a piece is still long enough that adding up its
// (degree + 1) * kMomentLanes moment sums costs little beside forming them.
constexpr std::size_t kPiecePaths = 8192;

// The weights are formed in batches of whole intervals of about this many products (about a
// millisecond), so that the window answers and a Stop is seen between them even on a busy
// machine.
constexpr double kBatchWork = 1e6;

// Teams weighs work in arrows of the screen kernel; a product of the weights counts as five,
// so that a batch is shared by the threads from 40,000 products on, a fifth of what a screen
// needs: a run waits on its weights before it plots its first point.
constexpr double kWorkPerProduct = 5.0;

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

// The hit points of a run cut into stretches of consecutive paths: a gap of more than `gap`
// between neighbours ends a stretch.
struct Stretches {
    std::span<const double> hit;  // not empty
    double gap;

    // Calls take(first, end, low, high) for every stretch no wider than `length`, in path
    // order: its paths are first .. end - 1, their hit points between low and high. With an
    // infinite length only the gaps cut.
    template <class Take>
    void Walk(double length, Take&& take) const {
        std::size_t first = 0;
        double low = hit[0];
        double high = hit[0];
        for (std::size_t i = 1; i < hit.size(); ++i) {
            const double lo = std::min(low, hit[i]);
            const double hi = std::max(high, hit[i]);
            if (!(std::fabs(hit[i] - hit[i - 1]) <= gap) || !(hi - lo <= length)) {
                take(first, i, low, high);
                first = i;
                low = hit[i];
                high = hit[i];
            } else {
                low = lo;
                high = hi;
            }
        }
        take(first, hit.size(), low, high);
    }
};

// The interval length of kIntervalWavelengths that makes `evaluations` detector points
// cheapest, with what it costs; the first of equal ones. One walk over the runs without a gap
// adds each run to every candidate.
Candidate Cheapest(const Stretches& stretches, double lambda, NodeCounter& counter,
                   double evaluations) {
    std::array<Candidate, kIntervalWavelengths.size()> candidates;
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        candidates[c].length = kIntervalWavelengths[c] * lambda;
    }
    double lonePaths = 0.0;
    stretches.Walk(std::numeric_limits<double>::infinity(),
                   [&](std::size_t first, std::size_t end, double low, double high) {
                       if (end - first <= kShortRun) {
                           lonePaths += static_cast<double>(end - first);
                           return;
                       }
                       for (Candidate& c : candidates) {
                           AddRun(c, counter, end - first, high - low);
                       }
                   });
    for (Candidate& c : candidates) {
        c.nodes += lonePaths;
    }
    const double paths = static_cast<double>(stretches.hit.size());
    const Candidate* best = &candidates[0];
    for (const Candidate& c : candidates) {
        if (CostOf(c, paths, evaluations) < CostOf(*best, paths, evaluations)) {
            best = &c;
        }
    }
    return *best;
}

// The intervals themselves: consecutive paths while their hit points stay within `length` and
// no gap comes between them, each with the nodes its half width needs, or its own paths.
void PlanIntervals(const Stretches& stretches, double length, double lambda, NodeCounter& counter,
                   NodePlan& plan) {
    stretches.Walk(length, [&](std::size_t first, std::size_t end, double low, double high) {
        NodePlan::Interval interval{first, end - first, 0.5 * (low + high), 0.5 * (high - low), -1};
        const int nodes = counter.Nodes(interval.halfWidth);
        if (nodes > 0 && static_cast<std::size_t>(nodes) < interval.count) {
            interval.degree = nodes - 1;
            plan.arrowErrorBound =
                std::max(plan.arrowErrorBound, counter.Bound(interval.halfWidth));
            plan.intervalWavelengths = std::max(plan.intervalWavelengths, (high - low) / lambda);
            plan.nodes += static_cast<std::size_t>(nodes);
        } else {
            plan.nodes += interval.count;
        }
        plan.intervals.push_back(interval);
    });
}

// cos(pi i / degree) for i = 0 .. 2 degree - 1.
std::vector<double> CosineTable(int degree) {
    std::vector<double> table(2 * static_cast<std::size_t>(degree));
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i] = std::cos(kPi * static_cast<double>(i) / degree);
    }
    return table;
}

// The moments mu_j of one interval, j = 0 .. degree: its pieces' sums (`pieces` of them, one
// after the other in `sums`), pieces and lanes added in order.
struct Moments {
    std::vector<double> cos;
    std::vector<double> sin;
};

Moments AddUpMoments(const double* sums, std::size_t pieces, int degree) {
    constexpr std::size_t kLanes = kernel::kMomentLanes;
    const std::size_t size = (static_cast<std::size_t>(degree) + 1) * kLanes;
    Moments mu{std::vector<double>(static_cast<std::size_t>(degree) + 1, 0.0),
               std::vector<double>(static_cast<std::size_t>(degree) + 1, 0.0)};
    for (std::size_t piece = 0; piece < pieces; ++piece) {
        const double* momentCos = sums + 2 * size * piece;
        const double* momentSin = momentCos + size;
        for (std::size_t j = 0; j < mu.cos.size(); ++j) {
            for (std::size_t lane = 0; lane < kLanes; ++lane) {
                mu.cos[j] += momentCos[j * kLanes + lane];
                mu.sin[j] += momentSin[j * kLanes + lane];
            }
        }
    }
    return mu;
}

// The nodes of an interval of degree n > 0 and their weights, from its moments. The Lagrange
// basis at the points cos(k pi / n) in Chebyshev polynomials is
//   l_k(u) = (2 / n) e_k sum''_j T_j(u_k) T_j(u),  e_k = 1/2 at both ends, 1 between,
// sum'' halving its first and last terms, T_j(u_k) = cos(j k pi / n). So
//   W_k = (2 / n) e_k sum''_j cos(j k pi / n) mu_j.
void WeightsFromMoments(const NodePlan::Interval& interval, const std::vector<double>& cosine,
                        const Moments& mu, double* position, double* weightCos, double* weightSin) {
    const int n = interval.degree;
    const std::size_t period = 2 * static_cast<std::size_t>(n);
    for (int k = 0; k <= n; ++k) {
        double c = 0.0;
        double s = 0.0;
        for (int j = 0; j <= n; ++j) {
            const double t = cosine[(static_cast<std::size_t>(j) * k) % period];
            const double half = (j == 0 || j == n) ? 0.5 : 1.0;
            c += (half * t) * mu.cos[j];
            s += (half * t) * mu.sin[j];
        }
        const double scale = ((k == 0 || k == n) ? 1.0 : 2.0) / n;
        position[k] = interval.center + interval.halfWidth * cosine[k];
        weightCos[k] = scale * c;
        weightSin[k] = scale * s;
    }
}

// The node terms of a plan, formed batch by batch, for one wavelength or several. Each batch of
// whole intervals is cut into pieces, which the threads share: the paths of an interval that
// keeps them, or at most kPiecePaths paths of an interpolated one, whose moments the piece
// forms, each for one wavelength. The moments of each interpolated interval are then added up
// in piece order and turned into its nodes, wavelength by wavelength. Pieces are cut by path
// index alone and every interval's nodes have their place, so nothing depends on the threads;
// nor on the other wavelengths, so each wavelength's weights are those it would have alone.
class WeightBuilder {
  public:
    WeightBuilder(const PathSet& paths, const NodePlan& plan, std::span<const double> wavelengths,
                  KernelLevel level, int threads)
        : plan_(plan),
          kernels_(kernel::KernelsFor(level)),
          hitX_(paths.HitX().data()),
          firstLeg_(paths.FirstLeg().data()),
          threads_(threads),
          offsets_(plan.intervals.size() + 1, 0) {
        for (const double wavelength : wavelengths) {
            phases_.push_back(kernel::PhaseRuleOf(wavelength));
        }
        for (std::size_t g = 0; g < plan.intervals.size(); ++g) {
            const NodePlan::Interval& interval = plan.intervals[g];
            offsets_[g + 1] = offsets_[g] + NodesOf(interval);
            if (interval.degree > 0 && !cosines_.contains(interval.degree)) {
                cosines_.emplace(interval.degree, CosineTable(interval.degree));
            }
        }
        // The lists grow batch by batch: clearing millions of nodes at once would keep the
        // window waiting before the first batch.
        terms_.position.reserve(offsets_.back());
        terms_.weightCos.resize(phases_.size());
        terms_.weightSin.resize(phases_.size());
        for (std::size_t w = 0; w < phases_.size(); ++w) {
            terms_.weightCos[w].reserve(offsets_.back());
            terms_.weightSin[w].reserve(offsets_.back());
        }
        terms_.arrowErrorBound = plan.arrowErrorBound;
    }

    // Forms the nodes of a batch of intervals from `first` on; the interval after the batch.
    std::size_t FormBatch(std::size_t first) {
        const std::size_t end = PlanPieces(first);
        terms_.position.resize(offsets_[end]);
        for (std::size_t w = 0; w < phases_.size(); ++w) {
            terms_.weightCos[w].resize(offsets_[end]);
            terms_.weightSin[w].resize(offsets_[end]);
        }
        const double work = kWorkPerProduct * work_;
        ParallelFor(Teams(threads_, work, pieces_.size()), pieces_.size(),
                    [&](std::size_t i) { FormPiece(pieces_[i]); });
        const std::size_t tasks = (end - first) * phases_.size();
        ParallelFor(Teams(threads_, work, tasks), tasks, [&](std::size_t i) {
            FormWeights(first + i / phases_.size(), i / phases_.size(), i % phases_.size());
        });
        return end;
    }

    NodeTerms Terms() && { return std::move(terms_); }

  private:
    struct Piece {
        std::size_t interval;
        std::size_t wavelength;
        std::size_t first;  // into the paths
        std::size_t count;
        std::size_t moments;  // into the batch's moment sums
    };

    static std::size_t NodesOf(const NodePlan::Interval& interval) {
        return interval.degree < 0 ? interval.count : static_cast<std::size_t>(interval.degree) + 1;
    }

    // Cuts the intervals from `first` on into pieces until the batch holds kBatchWork products
    // (a path's own node costs two: its turns and its arrow; a path of an interpolated interval
    // degree + 2: its first leg's arrow and degree + 1 moments; each for every wavelength). The
    // pieces of an interval come wavelength after wavelength. The interval after the batch.
    std::size_t PlanPieces(std::size_t first) {
        pieces_.clear();
        firstPiece_.clear();
        work_ = 0.0;
        std::size_t size = 0;
        std::size_t end = first;
        const auto wavelengths = static_cast<double>(phases_.size());
        for (; end < plan_.intervals.size() && work_ < kBatchWork; ++end) {
            const NodePlan::Interval& interval = plan_.intervals[end];
            firstPiece_.push_back(pieces_.size());
            if (interval.degree < 0) {
                for (std::size_t w = 0; w < phases_.size(); ++w) {
                    pieces_.push_back({end, w, interval.first, interval.count, 0});
                }
                work_ += wavelengths * (2.0 * static_cast<double>(interval.count));
                continue;
            }
            const std::size_t moments = 2 * NodesOf(interval) * kernel::kMomentLanes;
            for (std::size_t w = 0; w < phases_.size(); ++w) {
                for (std::size_t from = 0; from < interval.count; from += kPiecePaths) {
                    const std::size_t count = std::min(kPiecePaths, interval.count - from);
                    pieces_.push_back({end, w, interval.first + from, count, size});
                    size += moments;
                }
            }
            work_ += wavelengths * (static_cast<double>(interval.count) * (interval.degree + 2));
        }
        firstPiece_.push_back(pieces_.size());
        sums_.assign(size, 0.0);
        return end;
    }

    void FormPiece(const Piece& piece) {
        const NodePlan::Interval& interval = plan_.intervals[piece.interval];
        if (interval.degree < 0) {
            FormPathNodes(interval, piece.interval, piece.wavelength);
        } else {
            FormMoments(interval, piece);
        }
    }

    // The paths themselves as nodes: the node at the hit x, the weight the first leg's arrow.
    void FormPathNodes(const NodePlan::Interval& interval, std::size_t g, std::size_t w) {
        const kernel::PhaseRule& phase = phases_[w];
        double* position = terms_.position.data() + offsets_[g];
        double* weightCos = terms_.weightCos[w].data() + offsets_[g];
        double* weightSin = terms_.weightSin[w].data() + offsets_[g];
        for (std::size_t j = 0; j < interval.count; ++j) {
            if (w == 0) {
                position[j] = hitX_[interval.first + j];
            }
            weightCos[j] = kernel::TurnsOf(phase, firstLeg_[interval.first + j]);  // turns for now
        }
        kernels_.arrowsOfTurns(phase.arrow, weightCos, interval.count, weightCos, weightSin);
    }

    void FormMoments(const NodePlan::Interval& interval, const Piece& piece) {
        const std::size_t size = NodesOf(interval) * kernel::kMomentLanes;
        kernel::MomentArgs args{};
        args.paths = {hitX_ + piece.first, firstLeg_ + piece.first, nullptr, nullptr, piece.count};
        args.phase = phases_[piece.wavelength];
        args.center = interval.center;
        args.inverseHalfWidth = interval.degree == 0 ? 0.0 : 1.0 / interval.halfWidth;
        args.degree = interval.degree;
        args.momentCos = sums_.data() + piece.moments;
        args.momentSin = sums_.data() + piece.moments + size;
        kernels_.moments(args);
    }

    // Interval g, the batch's i-th: its moments at wavelength w turned into its nodes and that
    // wavelength's weights.
    void FormWeights(std::size_t g, std::size_t i, std::size_t w) {
        const NodePlan::Interval& interval = plan_.intervals[g];
        if (interval.degree < 0) {
            return;
        }
        const std::size_t perWavelength = (firstPiece_[i + 1] - firstPiece_[i]) / phases_.size();
        const Piece& first = pieces_[firstPiece_[i] + w * perWavelength];
        const Moments mu =
            AddUpMoments(sums_.data() + first.moments, perWavelength, interval.degree);
        double* position = terms_.position.data() + offsets_[g];
        double* weightCos = terms_.weightCos[w].data() + offsets_[g];
        double* weightSin = terms_.weightSin[w].data() + offsets_[g];
        if (interval.degree == 0) {
            if (w == 0) {
                position[0] = interval.center;
            }
            weightCos[0] = mu.cos[0];
            weightSin[0] = mu.sin[0];
            return;
        }
        // Every wavelength writes the same nodes; the first alone keeps them.
        std::vector<double> nodes(w == 0 ? 0 : NodesOf(interval));
        WeightsFromMoments(interval, cosines_.at(interval.degree), mu,
                           w == 0 ? position : nodes.data(), weightCos, weightSin);
    }

    const NodePlan& plan_;
    const kernel::LevelKernels& kernels_;
    std::vector<kernel::PhaseRule> phases_;  // of every wavelength
    const double* hitX_;
    const double* firstLeg_;
    int threads_;
    std::vector<std::size_t> offsets_;  // where each interval's nodes go
    std::map<int, std::vector<double>> cosines_;
    NodeTerms terms_;
    // The batch under way.
    std::vector<Piece> pieces_;
    std::vector<std::size_t> firstPiece_;  // of each interval of the batch, and the end
    std::vector<double> sums_;             // the moment sums of its pieces
    double work_ = 0.0;                    // its products
};

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
        for (int i = 0; i < kBisections; ++i) {
            const double mid = 0.5 * (low + high);
            (slope(mid) > 0.0 ? high : low) = mid;
        }
        x = high;
    }
    return std::exp(LogEllipseBound(degree, a, x));
}

NodePlan PlanNodes(const PathSet& paths, double wavelength, double rowDistance, double arrowTarget,
                   double evaluations, bool evenIfDearer, double wavelengths) {
    NodePlan plan;
    const std::span<const double> hit = paths.HitX();
    plan.directCost = wavelengths * (evaluations * static_cast<double>(hit.size()));
    plan.cost = plan.directCost;
    if ((plan.directCost < kLeastDirectCost && !evenIfDearer) || hit.empty() ||
        !std::isfinite(wavelength) || wavelength == 0.0 || !(rowDistance > 0.0)) {
        return plan;
    }
    const double lambda = std::fabs(wavelength);
    const Stretches stretches{hit, kGapWavelengths * lambda};
    NodeCounter counter(wavelength, rowDistance, arrowTarget);
    const Candidate best = Cheapest(stretches, lambda, counter, evaluations);
    const double bestCost =
        wavelengths * CostOf(best, static_cast<double>(hit.size()), evaluations);
    if (!(bestCost < plan.directCost) && !evenIfDearer) {
        return plan;
    }
    PlanIntervals(stretches, best.length, lambda, counter, plan);
    plan.cost = bestCost;
    return plan;
}

class NodeBuilder::Weights : public WeightBuilder {
  public:
    using WeightBuilder::WeightBuilder;
};

NodeBuilder::NodeBuilder(const PathSet& paths, const NodePlan& plan, double wavelength,
                         KernelLevel level, int threads)
    : NodeBuilder(paths, plan, std::span(&wavelength, 1), level, threads) {}

NodeBuilder::NodeBuilder(const PathSet& paths, const NodePlan& plan,
                         std::span<const double> wavelengths, KernelLevel level, int threads)
    : weights_(std::make_unique<Weights>(paths, plan, wavelengths, level, threads)),
      intervals_(plan.intervals.size()) {}

NodeBuilder::NodeBuilder(NodeBuilder&&) noexcept = default;
NodeBuilder& NodeBuilder::operator=(NodeBuilder&&) noexcept = default;
NodeBuilder::~NodeBuilder() = default;

bool NodeBuilder::Done() const {
    return next_ >= intervals_;
}

void NodeBuilder::Step() {
    if (!Done()) {
        next_ = weights_->FormBatch(next_);
    }
}

NodeTerms NodeBuilder::Take() && {
    return std::move(*weights_).Terms();
}

std::optional<NodeTerms> BuildNodes(const PathSet& paths, const NodePlan& plan, double wavelength,
                                    KernelLevel level, int threads,
                                    const std::function<bool()>& keepGoing) {
    NodeBuilder builder(paths, plan, wavelength, level, threads);
    while (!builder.Done()) {
        builder.Step();
        if (keepGoing && !builder.Done() && !keepGoing()) {
            return std::nullopt;
        }
    }
    return std::move(builder).Take();
}

}  // namespace pathsum
