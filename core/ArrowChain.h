#pragma once

#include <cstdint>
#include <vector>

#include "PathEnumeration.h"

namespace pathsum {

// The part of the chain one element's paths make: they follow each other along the chain.
struct ElementLink {
    int element = 0;    // 0 for the leftmost element of the row
    int firstPath = 0;  // index of its first path, in the order the paths are counted
    int pathCount = 0;
    double cosSum = 0.0;  // its own resultant
    double sinSum = 0.0;
};

// The arrows of one detector point added head to tail, in the order the paths are counted:
// the picture behind one plotted value.
struct ArrowChain {
    int count = 0;        // N, the paths summed
    double cosSum = 0.0;  // the resultant S, summed exactly as the screen kernel sums it
    double sinSum = 0.0;
    double p = 0.0;              // |S|^2
    double shortestTurns = 0.0;  // the shortest and longest path, in wavelengths
    double longestTurns = 0.0;
    std::vector<ElementLink> links;
    // Where the chain stands after each path (the head of its arrow); single precision is
    // plenty for a picture and halves the memory of millions of paths.
    std::vector<float> headX;
    std::vector<float> headY;
    // The box around the origin and every head.
    float minX = 0.0f;
    float maxX = 0.0f;
    float minY = 0.0f;
    float maxY = 0.0f;
};

// The chain at detector x on the screen at `screenY`, from the run's own paths with the screen
// kernel's arrows. `chain` is reused, so that following a pointer does not reallocate.
void ChainAtPoint(const PathSet& paths, double wavelength, double screenY, double x,
                  ArrowChain& chain);

// The detector point of a run nearest to a point of the plot: the nearest screen by y and, on
// it, the nearest detector point by x (ties go to the lower screen and the smaller x).
struct ProbePoint {
    int screen = 0;  // index into kScreenYs
    int point = 0;   // index into the run's detector points
};
ProbePoint NearestDetectorPoint(double x, double y, const std::vector<double>& detectorX);

}  // namespace pathsum
