#pragma once

#include <chrono>
#include <cmath>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "Geometry.h"
#include "PathEnumeration.h"
#include "ScreenEngine.h"

namespace pathsum {

// The field of light: the sum S of a run's paths' arrows and p = |S|^2 at any point below the
// element row, not only on the ten screens, on a grid of pixel centres and computed coarse to
// fine.

// A rectangle of the plot square, in the plot frame.
struct FieldView {
    double left = kPlotLeft;
    double bottom = 0.0;
    double width = kPlotRight - kPlotLeft;
    double height = kRowY;
    friend bool operator==(const FieldView&, const FieldView&) = default;
};

// The narrowest view, a hundred millionth of the square across: its pixels resolve the fringes
// of the shortest wavelength a run accepts.
inline constexpr double kNarrowestFieldView = 1e-6;

// The view made square (as wide as it is, within kNarrowestFieldView and the whole square) and
// moved into the plot square; a coordinate that is not finite is the whole square's.
FieldView WithinTheSquare(FieldView view);

// The view zoomed by `factor` (above 1: in) about the point (x, y), which stays where it stands
// in the view; within the square. No factor above 0 leaves the view as it is.
FieldView Zoomed(const FieldView& view, double x, double y, double factor);

// The pixel centres of a view: `columns` across, `rows` down, row 0 at the bottom.
struct FieldGrid {
    FieldView view;
    int columns = 0;
    int rows = 0;

    double X(int i) const { return view.left + (i + 0.5) * view.width / columns; }
    double Y(int k) const { return view.bottom + (k + 0.5) * view.height / rows; }
    // The column and the row of the pixel a point lies in, the nearest for a point outside.
    int ColumnOf(double x) const { return Index((x - view.left) / view.width, columns); }
    int RowOf(double y) const { return Index((y - view.bottom) / view.height, rows); }
    std::size_t Pixels() const {
        return static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    }

  private:
    static int Index(double share, int count) {
        const double at = std::floor(share * count);
        return at >= count ? count - 1 : (at >= 0.0 ? static_cast<int>(at) : 0);
    }
};

// The program's engine for lines at every distance from the row. The distances are cut into
// bands, each halving the one before: from the nearest screen's distance on, then below it down
// to a half, a quarter and so on. Each band has its own plan of the interpolated sum (ScreenEngine
// with that band's nearest distance as its reach), chosen by the cost model for `evaluations`
// points (as if a whole view lay in the band); a band where the interpolation would not pay, or
// would keep more than a quarter of the paths as nodes, is summed over every path. So every value
// is within the engine's bound (kMaxInterpolationError in p / N^2) of the sum over every path. A
// line on one of the run's screens is summed as the run sums it, with the engine the run makes for
// `runPoints` points a screen: it gives the screen's bits. Bands are planned and their weights
// formed when a line first needs them, a batch at a time. The paths must outlive the engine.
class FieldEngine {
  public:
    // The bands, each from its nearest distance to the nearest of the band before: from the
    // run's nearest screen halving this many times, down to about 1e-11 units, far below half a
    // pixel of the narrowest view. Nearer lines are summed over every path.
    static constexpr std::size_t kBands = 40;

    FieldEngine(const PathSet& paths, double wavelength, std::size_t runPoints, double evaluations,
                const EngineOptions& options = {});

    // Does the next piece of what the sums on the line at `y` need: the plan of its band or a
    // batch of the band's weights, each a few milliseconds. True, doing nothing, once ready.
    bool Prepare(double y);

    // The engine the line at `y` is summed with, what it needs prepared first where it is not:
    // its Compute gives p (and the sum itself) on the line, its Method and ErrorBound say how.
    const ScreenEngine& Ready(double y);

    const PathSet& Paths() const { return *paths_; }
    double Wavelength() const { return wavelength_; }
    // The light summed (EngineOptions::light): the wavelength alone, or a spectrum of which it
    // is the one at 550 nanometres.
    const Light& LightSummed() const { return options_.light; }
    // The lowest and highest hit x of the paths (both 0 without paths).
    double HitLow() const { return hitLow_; }
    double HitHigh() const { return hitHigh_; }

  private:
    // How an engine of the field comes about: planned, its weights formed a batch at a time.
    struct Slot {
        std::optional<EngineBuilder> builder;
        std::optional<ScreenEngine> engine;
        bool direct = false;  // a band whose plan did not pay: the direct engine sums its lines
    };

    // The engine the line at `y` is summed with: its band's, the run's or the direct one.
    Slot& SlotFor(double y);
    void PlanBand(std::size_t band);
    // One step towards the slot's engine, planned already for a band; true once it is there.
    bool Advance(Slot& slot);

    const PathSet* paths_;
    double wavelength_;
    std::size_t runPoints_;
    double evaluations_;
    EngineOptions options_;
    double hitLow_ = 0.0;
    double hitHigh_ = 0.0;
    std::vector<Slot> bands_;
    Slot run_;
    Slot direct_;
    // The farthest band whose interpolation does not pay: it and every nearer one are summed
    // over every path.
    std::size_t unpaidFrom_ = kBands;
};

// Where the fringes may be finer than a view's pixels. Near the row the light arrives from
// every direction of the lit part of the row at once, and two paths meeting at angles a and b
// make fringes lambda / (2 sin((a - b) / 2)) apart: the finest where the lit part, from its
// lowest to its highest hit x, looks widest. A pixel then samples fringes it cannot resolve
// (fewer than two pixels a fringe), and the picture can show a pattern that is not there.
struct FieldAliasing {
    int rows = 0;                 // pixel rows with fringes finer than two pixels
    double nearestSpacing = 0.0;  // the finest fringe spacing on the view's pixel rows
    double withinDistance = 0.0;  // the rows nearer the row than this are the ones
    double pixel = 0.0;           // the larger side of a pixel
};

// The finest fringe spacing of paths hitting between `hitLow` and `hitHigh` on the line at
// distance `rowDistance` from the row, between x = `left` and `right`; infinite when there are
// no fringes.
double FinestFringeSpacing(double hitLow, double hitHigh, double wavelength, double left,
                           double right, double rowDistance);

FieldAliasing AliasingOf(const FieldGrid& grid, double hitLow, double hitHigh, double wavelength);

// The field of one view, computed coarse to fine: first every `FirstStride()`-th pixel of every
// such row, each shown over the block of pixels up and to its right, then the levels between,
// each halving the stride and computing only the pixels no coarser level had, down to every
// pixel. A level's rows are computed from the row downwards, in calls of a few milliseconds.
// Each pixel is computed once, so the work is the whole grid's; its value does not depend on
// how the work was spread over calls. In light of several wavelengths the first level is first
// computed at a few of them (PreviewWavelengths), a picture in a third of the time, and then
// again at every one before the finer levels: every pixel ends with every wavelength.
class FieldRefinement {
  public:
    using Clock = std::chrono::steady_clock;

    // The first level has at most `firstPixels` pixels (unless a stride of 64 has more), a
    // few milliseconds of computing at any settings worth interpolating: the first picture
    // comes at once.
    static constexpr std::size_t kFirstPixels = 4096;
    // The room of a refinement's sums, given up by one (TakeRoom) for the next to use again:
    // millions of new pixels are a page fault each few hundred the first time they are written.
    struct Room {
        std::vector<double> p;
        std::vector<double> re;
        std::vector<double> im;
    };
    FieldRefinement(FieldEngine& engine, const FieldGrid& grid,
                    std::size_t firstPixels = kFirstPixels, Room room = {});
    // Gives up the room of the sums; the refinement is left without pixels, to be destroyed.
    Room TakeRoom() &&;

    // Computes until `deadline`, always a little; true once every pixel is computed.
    bool Refine(Clock::time_point deadline, int threads = 0);
    bool Done() const { return stride_ == 0; }

    const FieldGrid& Grid() const { return grid_; }
    // p of every pixel, row 0 at the bottom, each row from the left: the pixel's own value once
    // computed, before that the value of the finest sample computed whose block covers it (0
    // before any).
    std::span<const double> P() const { return p_; }
    // The sum itself beside p, pixel for pixel as P(): its cosine and sine sums C and S (the
    // phase the paths' own, as ScreenEngine::Compute gives it), p = C^2 + S^2 of them. Empty in
    // light of several wavelengths, whose sums are many.
    std::span<const double> Re() const { return re_; }
    std::span<const double> Im() const { return im_; }
    // In light of several wavelengths (the engine's LightSummed), P() is every pixel's white
    // value and Colours() the colour of its light beside it (Spectrum::At); empty otherwise.
    std::span<const LinearRgb> Colours() const { return colours_; }
    // How far it is: the stride of the first level, of the finest level finished (0 before the
    // first is), and the share of the pixels computed.
    int FirstStride() const { return firstStride_; }
    int FinishedStride() const { return finishedStride_; }
    double Progress() const;
    // Whether the picture so far is the first level at a few wavelengths only.
    bool Preview() const { return previewShown_; }

    // Over the rows computed so far: whether any was interpolated, and the largest a priori
    // bound of the error in p / N^2.
    bool Interpolated() const { return interpolated_; }
    double ErrorBound() const { return errorBound_; }

  private:
    // Pixels of one row of the level under way, summed by one engine: the columns
    // pieceColumns_[first .. first + count - 1].
    struct Piece {
        const ScreenEngine* engine;
        int row;
        std::size_t first;
        std::size_t count;
    };

    // The columns of the row under way at this level.
    void StartRow();
    void NextRow();
    // Prepares the next row or computes the next chunk: the rest of the row under way, and of
    // the rows after it while they are quickly done, or part of a row that takes long.
    void Step(int threads);
    void TakePiece(const ScreenEngine& engine, std::size_t count);
    // Where a chunk's pixels are computed: room for `count` of each (in light of several
    // wavelengths, `count` times the wavelengths in `spectrum`, and no re or im).
    struct ChunkSums {
        double* x;
        double* p;
        double* re;
        double* im;
        double* spectrum;
    };
    // Computes `count` pixels of a piece from its `from`-th on into `out`, and shows each over
    // the block it stands for at the level of `stride`; at the preview's wavelengths only when
    // `preview`.
    void Compute(const Piece& piece, std::size_t from, std::size_t count, int stride, bool preview,
                 int threads, const ChunkSums& out);

    FieldEngine& engine_;
    FieldGrid grid_;
    std::optional<Spectrum> spectrum_;  // light of several wavelengths
    // The first look: its wavelengths' places in the spectrum and their own spectrum; whether
    // the level under way is at those alone, and whether the finest level finished is.
    std::vector<std::size_t> previewPlaces_;
    std::optional<Spectrum> preview_;
    bool previewing_ = false;
    bool previewShown_ = false;
    std::vector<double> p_;
    std::vector<double> re_;
    std::vector<double> im_;
    std::vector<LinearRgb> colours_;
    int firstStride_ = 1;
    int finishedStride_ = 0;
    int stride_ = 1;  // of the level under way; 0 once done
    int row_ = 0;
    std::vector<int> columns_;     // of the row under way
    std::size_t next_ = 0;         // into columns_
    std::vector<double> columnX_;  // the x of every column
    std::vector<Piece> pieces_;
    std::vector<int> pieceColumns_;
    // A run of pixels of a piece that one thread computes.
    struct Task {
        std::size_t piece;
        std::size_t from;
    };
    std::vector<Task> tasks_;
    std::vector<double> chunkX_;  // of a chunk of one row that takes long
    std::vector<double> chunkP_;
    std::vector<double> chunkRe_;
    std::vector<double> chunkIm_;
    std::vector<double> chunkSpectrum_;
    std::size_t computed_ = 0;
    // Seconds a point costs per term, from the chunks so far, to size the next.
    double secondsPerTerm_ = 0.0;
    bool interpolated_ = false;
    double errorBound_ = 0.0;
};

}  // namespace pathsum
