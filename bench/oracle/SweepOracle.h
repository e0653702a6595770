#pragma once

#include <cstdint>
#include <vector>

#include "MirrorPattern.h"
#include "PathEngine.h"

namespace pathsum {

// What one detector point gets from the sweep.
struct SweepPoint {
    bool refused = false;  // the sweep would have tried more than the allowed rays
    int count = 0;
    double cosSum = 0.0;
    double sinSum = 0.0;
    double p = 0.0;
    std::int64_t raysTried = 0;
};

// The rays a sweep counted, in the order it counted them.
struct SweepTrace {
    std::vector<double> hitX;
    std::vector<double> firstLeg;
};

// The sum over paths at one detector point done the long way: the whole ray sweep from the
// source, step for step, with the arrow of every counted ray added as it is found. It is the
// reference the engine is measured against, kept plain on purpose; it is never part of the
// program. Like the engine it gives up after `maxRays` rays, so that no setting can make it
// run forever. When `trace` is given, the counted rays are recorded in it.
SweepPoint SweepAtPoint(const EngineInputs& inputs, const ElementRow& row, double x, double y,
                        std::int64_t maxRays = kMaxRaysPerSweep, SweepTrace* trace = nullptr);

}  // namespace pathsum
