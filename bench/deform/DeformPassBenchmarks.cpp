// The deform pass as the host runs it: a grid mesh shape in the scene, a
// noise deformer put on it with the host's deformer command, and each
// iteration one change of "phase" (which dirties the output geometry) and one
// read of the deformed shape's output. Binding the geometry happens once,
// before the timed loop, since attribute changes do not rebind it.
//
// Each benchmark reports the grid's points deformed per second.
#include "DeformedGrid.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <malloc.h>

namespace {

using kavo::bench::DeformedGrid;
using kavo::bench::DeformSetting;
using kavo::bench::gridMesh;
using kavo::bench::kHostShareOnly;
using kavo::bench::kPerlinFourOctaves;
using kavo::bench::kPerlinOneOctave;
using kavo::bench::kTextureDisplacement;

// range(0): the wanted vertex count; the grid has the nearest square count.
void BM_DeformPass(benchmark::State& state, const DeformSetting& setting)
{
    const int side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(state.range(0)))));
    DeformedGrid grid(side, setting);
    grid.checkDeformation(setting);
    if (!grid.timeEvaluations(state))
        return;
    state.counters["points"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * grid.pointCount(), benchmark::Counter::kIsRate);
}

void gridSizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgName("vertices")->Arg(10000)->Arg(100000)->Arg(1000000);
    benchmark->Unit(benchmark::kMillisecond)->MinTime(0.2);
}

BENCHMARK_CAPTURE(BM_DeformPass, perlin_1_octave, kPerlinOneOctave)->Apply(gridSizes);
BENCHMARK_CAPTURE(BM_DeformPass, perlin_4_octaves, kPerlinFourOctaves)->Apply(gridSizes);
BENCHMARK_CAPTURE(BM_DeformPass, texture_displacement, kTextureDisplacement)->Apply(gridSizes);
// The heap the process holds now: small blocks and large (mapped) ones.
double heapInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<double>(heap.uordblks) + static_cast<double>(heap.hblkhd);
}

// The host's share alone (the pass returns at once), and the memory per
// vertex that the scene holds beyond the input grid once the deformed
// shape has been evaluated: what evaluating a deformed shape costs the host.
void BM_HostShare(benchmark::State& state, const DeformSetting& setting)
{
    const int side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(state.range(0)))));
    gridMesh(side);
    const double heapBefore = heapInUse();
    DeformedGrid grid(side, setting);
    grid.checkDeformation(setting);
    const double heapHeld = heapInUse() - heapBefore;
    if (!grid.timeEvaluations(state))
        return;
    state.counters["points"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * grid.pointCount(), benchmark::Counter::kIsRate);
    state.counters["bytes_per_vertex"] = heapHeld / grid.pointCount();
}

BENCHMARK_CAPTURE(BM_HostShare, host_share_only, kHostShareOnly)->Apply(gridSizes);

} // namespace
