#include "ArrowChain.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Geometry.h"
#include "Parallel.h"
#include "PathEngine.h"
#include "Screens.h"

// The chain adds the arrows as the kernel adds them.
#include "NoFusedMultiplyAdd.h"

namespace pathsum {
namespace {

// The heads are filled in blocks of this many paths, each block from the sum at its start and
// the blocks spread over the cores.
constexpr std::size_t kBlock = 1 << 16;

// What a chain needs besides the chain itself, kept by each thread so that following a pointer
// does not reallocate: the arrows of the paths, and the sums at the start of every block.
struct ChainScratch {
    std::vector<double> cosines;
    std::vector<double> sines;
    std::vector<double> blockCos;
    std::vector<double> blockSin;
};

// The box around the origin and some heads of a chain, and the shortest and longest of their
// paths.
struct HeadBox {
    float minX = 0.0f;
    float maxX = 0.0f;
    float minY = 0.0f;
    float maxY = 0.0f;
    double shortest = std::numeric_limits<double>::infinity();
    double longest = -std::numeric_limits<double>::infinity();

    void Take(float x, float y, double length) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
        shortest = std::min(shortest, length);
        longest = std::max(longest, length);
    }

    void Take(const HeadBox& other) {
        minX = std::min(minX, other.minX);
        maxX = std::max(maxX, other.maxX);
        minY = std::min(minY, other.minY);
        maxY = std::max(maxY, other.maxY);
        shortest = std::min(shortest, other.shortest);
        longest = std::max(longest, other.longest);
    }
};

// The resultant and each element's own, the arrows added in path order as the kernel adds
// them, and the sums at the start of every block of paths.
void SumTheLinks(const PathSet& paths, ChainScratch& scratch, ArrowChain& chain) {
    const std::span<const ElementStart> elements = paths.Elements();
    const std::size_t blocks = (paths.HitX().size() + kBlock - 1) / kBlock;
    scratch.blockCos.assign(blocks, 0.0);
    scratch.blockSin.assign(blocks, 0.0);
    double c = 0.0;
    double s = 0.0;
    for (std::size_t e = 0; e < elements.size(); ++e) {
        ElementLink link;
        link.element = elements[e].element;
        link.firstPath = elements[e].firstPath;
        const int end = e + 1 < elements.size() ? elements[e + 1].firstPath : paths.Count();
        link.pathCount = end - link.firstPath;
        for (auto i = static_cast<std::size_t>(link.firstPath); i < static_cast<std::size_t>(end);
             ++i) {
            if (i % kBlock == 0) {
                scratch.blockCos[i / kBlock] = c;
                scratch.blockSin[i / kBlock] = s;
            }
            c += scratch.cosines[i];
            s += scratch.sines[i];
            link.cosSum += scratch.cosines[i];
            link.sinSum += scratch.sines[i];
        }
        chain.links.push_back(link);
    }
    chain.cosSum = c;
    chain.sinSum = s;
    chain.p = c * c + s * s;
}

// The heads of block b, each from the exact sum at the block's start, so that they are the
// sums added one after the other; and the box around them.
HeadBox FillTheHeads(std::size_t b, const ChainScratch& scratch, const PathSet& paths,
                     double rowDistance, double x, ArrowChain& chain) {
    const std::span<const double> hitX = paths.HitX();
    const std::span<const double> firstLeg = paths.FirstLeg();
    double hc = scratch.blockCos[b];
    double hs = scratch.blockSin[b];
    HeadBox box;
    const std::size_t end = std::min(hitX.size(), (b + 1) * kBlock);
    for (std::size_t i = b * kBlock; i < end; ++i) {
        hc += scratch.cosines[i];
        hs += scratch.sines[i];
        const auto headX = static_cast<float>(hc);
        const auto headY = static_cast<float>(hs);
        chain.headX[i] = headX;
        chain.headY[i] = headY;
        const double dx = hitX[i] - x;
        const double length = firstLeg[i] + std::sqrt(dx * dx + rowDistance * rowDistance);
        box.Take(headX, headY, length);
    }
    return box;
}

// Every block of heads, the blocks over the cores; the box around them all.
HeadBox FillTheHeads(const ChainScratch& scratch, const PathSet& paths, double rowDistance,
                     double x, ArrowChain& chain) {
    const std::size_t blocks = scratch.blockCos.size();
    std::vector<HeadBox> boxes(blocks);
    ParallelFor(ThreadCount(0), blocks, [&](std::size_t b) {
        boxes[b] = FillTheHeads(b, scratch, paths, rowDistance, x, chain);
    });
    HeadBox box;
    for (const HeadBox& block : boxes) {
        box.Take(block);
    }
    return box;
}

void StartChain(int count, ArrowChain& chain) {
    chain.count = count;
    chain.cosSum = 0.0;
    chain.sinSum = 0.0;
    chain.p = 0.0;
    chain.shortestTurns = 0.0;
    chain.longestTurns = 0.0;
    chain.links.clear();
    chain.headX.resize(static_cast<std::size_t>(count));
    chain.headY.resize(static_cast<std::size_t>(count));
}

}  // namespace

// The arrows as the screen kernel forms them, then added in path order from 0, as it adds them:
// the resultant is the kernel's, bit for bit.
void ChainAtPoint(const PathSet& paths, double wavelength, double screenY, double x,
                  ArrowChain& chain) {
    StartChain(paths.Count(), chain);
    if (paths.Count() == 0) {
        return;
    }
    thread_local ChainScratch scratch;
    scratch.cosines.resize(paths.HitX().size());
    scratch.sines.resize(paths.HitX().size());
    ArrowsAtPoint(paths, wavelength, screenY, x, scratch.cosines, scratch.sines);
    SumTheLinks(paths, scratch, chain);
    const HeadBox box = FillTheHeads(scratch, paths, DistanceFromRow(screenY), x, chain);
    chain.minX = box.minX;
    chain.maxX = box.maxX;
    chain.minY = box.minY;
    chain.maxY = box.maxY;
    chain.shortestTurns = box.shortest / wavelength;
    chain.longestTurns = box.longest / wavelength;
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
