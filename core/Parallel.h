#pragma once

// The parallel loops of the engine, in one place: how many threads a loop may use, and a loop
// whose tasks go to whichever thread is free. Every task writes its own results only, so no
// result depends on the thread count.

#include <cstddef>
#include <type_traits>

namespace pathsum {

// The threads a loop may use: `threads`, or every core when it is 0.
int ThreadCount(int threads);

// How many threads share `tasks` tasks of `work` arrows of the screen kernel in all; `threads`
// = 0 is every core. Small loops are not worth waking other threads for.
int Teams(int threads, double work, std::size_t tasks);

// Runs task(i) for every i below `count` on `teams` threads, each task going to
// whichever thread is free. When the machine is busy, a thread the system does not run for a
// while keeps the others waiting at the end: a loop that waited far longer than it worked makes
// the loops of the next fraction of a second run on the calling thread alone. Tasks write their
// own results only, so results never depend on it.
void ParallelFor(int teams, std::size_t count, void (*task)(void* context, std::size_t i),
                 void* context);

template <class Task>
void ParallelFor(int teams, std::size_t count, Task&& task) {
    ParallelFor(
        teams, count,
        [](void* context, std::size_t i) {
            (*static_cast<std::remove_reference_t<Task>*>(context))(i);
        },
        &task);
}

}  // namespace pathsum
