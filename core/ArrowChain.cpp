#include "ArrowChain.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Geometry.h"
#include "PathEngine.h"
#include "Screens.h"

// The chain adds the arrows as the kernel adds them.
#include "NoFusedMultiplyAdd.h"

namespace pathsum {

void ChainAtPoint(const PathSet& paths, double wavelength, double screenY, double x,
                  ArrowChain& chain) {
    const int count = paths.Count();
    const auto n = static_cast<std::size_t>(count);
    chain.count = count;
    chain.cosSum = 0.0;
    chain.sinSum = 0.0;
    chain.p = 0.0;
    chain.shortestTurns = 0.0;
    chain.longestTurns = 0.0;
    chain.links.clear();
    chain.headX.resize(n);
    chain.headY.resize(n);
    if (count == 0) {
        return;
    }
    // The arrows as the screen kernel forms them, then added in path order from 0, as it adds
    // them: the resultant is the kernel's, bit for bit.
    thread_local std::vector<double> cosines;
    thread_local std::vector<double> sines;
    cosines.resize(n);
    sines.resize(n);
    ArrowsAtPoint(paths, wavelength, screenY, x, cosines, sines);

    // The resultant and each element's own, added in path order as the kernel adds them;
    // the sums at the start of every block of paths let the heads be filled in in parallel,
    // each block from its exact starting point, so that they too are the sequential sums.
    constexpr std::size_t kBlock = 1 << 16;
    const std::size_t blocks = (n + kBlock - 1) / kBlock;
    thread_local std::vector<double> blockCos;
    thread_local std::vector<double> blockSin;
    blockCos.assign(blocks, 0.0);
    blockSin.assign(blocks, 0.0);
    const std::span<const ElementStart> elements = paths.Elements();
    double c = 0.0;
    double s = 0.0;
    for (std::size_t e = 0; e < elements.size(); ++e) {
        ElementLink link;
        link.element = elements[e].element;
        link.firstPath = elements[e].firstPath;
        const int end = e + 1 < elements.size() ? elements[e + 1].firstPath : count;
        link.pathCount = end - link.firstPath;
        for (int j = link.firstPath; j < end; ++j) {
            const auto i = static_cast<std::size_t>(j);
            if (i % kBlock == 0) {
                blockCos[i / kBlock] = c;
                blockSin[i / kBlock] = s;
            }
            c += cosines[i];
            s += sines[i];
            link.cosSum += cosines[i];
            link.sinSum += sines[i];
        }
        chain.links.push_back(link);
    }
    chain.cosSum = c;
    chain.sinSum = s;
    chain.p = c * c + s * s;

    // The scratch lists are this thread's; the threads that fill the heads read them here.
    const double* cosOf = cosines.data();
    const double* sinOf = sines.data();
    const double* blockCosOf = blockCos.data();
    const double* blockSinOf = blockSin.data();
    const double rowDistance = DistanceFromRow(screenY);
    const double* hitX = paths.HitX().data();
    const double* firstLeg = paths.FirstLeg().data();
    float minX = 0.0f;
    float maxX = 0.0f;
    float minY = 0.0f;
    float maxY = 0.0f;
    double shortest = std::numeric_limits<double>::infinity();
    double longest = -std::numeric_limits<double>::infinity();
    const auto fill = [&](std::size_t b) {
        double hc = blockCosOf[b];
        double hs = blockSinOf[b];
        float bMinX = 0.0f;
        float bMaxX = 0.0f;
        float bMinY = 0.0f;
        float bMaxY = 0.0f;
        double bShortest = std::numeric_limits<double>::infinity();
        double bLongest = -std::numeric_limits<double>::infinity();
        for (std::size_t i = b * kBlock; i < std::min(n, (b + 1) * kBlock); ++i) {
            hc += cosOf[i];
            hs += sinOf[i];
            const auto fx = static_cast<float>(hc);
            const auto fy = static_cast<float>(hs);
            chain.headX[i] = fx;
            chain.headY[i] = fy;
            bMinX = std::min(bMinX, fx);
            bMaxX = std::max(bMaxX, fx);
            bMinY = std::min(bMinY, fy);
            bMaxY = std::max(bMaxY, fy);
            const double dx = hitX[i] - x;
            const double length = firstLeg[i] + std::sqrt(dx * dx + rowDistance * rowDistance);
            bShortest = std::min(bShortest, length);
            bLongest = std::max(bLongest, length);
        }
#pragma omp critical(arrowChainBox)
        {
            minX = std::min(minX, bMinX);
            maxX = std::max(maxX, bMaxX);
            minY = std::min(minY, bMinY);
            maxY = std::max(maxY, bMaxY);
            shortest = std::min(shortest, bShortest);
            longest = std::max(longest, bLongest);
        }
    };
#pragma omp parallel for schedule(dynamic) if (blocks > 1)
    for (std::size_t b = 0; b < blocks; ++b) {
        fill(b);
    }
    chain.minX = minX;
    chain.maxX = maxX;
    chain.minY = minY;
    chain.maxY = maxY;
    chain.shortestTurns = shortest / wavelength;
    chain.longestTurns = longest / wavelength;
    if (chain.shortestTurns > chain.longestTurns) {
        std::swap(chain.shortestTurns, chain.longestTurns);  // a negative wavelength
    }
}

ProbePoint NearestDetectorPoint(double x, double y, const std::vector<double>& detectorX) {
    ProbePoint probe;
    for (std::size_t i = 1; i < kScreenYs.size(); ++i) {
        if (std::fabs(kScreenYs[i] - y) <
            std::fabs(kScreenYs[static_cast<std::size_t>(probe.screen)] - y)) {
            probe.screen = static_cast<int>(i);
        }
    }
    if (detectorX.empty()) {
        return probe;
    }
    const auto above = std::lower_bound(detectorX.begin(), detectorX.end(), x);
    auto nearest = above == detectorX.end() ? above - 1 : above;
    if (above != detectorX.begin() && above != detectorX.end() && x - *(above - 1) <= *above - x) {
        nearest = above - 1;
    }
    probe.point = static_cast<int>(nearest - detectorX.begin());
    return probe;
}

}  // namespace pathsum
