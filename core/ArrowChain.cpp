#include "ArrowChain.h"

#include <algorithm>
#include <cmath>

#include "PathEngine.h"
#include "Screens.h"

namespace pathsum {

void ChainAtPoint(const PathSet& paths, double wavelength, double pi, double screenY, double x,
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
    ArrowsAtPoint(paths, wavelength, pi, screenY, x, cosines, sines);

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
            c += cosines[i];
            s += sines[i];
            link.cosSum += cosines[i];
            link.sinSum += sines[i];
            chain.headX[i] = static_cast<float>(c);
            chain.headY[i] = static_cast<float>(s);
        }
        chain.links.push_back(link);
    }
    chain.cosSum = c;
    chain.sinSum = s;
    chain.p = c * c + s * s;

    const double rowDistance = 100.0 - screenY;
    double shortest = INFINITY;
    double longest = -INFINITY;
    for (std::size_t i = 0; i < n; ++i) {
        const double dx = paths.HitX()[i] - x;
        const double length = paths.FirstLeg()[i] + std::sqrt(dx * dx + rowDistance * rowDistance);
        shortest = std::min(shortest, length);
        longest = std::max(longest, length);
    }
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
