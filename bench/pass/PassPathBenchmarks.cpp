// The deform pass's literal per-point path and its batch path side by side,
// on a grid mesh of about 10k, 100k and 1M vertices, with 1 and 4 octaves,
// the batch path on 1 and 2 threads. Only the deform call is timed: that is
// the plug-in's share of an evaluation, host calls it makes included (the
// iterator, weights, normals). The host's own share, copying the input to
// the output and pulling it through the graph, is kavo_bench_deform's
// host_share_only.
//
// This program links the plug-in's objects, so that it can choose the path
// (NoiseDeformerNode::m_passPath); it registers the node types by calling
// initializePlugin itself and never loads the library.
#include "NoiseDeformerNode.h"

#include "graph/Data.h"
#include "graph/Node.h"
#include "graph/Plugin.h"
#include "session/Host.h"

#include <maya/MDGModifier.h>
#include <maya/MDataBlock.h>
#include <maya/MFloatArray.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MFnMeshData.h>
#include <maya/MIntArray.h>
#include <maya/MItGeometry.h>
#include <maya/MMatrix.h>
#include <maya/MPlug.h>
#include <maya/MPxDeformerNode.h>

#include <benchmark/benchmark.h>
#ifdef KAVO_HAS_TBB
#include <tbb/global_control.h>
#endif

#include <cmath>
#include <iostream>
#include <map>
#include <memory>

MStatus initializePlugin(MObject plugin);

namespace {

using kavo::host::graph::Data;
using kavo::host::graph::Node;
using kavo::host::graph::objectAs;
using Path = NoiseDeformerNode::PassPath;

// A square grid of side x side vertices in the plane y = 0, eight units
// across, one UV per vertex; built once per size.
MObject gridMesh(int side)
{
    static std::map<int, MObject> built;
    MObject& data = built[side];
    if (!data.isNull())
        return data;
    const float spacing = 8.0f / static_cast<float>(side - 1);
    MFloatPointArray points;
    MFloatArray us, vs;
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column) {
            points.append(column * spacing - 4.0f, 0.0f, row * spacing - 4.0f);
            us.append(static_cast<float>(column) / static_cast<float>(side - 1));
            vs.append(static_cast<float>(row) / static_cast<float>(side - 1));
        }
    MIntArray counts, connects;
    for (int row = 0; row + 1 < side; ++row)
        for (int column = 0; column + 1 < side; ++column) {
            const int corner = row * side + column;
            counts.append(4);
            for (int id : {corner, corner + side, corner + side + 1, corner + 1})
                connects.append(id);
        }
    data = MFnMeshData().create();
    MFnMesh mesh;
    mesh.create(side * side, static_cast<int>(counts.length()), points, counts, connects, data);
    mesh.setUVs(us, vs);
    mesh.assignUVs(counts, connects);
    return data;
}

MPlug plugOf(const MObject& node, const char* attribute)
{
    return MFnDependencyNode(node).findPlug(attribute);
}

// args: vertices, octaves, threads.
void BM_Pass(benchmark::State& state, Path path)
{
    const int side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(state.range(0)))));
    const int octaves = static_cast<int>(state.range(1));
#ifdef KAVO_HAS_TBB
    const tbb::global_control threads(tbb::global_control::max_allowed_parallelism,
                                      static_cast<std::size_t>(state.range(2)));
#endif
    kavo::host::session::Host::resetScene();

    MDGModifier modifier;
    const MObject deformer = modifier.createNode("noiseDeformer");
    if (!modifier.doIt()) {
        state.SkipWithError("cannot create the deformer");
        return;
    }
    plugOf(deformer, "fractalState").setValue(octaves > 1);
    plugOf(deformer, "iterations").setValue(static_cast<double>(octaves));
    MObject input = gridMesh(side);
    MPlug(deformer, MPxDeformerNode::input).elementByLogicalIndex(0).child(MPxDeformerNode::inputGeom).setValue(input);

    // The output holds a copy of the grid, deformed again by every pass: the
    // work per pass is the same whatever the points were moved to.
    MDataBlock block(objectAs<Node>(deformer).get());
    MDataHandle output = block.outputValue(MPlug(deformer, MPxDeformerNode::outputGeom).elementByLogicalIndex(0));
    output.set(MObject(objectAs<Data>(input)->clone()));
    MItGeometry iterator(output, 0u, false);
    auto* node = static_cast<MPxDeformerNode*>(MFnDependencyNode(deformer).userNode());
    NoiseDeformerNode::m_passPath = path;
    // The first pass binds the geometry's adapter; the host does that once.
    if (!node->deform(block, iterator, MMatrix::identity, 0)) {
        state.SkipWithError("the pass failed");
        return;
    }
    for (auto _ : state) {
        const MStatus status = node->deform(block, iterator, MMatrix::identity, 0);
        benchmark::DoNotOptimize(status);
    }
    NoiseDeformerNode::m_passPath = Path::batch;
    const double vertices = static_cast<double>(side) * side;
    state.counters["ns_per_vertex"] = benchmark::Counter(static_cast<double>(state.iterations()) * vertices * 1e-9,
                                                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    kavo::host::session::Host::resetScene();
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

BENCHMARK_CAPTURE(BM_Pass, literal, Path::literal)->Apply(literalSizes);
BENCHMARK_CAPTURE(BM_Pass, batch, Path::batch)->Apply(batchSizes);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const MStatus registered = initializePlugin(MObject(std::make_shared<kavo::host::graph::Plugin>("linked")));
    if (!registered) {
        std::cerr << "cannot register the plug-in's node types\n";
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    kavo::host::session::Host::resetScene();
    return 0;
}
