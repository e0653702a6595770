#include "Parallel.h"

#include <omp.h>

#include <algorithm>
#include <atomic>
#include <chrono>

namespace pathsum {
namespace {

using Clock = std::chrono::steady_clock;

// Until when loops run on one thread, after one that waited on a thread the system did not
// run (in Clock ticks).
std::atomic<Clock::rep> aloneUntil{0};

// Below this many arrows of the screen kernel a loop is not worth waking other threads for.
constexpr double kParallelWork = 200'000.0;

// Waiting once as long as the calling thread worked is what an idle machine may cost, in the
// last task of another thread; a few milliseconds more is a thread that was not run. The loops
// of the next quarter second then keep to the calling thread.
constexpr auto kLongWait = std::chrono::milliseconds(2);
constexpr auto kAlone = std::chrono::milliseconds(250);

bool RunningAlone(Clock::time_point now) {
    return now.time_since_epoch().count() < aloneUntil.load(std::memory_order_relaxed);
}

void NoteTheWait(Clock::time_point started, Clock::time_point callerDone) {
    const auto ended = Clock::now();
    const auto waited = ended - callerDone;
    if (waited > kLongWait && waited > callerDone - started) {
        aloneUntil.store((ended + kAlone).time_since_epoch().count(), std::memory_order_relaxed);
    }
}

}  // namespace

int ThreadCount(int threads) {
    return threads > 0 ? threads : omp_get_max_threads();
}

int Teams(int threads, double work, std::size_t tasks) {
    const int teams = work < kParallelWork ? 1 : ThreadCount(threads);
    return static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(teams), tasks));
}

void ParallelFor(int teams, std::size_t count, void (*task)(void* context, std::size_t i),
                 void* context) {
    const auto started = Clock::now();
    if (teams <= 1 || count <= 1 || RunningAlone(started)) {
        for (std::size_t i = 0; i < count; ++i) {
            task(context, i);
        }
        return;
    }
    std::atomic<std::size_t> next{0};
    Clock::time_point callerDone = started;
#pragma omp parallel num_threads(teams)
    {
        for (std::size_t i = next.fetch_add(1, std::memory_order_relaxed); i < count;
             i = next.fetch_add(1, std::memory_order_relaxed)) {
            task(context, i);
        }
        if (omp_get_thread_num() == 0) {
            callerDone = Clock::now();
        }
    }
    NoteTheWait(started, callerDone);
}

}  // namespace pathsum
