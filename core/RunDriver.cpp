#include "RunDriver.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "ScreenEngine.h"

namespace pathsum {
namespace {

using Clock = std::chrono::steady_clock;

// Detector points are computed in chunks sized so that one chunk takes about a fifth of the
// event interval; between chunks the driver can let the window answer. A chunk never holds
// fewer points than keep every core and vector lane busy (the engine says how many; when one
// point takes long the engine spreads its terms over the cores and one point is enough).
class ChunkSizer {
  public:
    ChunkSizer(std::chrono::milliseconds interval, std::size_t fewest)
        : target_(interval / 5), fewest_(std::max<std::size_t>(fewest, 1)), size_(fewest_) {}

    std::size_t Next() const { return size_; }

    void Observe(std::size_t points, Clock::duration took) {
        if (points == 0) {
            return;
        }
        const double perPoint =
            std::chrono::duration<double>(took).count() / static_cast<double>(points);
        const double target = std::chrono::duration<double>(target_).count();
        const double wanted = perPoint > 0.0 ? target / perPoint : kMostPoints;
        size_ = std::max(fewest_, static_cast<std::size_t>(std::clamp(wanted, 1.0, kMostPoints)));
    }

  private:
    // A chunk timed as taking no time at all (a clock that did not tick) still leaves the
    // window answering: never more points than this, beyond the fewest that keep every core busy.
    static constexpr double kMostPoints = 4096.0;

    Clock::duration target_;
    std::size_t fewest_;
    std::size_t size_;
};

}  // namespace

RunOutcome RunCalculation(const RunPlan& plan, RunHost& host, const RunOptions& options) {
    host.DrawScene(plan.row);
    const std::vector<double>& xs = plan.detectorX;
    const Light& light = plan.settings.light;
    const Spectrum spectrum(light);
    // The p of every wavelength of every point.
    std::vector<double> p(xs.size() * spectrum.Size());
    const int count = plan.paths.Count();
    auto lastEvents = Clock::now();

    // The engine's weights, when it uses them, are formed in pieces; the window answers and
    // Stop is seen between them.
    EngineOptions engineOptions;
    engineOptions.threads = options.threads;
    engineOptions.light = light;
    const std::optional<ScreenEngine> engine =
        ScreenEngine::Prepare(plan.paths, plan.settings.wavelength, xs.size(), engineOptions, [&] {
            if (Clock::now() - lastEvents >= options.eventInterval) {
                host.ProcessPendingEvents();
                lastEvents = Clock::now();
            }
            return !host.ShouldStop();
        });
    if (!engine) {
        return RunOutcome::Stopped;
    }

    ChunkSizer sizer(options.eventInterval, engine->PointsPerRound(options.threads));
    for (double screenY : kScreenYs) {
        host.StartScreen(screenY);
        host.ProcessPendingEvents();
        lastEvents = Clock::now();
        std::size_t next = 0;
        while (next < xs.size()) {
            if (host.ShouldStop()) {
                return RunOutcome::Stopped;
            }
            // A run without paths plots nothing, so there is nothing to compute.
            const std::size_t chunk = std::min(sizer.Next(), xs.size() - next);
            const std::size_t k = spectrum.Size();
            if (count > 0) {
                const auto started = Clock::now();
                engine->ComputeSpectrum(screenY, std::span(xs).subspan(next, chunk),
                                        std::span(p).subspan(next * k, chunk * k), options.threads);
                sizer.Observe(chunk, Clock::now() - started);
            }
            for (std::size_t i = next; i < next + chunk; ++i) {
                if (host.ShouldStop()) {
                    return RunOutcome::Stopped;
                }
                if (light.Spectral()) {
                    host.PlotWhitePoint(xs[i], screenY, count,
                                        spectrum.At(std::span(p).subspan(i * k, k)));
                } else {
                    host.PlotPoint(xs[i], screenY, count, p[i]);
                }
            }
            next += chunk;
            if (Clock::now() - lastEvents >= options.eventInterval) {
                host.ProcessPendingEvents();
                lastEvents = Clock::now();
            }
        }
        host.FinishScreen(screenY, count);
    }
    return RunOutcome::Finished;
}

}  // namespace pathsum
