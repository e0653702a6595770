#include "Field.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "Parallel.h"
#include "Screens.h"

// Every product and sum of this file rounded on its own.
#include "NoFusedMultiplyAdd.h"

namespace pathsum {
namespace {

constexpr std::size_t kBands = FieldEngine::kBands;

// A band whose plan keeps more nodes than this share of the paths sums over every path: it
// would save little time, and its node terms would take memory like a second set of paths.
constexpr double kMostNodeShare = 0.25;

constexpr int kMostStride = 64;

// A chunk of a row's pixels takes about this long, so that a call ends soon after its deadline.
constexpr double kChunkSeconds = 0.003;

// The quick rows of a chunk are shared by the threads in runs of this many pixels: enough runs
// that the threads end together, each long enough to fill the kernel's blocks.
constexpr std::size_t kTaskPixels = 64;

double FarBandDistance() {
    return ScreensReach(0).nearestRowDistance;
}

// The band of lines at distance `rowDistance`; kBands for nearer lines than any band's.
std::size_t BandOf(double rowDistance) {
    double nearest = FarBandDistance();
    for (std::size_t band = 0; band < kBands; ++band) {
        if (rowDistance >= nearest) {
            return band;
        }
        nearest *= 0.5;
    }
    return kBands;
}

bool OnAScreen(double y) {
    return std::find(kScreenYs.begin(), kScreenYs.end(), y) != kScreenYs.end();
}

std::size_t Samples(const FieldGrid& grid, int stride) {
    const auto across = static_cast<std::size_t>((grid.columns + stride - 1) / stride);
    const auto down = static_cast<std::size_t>((grid.rows + stride - 1) / stride);
    return across * down;
}

}  // namespace

FieldView WithinTheSquare(FieldView view) {
    const double whole = kPlotRight - kPlotLeft;
    const double side =
        std::clamp(std::isfinite(view.width) ? view.width : whole, kNarrowestFieldView, whole);
    view.width = side;
    view.height = side;
    view.left =
        std::clamp(std::isfinite(view.left) ? view.left : kPlotLeft, kPlotLeft, kPlotRight - side);
    view.bottom = std::clamp(std::isfinite(view.bottom) ? view.bottom : 0.0, 0.0, kRowY - side);
    return view;
}

FieldView Zoomed(const FieldView& view, double x, double y, double factor) {
    if (!(factor > 0.0)) {
        return view;
    }
    FieldView zoomed = view;
    zoomed.width = std::clamp(view.width / factor, kNarrowestFieldView, kPlotRight - kPlotLeft);
    zoomed.height = zoomed.width;
    zoomed.left = x - (x - view.left) * (zoomed.width / view.width);
    zoomed.bottom = y - (y - view.bottom) * (zoomed.height / view.height);
    return WithinTheSquare(zoomed);
}

FieldEngine::FieldEngine(const PathSet& paths, double wavelength, std::size_t runPoints,
                         double evaluations, const EngineOptions& options)
    : paths_(&paths),
      wavelength_(wavelength),
      runPoints_(runPoints),
      evaluations_(evaluations),
      options_(options),
      bands_(kBands) {
    const std::span<const double> hit = paths.HitX();
    if (!hit.empty()) {
        const auto [low, high] = std::minmax_element(hit.begin(), hit.end());
        hitLow_ = *low;
        hitHigh_ = *high;
    }
}

FieldEngine::Slot& FieldEngine::SlotFor(double y) {
    if (OnAScreen(y)) {
        return run_;
    }
    const std::size_t band = BandOf(DistanceFromRow(y));
    if (band >= unpaidFrom_ || bands_[band].direct) {
        return direct_;
    }
    return bands_[band];
}

void FieldEngine::PlanBand(std::size_t band) {
    Slot& slot = bands_[band];
    slot.builder.emplace(
        *paths_, wavelength_,
        EngineReach{std::ldexp(FarBandDistance(), -static_cast<int>(band)), evaluations_},
        options_);
    if (slot.builder->Method() == SumMethod::Direct) {
        unpaidFrom_ = std::min(unpaidFrom_, band);
    }
    if (slot.builder->Method() == SumMethod::Direct ||
        static_cast<double>(slot.builder->Terms()) >
            kMostNodeShare * static_cast<double>(paths_->Count())) {
        slot.builder.reset();
        slot.direct = true;
    }
}

bool FieldEngine::Advance(Slot& slot) {
    if (slot.engine) {
        return true;
    }
    if (!slot.builder) {
        EngineOptions options = options_;
        EngineReach reach;
        if (&slot == &run_) {
            reach = ScreensReach(runPoints_);
        } else {
            options.method = SumMethod::Direct;
        }
        slot.builder.emplace(*paths_, wavelength_, reach, options);
        return false;
    }
    slot.builder->Step();
    if (slot.builder->Done()) {
        slot.engine.emplace(std::move(*slot.builder).Take());
        slot.builder.reset();
        return true;
    }
    return false;
}

bool FieldEngine::Prepare(double y) {
    // The bands are planned from the farthest on, up to the line's: the interpolation of a
    // nearer band needs at least as many nodes as that of a farther one, so where a band's does
    // not pay no nearer band's would, and they are not planned.
    const std::size_t band = OnAScreen(y) ? 0 : BandOf(DistanceFromRow(y));
    for (std::size_t b = 0; b <= band && b < unpaidFrom_; ++b) {
        const Slot& slot = bands_[b];
        if (!slot.builder && !slot.engine && !slot.direct) {
            PlanBand(b);
            return false;
        }
    }
    return Advance(SlotFor(y));
}

const ScreenEngine& FieldEngine::Ready(double y) {
    while (!Prepare(y)) {
    }
    return *SlotFor(y).engine;
}

double FinestFringeSpacing(double hitLow, double hitHigh, double wavelength, double left,
                           double right, double rowDistance) {
    const double x =
        std::clamp(0.5 * (hitLow + hitHigh), std::min(left, right), std::max(left, right));
    const double angle = std::atan2(hitHigh - x, rowDistance) - std::atan2(hitLow - x, rowDistance);
    const double half = std::sin(0.5 * std::fabs(angle));
    if (!(half > 0.0)) {
        return std::numeric_limits<double>::infinity();
    }
    return std::fabs(wavelength) / (2.0 * half);
}

FieldAliasing AliasingOf(const FieldGrid& grid, double hitLow, double hitHigh, double wavelength) {
    FieldAliasing aliasing;
    aliasing.nearestSpacing = std::numeric_limits<double>::infinity();
    if (grid.Pixels() == 0) {
        return aliasing;
    }
    aliasing.pixel = std::max(grid.view.width / grid.columns, grid.view.height / grid.rows);
    for (int k = 0; k < grid.rows; ++k) {
        const double distance = DistanceFromRow(grid.Y(k));
        const double spacing = FinestFringeSpacing(hitLow, hitHigh, wavelength, grid.X(0),
                                                   grid.X(grid.columns - 1), distance);
        aliasing.nearestSpacing = std::min(aliasing.nearestSpacing, spacing);
        if (spacing < 2.0 * aliasing.pixel) {
            ++aliasing.rows;
            aliasing.withinDistance = std::max(aliasing.withinDistance, distance);
        }
    }
    return aliasing;
}

FieldRefinement::FieldRefinement(FieldEngine& engine, const FieldGrid& grid,
                                 std::size_t firstPixels, Room room)
    : engine_(engine),
      grid_(grid),
      p_(std::move(room.p)),
      re_(std::move(room.re)),
      im_(std::move(room.im)) {
    p_.assign(grid.Pixels(), 0.0);
    if (engine.LightSummed().Spectral()) {
        // Light of several wavelengths has no one sum a pixel: its white value and its colour.
        re_.clear();
        im_.clear();
        spectrum_.emplace(engine.LightSummed());
        colours_.assign(grid.Pixels(), LinearRgb{});
        previewPlaces_ = PreviewWavelengths(spectrum_->Size());
        if (previewPlaces_.size() < spectrum_->Size()) {
            Light few;
            for (const std::size_t w : previewPlaces_) {
                few.nanometres.push_back(spectrum_->Nanometres()[w]);
            }
            preview_.emplace(few);
            previewing_ = true;
        }
    } else {
        re_.assign(grid.Pixels(), 0.0);
        im_.assign(grid.Pixels(), 0.0);
    }
    if (grid.Pixels() == 0) {
        stride_ = 0;
        return;
    }
    while (Samples(grid_, firstStride_) > firstPixels && firstStride_ < kMostStride) {
        firstStride_ *= 2;
    }
    stride_ = firstStride_;
    for (int i = 0; i < grid_.columns; ++i) {
        columnX_.push_back(grid_.X(i));
    }
    row_ = (grid_.rows - 1) / stride_ * stride_;
    StartRow();
}

FieldRefinement::Room FieldRefinement::TakeRoom() && {
    return {std::move(p_), std::move(re_), std::move(im_)};
}

double FieldRefinement::Progress() const {
    return p_.empty() ? 1.0 : static_cast<double>(computed_) / static_cast<double>(p_.size());
}

void FieldRefinement::StartRow() {
    // Below the first level, a row the coarser levels had holds only the odd multiples of the
    // stride; the others every multiple.
    const bool coarserHadIt = stride_ < firstStride_ && row_ % (2 * stride_) == 0;
    columns_.clear();
    for (int i = coarserHadIt ? stride_ : 0; i < grid_.columns;
         i += coarserHadIt ? 2 * stride_ : stride_) {
        columns_.push_back(i);
    }
    next_ = 0;
}

void FieldRefinement::NextRow() {
    do {
        row_ -= stride_;
        if (row_ < 0) {
            finishedStride_ = stride_;
            previewShown_ = previewing_;
            if (previewing_) {
                previewing_ = false;  // the same level again, at every wavelength
            } else {
                stride_ /= 2;
                if (stride_ == 0) {
                    return;
                }
            }
            row_ = (grid_.rows - 1) / stride_ * stride_;
        }
        StartRow();
    } while (columns_.empty());
}

void FieldRefinement::TakePiece(const ScreenEngine& engine, std::size_t count) {
    pieces_.push_back({&engine, row_, pieceColumns_.size(), count});
    pieceColumns_.insert(pieceColumns_.end(), columns_.begin() + static_cast<std::ptrdiff_t>(next_),
                         columns_.begin() + static_cast<std::ptrdiff_t>(next_ + count));
    next_ += count;
    if (next_ == columns_.size()) {
        NextRow();
    }
}

void FieldRefinement::Compute(const Piece& piece, std::size_t from, std::size_t count, int stride,
                              bool preview, int threads, const ChunkSums& out) {
    const int* columns = pieceColumns_.data() + piece.first + from;
    for (std::size_t j = 0; j < count; ++j) {
        out.x[j] = columnX_[static_cast<std::size_t>(columns[j])];
    }
    const double y = grid_.Y(piece.row);
    const Spectrum* light = preview ? &*preview_ : spectrum_ ? &*spectrum_ : nullptr;
    if (preview) {
        piece.engine->ComputeSpectrum(y, std::span(out.x, count),
                                      std::span(out.spectrum, count * light->Size()),
                                      previewPlaces_, threads);
    } else if (light != nullptr) {
        piece.engine->ComputeSpectrum(y, std::span(out.x, count),
                                      std::span(out.spectrum, count * light->Size()), threads);
    } else {
        piece.engine->Compute(y, std::span(out.x, count), std::span(out.p, count),
                              std::span(out.re, count), std::span(out.im, count), threads);
    }
    // Each pixel shows over the block it stands for at this level, until finer ones come; the
    // blocks of a level's pixels do not overlap, so pieces may be shown side by side.
    const int top = std::min(piece.row + stride, grid_.rows);
    const auto across = static_cast<std::size_t>(grid_.columns);
    for (std::size_t j = 0; j < count; ++j) {
        const auto left = static_cast<std::size_t>(columns[j]);
        const auto right = std::min(left + static_cast<std::size_t>(stride), across);
        WhitePoint white;
        if (light != nullptr) {
            const std::size_t k = light->Size();
            white = light->At(std::span(out.spectrum + j * k, k));
        }
        for (int row = piece.row; row < top; ++row) {
            const std::size_t line = static_cast<std::size_t>(row) * across;
            if (light != nullptr) {
                std::fill(p_.data() + line + left, p_.data() + line + right, white.p);
                std::fill(colours_.data() + line + left, colours_.data() + line + right,
                          white.colour);
            } else {
                std::fill(p_.data() + line + left, p_.data() + line + right, out.p[j]);
                std::fill(re_.data() + line + left, re_.data() + line + right, out.re[j]);
                std::fill(im_.data() + line + left, im_.data() + line + right, out.im[j]);
            }
        }
    }
}

void FieldRefinement::Step(int threads) {
    // Terms a chunk may hold: about kChunkSeconds of work once a chunk has been timed.
    const double budget = secondsPerTerm_ > 0.0 ? kChunkSeconds / secondsPerTerm_ : 0.0;
    const int stride = stride_;
    const bool preview = previewing_;
    pieces_.clear();
    pieceColumns_.clear();
    double terms = 0.0;
    while (!Done() && stride_ == stride && previewing_ == preview) {
        const double y = grid_.Y(row_);
        if (!engine_.Prepare(y)) {
            if (pieces_.empty()) {
                return;  // a piece of preparation was this step
            }
            break;
        }
        const ScreenEngine& engine = engine_.Ready(y);
        const double perPoint = static_cast<double>(std::max<std::size_t>(engine.Terms(), 1));
        const std::size_t left = columns_.size() - next_;
        if (pieces_.empty() && perPoint * static_cast<double>(left) > budget) {
            // A row that takes long is cut into chunks, each spread over the cores.
            const std::size_t fewest = std::max<std::size_t>(engine.PointsPerRound(threads), 1);
            const double wanted = std::min(budget / perPoint, static_cast<double>(left));
            const std::size_t count =
                std::min(left, std::max(fewest, static_cast<std::size_t>(wanted)));
            TakePiece(engine, count);
            terms += perPoint * static_cast<double>(count);
            break;
        }
        if (terms + perPoint * static_cast<double>(left) > budget) {
            break;
        }
        TakePiece(engine, left);
        terms += perPoint * static_cast<double>(left);
    }
    const auto started = Clock::now();
    if (pieces_.size() == 1) {
        const Piece& piece = pieces_.front();
        chunkX_.resize(piece.count);
        chunkP_.resize(piece.count);
        chunkRe_.resize(piece.count);
        chunkIm_.resize(piece.count);
        chunkSpectrum_.resize(spectrum_ ? piece.count * spectrum_->Size() : 0);
        Compute(piece, 0, piece.count, stride, preview, threads,
                {chunkX_.data(), chunkP_.data(), chunkRe_.data(), chunkIm_.data(),
                 chunkSpectrum_.data()});
    } else {
        // Quick rows side by side, in runs of a few pixels, each on one thread.
        tasks_.clear();
        for (std::size_t i = 0; i < pieces_.size(); ++i) {
            for (std::size_t from = 0; from < pieces_[i].count; from += kTaskPixels) {
                tasks_.push_back({i, from});
            }
        }
        ParallelFor(Teams(threads, terms, tasks_.size()), tasks_.size(), [&](std::size_t t) {
            const Piece& piece = pieces_[tasks_[t].piece];
            const std::size_t from = tasks_[t].from;
            double x[kTaskPixels];
            double p[kTaskPixels];
            double re[kTaskPixels];
            double im[kTaskPixels];
            std::vector<double> spectrum(spectrum_ ? kTaskPixels * spectrum_->Size() : 0);
            Compute(piece, from, std::min(kTaskPixels, piece.count - from), stride, preview, 1,
                    {x, p, re, im, spectrum.data()});
        });
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    secondsPerTerm_ = seconds / std::max(terms, 1.0);
    for (const Piece& piece : pieces_) {
        interpolated_ = interpolated_ || piece.engine->Method() == SumMethod::Interpolated;
        errorBound_ = std::max(errorBound_, piece.engine->ErrorBound());
        computed_ += preview ? 0 : piece.count;
    }
}

bool FieldRefinement::Refine(Clock::time_point deadline, int threads) {
    while (!Done()) {
        Step(threads);
        if (Clock::now() >= deadline) {
            break;
        }
    }
    return Done();
}

}  // namespace pathsum
