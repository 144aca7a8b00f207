#include "DeformedGrid.h"

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

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <vector>

namespace kavo::bench {

using kavo::host::session::DeformerCommand;
using kavo::host::session::DeformerOutcome;
using kavo::host::session::GeometryShapes;
using kavo::host::session::Host;

namespace {

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

} // namespace

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

DeformedGrid::DeformedGrid(int side, const DeformSetting& setting) : m_input(gridMesh(side)), m_pointCount(side * side)
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

DeformedGrid::~DeformedGrid()
{
    Host::resetScene();
}

void DeformedGrid::advancePhase()
{
    m_phaseValue += 0.001;
    m_phase.setValue(m_phaseValue);
}

MObject DeformedGrid::deformedOutput()
{
    return GeometryShapes::output(m_shape);
}

void DeformedGrid::checkDeformation(const DeformSetting& setting)
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

bool DeformedGrid::timeEvaluations(benchmark::State& state)
{
    if (!m_problem.empty()) {
        state.SkipWithError(m_problem.c_str());
        return false;
    }
    for (auto _ : state) {
        advancePhase();
        MObject output = deformedOutput();
        benchmark::DoNotOptimize(output);
    }
    return true;
}

void DeformedGrid::fail(const std::string& problem)
{
    if (m_problem.empty())
        m_problem = problem;
}

MPointArray DeformedGrid::evaluatedPoints()
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
void DeformedGrid::connectTexture()
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

} // namespace kavo::bench
