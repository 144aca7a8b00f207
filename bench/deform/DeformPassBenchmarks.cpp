// The deform pass as the host runs it: a grid mesh shape in the scene, a
// noise deformer put on it with the host's deformer command, and each
// iteration one change of "phase" (which dirties the output geometry) and one
// read of the deformed shape's output. Binding the geometry happens once,
// before the timed loop, since attribute changes do not rebind it.
//
// Each benchmark reports the grid's points deformed per second.
#include "graph/Node.h"
#include "render/PngWriter.h"
#include "session/DeformerCommand.h"
#include "session/GeometryShapes.h"
#include "session/Host.h"

#include <maya/MDGModifier.h>
#include <maya/MFloatArray.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MFnMeshData.h>
#include <maya/MIntArray.h>
#include <maya/MItGeometry.h>
#include <maya/MPlug.h>
#include <maya/MPointArray.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <map>
#include <string>
#include <vector>

namespace {

using kavo::host::session::DeformerCommand;
using kavo::host::session::DeformerOutcome;
using kavo::host::session::GeometryShapes;
using kavo::host::session::Host;

// A square grid of side x side vertices in the plane y = 0, eight units
// across so that the noise varies over it, quads between them and one UV
// per vertex spanning the unit square. Built once per size: the 1M grid
// takes a while.
MObject gridMesh(int side)
{
    static std::map<int, MObject> built;
    MObject& data = built[side];
    if (!data.isNull())
        return data;

    const float spacing = 8.0f / static_cast<float>(side - 1);
    const float uvStep = 1.0f / static_cast<float>(side - 1);
    MFloatPointArray points;
    MFloatArray us, vs;
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column) {
            points.append(column * spacing - 4.0f, 0.0f, row * spacing - 4.0f);
            us.append(column * uvStep);
            vs.append(row * uvStep);
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

// A folder of its own under the system's temporary folder, removed with
// everything in it at exit.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kavo-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool usable() const { return !m_path.empty(); }
    std::string file(const std::string& name) const { return (std::filesystem::path(m_path) / name).string(); }

private:
    std::string m_path;
};

// A 256 x 256 image whose colour changes everywhere (red along u, green
// along v, a blue checker), written once. Empty when it cannot be written.
std::string textureImage(std::string& problem)
{
    static ScratchFolder folder;
    static std::string written;
    if (!written.empty())
        return written;
    if (!folder.usable()) {
        problem = "no temporary folder for the texture";
        return {};
    }
    const int size = 256;
    std::vector<std::uint8_t> pixels;
    pixels.reserve(size * size * 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            for (int channel : {x, y, ((x / 32 + y / 32) % 2) * 255, 255})
                pixels.push_back(static_cast<std::uint8_t>(channel));
    const std::string path = folder.file("displacement.png");
    if (kavo::host::render::PngWriter::write(path, size, size, pixels, problem) == MStatus::kSuccess)
        written = path;
    return written;
}

// What one benchmark asks of the deformer.
struct DeformSetting
{
    bool fractal;
    float octaves;
    bool texture;
    float envelope;

    // Below an envelope of 0.001 the pass returns at once: what is left is
    // the host's share of every evaluation (copying the input geometry to
    // the output, pulling it through the graph), for comparison.
    bool passSkipped() const { return envelope < 0.001f; }
};

const DeformSetting kPerlinOneOctave{false, 1.0f, false, 1.0f};
const DeformSetting kPerlinFourOctaves{true, 4.0f, false, 1.0f};
const DeformSetting kTextureDisplacement{false, 1.0f, true, 1.0f};
const DeformSetting kHostShareOnly{false, 1.0f, false, 0.0f};

MPlug plugOf(const MObject& node, const char* attribute)
{
    return MFnDependencyNode(node).findPlug(attribute);
}

MPointArray pointsOf(MObject data)
{
    MPointArray points;
    MItGeometry(data).allPositions(points);
    return points;
}

unsigned int movedCount(const MPointArray& before, const MPointArray& after)
{
    unsigned int moved = 0;
    for (unsigned int i = 0; i < before.length() && i < after.length(); ++i)
        moved += before[i] != after[i] ? 1 : 0;
    return moved;
}

// The grid's shape with a noise deformer on it, in a scene of its own; the
// scene is emptied again when it goes.
class DeformedGrid
{
public:
    DeformedGrid(int side, const DeformSetting& setting) : m_input(gridMesh(side)), m_pointCount(side * side)
    {
        Host::resetScene();
        const MObject shape = GeometryShapes::create("mesh", "grid", m_input);
        if (shape.isNull()) {
            fail("the host made no mesh shape");
            return;
        }
        m_shape = kavo::host::graph::objectAs<kavo::host::graph::Node>(shape)->name();
        const DeformerOutcome outcome = DeformerCommand::run("noiseDeformer", {m_shape});
        if (!outcome.succeeded()) {
            fail(outcome.message);
            return;
        }
        m_deformer = outcome.deformer;
        m_phase = plugOf(m_deformer, "phase");
        plugOf(m_deformer, "fractalState").setValue(setting.fractal);
        plugOf(m_deformer, "iterations").setValue(setting.octaves);
        plugOf(m_deformer, "envelope").setValue(setting.envelope);
        if (setting.texture)
            connectTexture();
    }
    ~DeformedGrid() { Host::resetScene(); }
    DeformedGrid(const DeformedGrid&) = delete;
    DeformedGrid& operator=(const DeformedGrid&) = delete;

    // Empty when the grid is ready to be deformed; otherwise what went wrong.
    const std::string& problem() const { return m_problem; }
    unsigned int pointCount() const { return m_pointCount; }

    // Moves the phase on a little, so that the deformer computes again.
    void advancePhase()
    {
        m_phaseValue += 0.001;
        m_phase.setValue(m_phaseValue);
    }

    // The shape's geometry, pulled through the deformer.
    MObject deformedOutput() { return GeometryShapes::output(m_shape); }

    // Binds the geometry and checks that the pass moves it (or, skipped,
    // does not), and that a change of phase is what each timed iteration
    // needs: noise follows it, a sampled texture does not. Two passes also
    // leave the host's memory for the output geometry as later passes find it.
    void checkDeformation(const DeformSetting& setting)
    {
        const MPointArray input = pointsOf(m_input);
        const MPointArray first = evaluatedPoints();
        if (!m_problem.empty())
            return;
        const unsigned int moved = movedCount(input, first);
        const bool movedAsExpected = setting.passSkipped() ? moved == 0 : moved >= input.length() / 2;
        if (first.length() != input.length() || !movedAsExpected) {
            fail(setting.passSkipped() ? "the skipped pass moved the grid" : "the pass left most of the grid alone");
            return;
        }
        advancePhase();
        const bool phaseMatters = movedCount(first, evaluatedPoints()) != 0;
        const bool noiseDrivesResult = !setting.texture && !setting.passSkipped();
        if (phaseMatters && !noiseDrivesResult)
            fail("the phase changed a result that should not follow it");
        if (!phaseMatters && noiseDrivesResult)
            fail("the noise ignored the phase");
    }

private:
    void fail(const std::string& problem)
    {
        if (m_problem.empty())
            m_problem = problem;
    }

    MPointArray evaluatedPoints()
    {
        auto* node = kavo::host::graph::objectAs<kavo::host::graph::Node>(m_deformer).get();
        node->lastComputeStatus = MStatus::kSuccess;
        const MObject output = deformedOutput();
        if (output.isNull() || node->lastComputeStatus != MStatus::kSuccess)
            fail("the deform pass failed");
        return output.isNull() ? MPointArray() : pointsOf(output);
    }

    // A "file" node with the texture image feeding the deformer's
    // "displacement", and the noise type that samples it.
    void connectTexture()
    {
        std::string problem;
        const std::string image = textureImage(problem);
        if (image.empty()) {
            fail("cannot write the texture: " + problem);
            return;
        }
        MDGModifier edits;
        const MObject file = edits.createNode("file");
        MStatus status = edits.doIt();
        if (status)
            status = plugOf(file, "fileTextureName").setValue(image.c_str());
        MDGModifier connection;
        if (status)
            status = connection.connect(plugOf(file, "outColor"), plugOf(m_deformer, "displacement"));
        if (status)
            status = connection.doIt();
        if (status)
            status = plugOf(m_deformer, "noiseType").setValue(4);
        if (!status)
            fail("cannot connect a file texture to the deformer");
    }

    MObject m_input;
    unsigned int m_pointCount;
    std::string m_shape;
    MObject m_deformer;
    MPlug m_phase;
    double m_phaseValue = 0.0;
    std::string m_problem;
};

// range(0): the wanted vertex count; the grid has the nearest square count.
void BM_DeformPass(benchmark::State& state, const DeformSetting& setting)
{
    const int side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(state.range(0)))));
    DeformedGrid grid(side, setting);
    grid.checkDeformation(setting);
    if (!grid.problem().empty()) {
        state.SkipWithError(grid.problem().c_str());
        return;
    }
    for (auto _ : state) {
        grid.advancePhase();
        MObject output = grid.deformedOutput();
        benchmark::DoNotOptimize(output);
    }
    state.counters["points"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * grid.pointCount(), benchmark::Counter::kIsRate);
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
    if (!grid.problem().empty()) {
        state.SkipWithError(grid.problem().c_str());
        return;
    }
    for (auto _ : state) {
        grid.advancePhase();
        MObject output = grid.deformedOutput();
        benchmark::DoNotOptimize(output);
    }
    state.counters["points"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * grid.pointCount(), benchmark::Counter::kIsRate);
    state.counters["bytes_per_vertex"] = heapHeld / grid.pointCount();
}

BENCHMARK_CAPTURE(BM_HostShare, host_share_only, kHostShareOnly)->Apply(gridSizes);

} // namespace
