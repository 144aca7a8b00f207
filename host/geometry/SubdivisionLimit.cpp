#include "geometry/SubdivisionLimit.h"

#include "geometry/ControlNet.h"

#include <opensubdiv/far/primvarRefiner.h>
#include <opensubdiv/far/topologyDescriptor.h>
#include <opensubdiv/far/topologyRefinerFactory.h>

#include <memory>
#include <utility>

namespace kavo::host::geometry {

namespace {

namespace Far = OpenSubdiv::Far;
namespace Sdc = OpenSubdiv::Sdc;

// Tangents whose cross product is shorter than this share of the squared
// mesh size span no plane.
constexpr double kZeroCross = 1e-12;

// The vertex type OpenSubdiv's primvar refiner interpolates.
struct LimitVertex
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    void Clear() { x = y = z = 0.0; }
    void AddWithWeight(const LimitVertex& source, double weight)
    {
        x += source.x * weight;
        y += source.y * weight;
        z += source.z * weight;
    }
    MVector asVector() const { return MVector(x, y, z); }
};

std::unique_ptr<Far::TopologyRefiner> createRefiner(const PolygonMesh& base)
{
    Far::TopologyDescriptor descriptor;
    descriptor.numVertices = static_cast<int>(base.points.size());
    descriptor.numFaces = static_cast<int>(base.faceVertexCounts.size());
    descriptor.numVertsPerFace = base.faceVertexCounts.data();
    descriptor.vertIndicesPerFace = base.faceVertexIndices.data();

    Sdc::Options options;
    options.SetVtxBoundaryInterpolation(Sdc::Options::VTX_BOUNDARY_EDGE_AND_CORNER);
    using Factory = Far::TopologyRefinerFactory<Far::TopologyDescriptor>;
    return std::unique_ptr<Far::TopologyRefiner>(
        Factory::Create(descriptor, Factory::Options(Sdc::SCHEME_CATMARK, options)));
}

// The limit masks assume every face around a vertex is a quad, so the limit
// is taken one uniform level down, where all faces are quads; the child of a
// base vertex has the same limit point and tangent plane as the base vertex.
void refineOnceForLimit(Far::TopologyRefiner& refiner)
{
    Far::TopologyRefiner::UniformOptions options(1);
    options.fullTopologyInLastLevel = true; // the limit masks walk the last level's edges and faces
    refiner.RefineUniform(options);
}

MVector unitNormal(const MVector& tangent1, const MVector& tangent2, double meshSize)
{
    const MVector cross = tangent1 ^ tangent2;
    const double length = cross.length();
    return length > kZeroCross * meshSize * meshSize ? cross / length : MVector::zero;
}

} // namespace

MStatus computeSubdivisionLimit(const PolygonMesh& base, SubdivisionLimit& limit)
{
    if (!base.isValid())
        return MStatus::kInvalidParameter;
    if (base.faceVertexCounts.empty()) {
        limit.positions = base.points;
        limit.normals.assign(base.points.size(), MVector::zero);
        return MStatus::kSuccess;
    }

    const std::unique_ptr<Far::TopologyRefiner> refiner = createRefiner(base);
    if (!refiner)
        return MStatus::kFailure;
    refineOnceForLimit(*refiner);

    std::vector<LimitVertex> level0(base.points.size());
    for (size_t i = 0; i < base.points.size(); ++i)
        level0[i] = {base.points[i].x, base.points[i].y, base.points[i].z};
    const int level1Count = refiner->GetLevel(1).GetNumVertices();
    std::vector<LimitVertex> level1(level1Count);
    std::vector<LimitVertex> positions(level1Count);
    std::vector<LimitVertex> tangents1(level1Count);
    std::vector<LimitVertex> tangents2(level1Count);
    const Far::PrimvarRefinerReal<double> primvars(*refiner);
    primvars.Interpolate(1, level0, level1);
    primvars.Limit(level1, positions, tangents1, tangents2);

    const Far::TopologyLevel& baseLevel = refiner->GetLevel(0);
    const double meshSize = controlNetExtent(base.points);
    SubdivisionLimit result;
    result.positions.reserve(base.points.size());
    result.normals.reserve(base.points.size());
    for (int v = 0; v < static_cast<int>(base.points.size()); ++v) {
        const int child = baseLevel.GetVertexChildVertex(v);
        result.positions.emplace_back(positions[child].asVector());
        result.normals.push_back(unitNormal(tangents1[child].asVector(), tangents2[child].asVector(), meshSize));
    }
    limit = std::move(result);
    return MStatus::kSuccess;
}

} // namespace kavo::host::geometry
