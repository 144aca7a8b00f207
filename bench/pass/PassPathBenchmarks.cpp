// The deform pass's literal per-point path and its batch path side by side,
// on a grid mesh of about 10k, 100k and 1M vertices, with 1 and 4 octaves,
// the batch path on 1 and 2 threads, each evaluated as the host evaluates a
// deformed shape (see DeformedGrid). host_share_only times the same
// evaluations with the pass skipped. After the runs a table gives the
// plug-in's share of an evaluation (pass minus host_share_only) per vertex,
// and the batch path's speed-up over the literal one.
//
// This program links the plug-in's objects, so that it can choose the path
// (NoiseDeformerNode::m_passPath); it registers the node types by calling
// initializePlugin itself and never loads the library.
#include "DeformedGrid.h"
#include "NoiseDeformerNode.h"
#include "PassShareReporter.h"

#include "graph/Plugin.h"
#include "session/Host.h"

#include <benchmark/benchmark.h>
#ifdef KAVO_HAS_TBB
#include <tbb/global_control.h>
#endif

#include <cmath>
#include <iostream>
#include <memory>

MStatus initializePlugin(MObject plugin);

namespace {

using kavo::bench::DeformedGrid;
using kavo::bench::DeformSetting;
using Path = NoiseDeformerNode::PassPath;

int sideOf(const benchmark::State& state)
{
    return static_cast<int>(std::lround(std::sqrt(static_cast<double>(state.range(0)))));
}

// Evaluates the deformed grid over and over; the path stays chosen for the
// whole benchmark, binding included.
void evaluate(benchmark::State& state, const DeformSetting& setting, Path path)
{
    NoiseDeformerNode::m_passPath = path;
    DeformedGrid grid(sideOf(state), setting);
    grid.checkDeformation(setting);
    const bool timed = grid.timeEvaluations(state);
    NoiseDeformerNode::m_passPath = Path::batch;
    if (!timed)
        return;
    state.counters["ns_per_vertex"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * grid.pointCount() * 1e-9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// args: vertices, octaves, threads.
void BM_Pass(benchmark::State& state, Path path)
{
#ifdef KAVO_HAS_TBB
    const tbb::global_control threads(tbb::global_control::max_allowed_parallelism,
                                      static_cast<std::size_t>(state.range(2)));
#endif
    evaluate(state, state.range(1) > 1 ? kavo::bench::kPerlinFourOctaves : kavo::bench::kPerlinOneOctave, path);
}

// args: vertices.
void BM_HostShare(benchmark::State& state)
{
    evaluate(state, kavo::bench::kHostShareOnly, Path::batch);
}

void literalSizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgNames({"vertices", "octaves", "threads"});
    for (int vertices : {10000, 100000, 1000000})
        for (int octaves : {1, 4})
            benchmark->Args({vertices, octaves, 1});
    benchmark->Unit(benchmark::kMillisecond)->MinTime(0.2)->UseRealTime();
}

void batchSizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgNames({"vertices", "octaves", "threads"});
    for (int vertices : {10000, 100000, 1000000})
        for (int octaves : {1, 4})
            for (int threads : {1, 2})
                benchmark->Args({vertices, octaves, threads});
    benchmark->Unit(benchmark::kMillisecond)->MinTime(0.2)->UseRealTime();
}

void hostSizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgName("vertices")->Arg(10000)->Arg(100000)->Arg(1000000);
    benchmark->Unit(benchmark::kMillisecond)->MinTime(0.2)->UseRealTime();
}

BENCHMARK(BM_HostShare)->Name("host_share_only")->Apply(hostSizes);
BENCHMARK_CAPTURE(BM_Pass, literal, Path::literal)->Apply(literalSizes);
BENCHMARK_CAPTURE(BM_Pass, batch, Path::batch)->Apply(batchSizes);

} // namespace

int main(int argc, char** argv)
{
    kavo::host::session::Host::configureAllocator();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const MStatus registered = initializePlugin(MObject(std::make_shared<kavo::host::graph::Plugin>("linked")));
    if (!registered) {
        std::cerr << "cannot register the plug-in's node types\n";
        return 1;
    }
    kavo::bench::PassShareReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printShares(std::cout);
    benchmark::Shutdown();
    kavo::host::session::Host::resetScene();
    return 0;
}
