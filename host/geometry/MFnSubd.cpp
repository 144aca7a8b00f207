#include "geometry/DataSpace.h"
#include "geometry/ReturnStatus.h"
#include "geometry/SubdData.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnSubd.h>

#include <algorithm>
#include <utility>

using namespace kavo::host::geometry;
using kavo::host::graph::objectAs;

namespace {

// Ids carry a tag for what they name, so a base index passed where an id
// belongs (or a vertex id where a polygon id belongs) is refused.
constexpr MUint64 kBaseVertexTag = MUint64(0x5644) << 48;
constexpr MUint64 kBasePolygonTag = MUint64(0x5046) << 48;
constexpr MUint64 kIndexMask = (MUint64(1) << 32) - 1;

SubdData* subdIn(const MObject& object)
{
    return objectAs<SubdData>(object).get();
}

bool isBaseVertex(const SubdData& subd, int index)
{
    return index >= 0 && index < static_cast<int>(subd.pointCount());
}

// The base index an id names, or -1.
int indexOfId(MUint64 id, MUint64 tag, int count)
{
    if ((id & ~kIndexMask) != tag || (id & kIndexMask) >= static_cast<MUint64>(count))
        return -1;
    return static_cast<int>(id & kIndexMask);
}

int baseVertexOf(const SubdData* subd, MUint64 vertId)
{
    return subd ? indexOfId(vertId, kBaseVertexTag, static_cast<int>(subd->pointCount())) : -1;
}

int basePolygonOf(const SubdData* subd, MUint64 polyId)
{
    return subd ? indexOfId(polyId, kBasePolygonTag, subd->polygonCount()) : -1;
}

// Where each base polygon's corners start in the corner list.
int firstCornerOf(const PolygonMesh& base, int polygon)
{
    int first = 0;
    for (int k = 0; k < polygon; ++k)
        first += base.faceVertexCounts[k];
    return first;
}

} // namespace

KAVO_FUNCTION_SET_MEMBERS_WITH(MFnSubd, MFn::kSubdiv, setObject(object))

MFnSubd::MFnSubd(const MDagPath&, MStatus* ReturnStatus)
{
    setReturnStatus(ReturnStatus, MStatus::kNotImplemented);
}

MFnSubd::~MFnSubd() = default;

MStatus MFnSubd::setObject(MObject& object)
{
    return attach(object, MFn::kSubdivData);
}

MStatus MFnSubd::setObject(const MObject& object)
{
    return attach(object, MFn::kSubdivData);
}

MObject MFnSubd::createBaseMesh(bool reverseNormal, int numVertices, int numPolygons, const MPointArray& vertexArray,
                                const MIntArray& polygonCounts, const MIntArray& polygonConnects, MObject parentOrOwner,
                                MStatus* ReturnStatus)
{
    const bool consistent = numVertices >= 0 && static_cast<unsigned int>(numVertices) == vertexArray.length() &&
                            numPolygons >= 0 && static_cast<unsigned int>(numPolygons) == polygonCounts.length();
    std::shared_ptr<SubdData> subd =
        parentOrOwner.isNull() ? std::make_shared<SubdData>() : objectAs<SubdData>(parentOrOwner);
    if (!consistent || !subd)
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, MObject());

    PolygonMesh base;
    for (unsigned int k = 0; k < vertexArray.length(); ++k)
        base.points.push_back(vertexArray[k]);
    for (unsigned int k = 0; k < polygonCounts.length(); ++k)
        base.faceVertexCounts.push_back(polygonCounts[k]);
    for (unsigned int k = 0; k < polygonConnects.length(); ++k)
        base.faceVertexIndices.push_back(polygonConnects[k]);
    if (reverseNormal && base.isValid()) {
        auto corners = base.faceVertexIndices.begin();
        for (int count : base.faceVertexCounts) {
            std::reverse(corners, corners + count);
            corners += count;
        }
    }
    if (!subd->setBaseMesh(std::move(base)))
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, MObject());

    const MObject owner = parentOrOwner.isNull() ? MObject(subd) : parentOrOwner;
    attach(owner, MFn::kSubdivData);
    return withStatus(ReturnStatus, MStatus::kSuccess, owner);
}

unsigned int MFnSubd::vertexCount(int level, MStatus* ReturnStatus) const
{
    const SubdData* subd = subdIn(m_object);
    if (!subd || level != 0)
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, 0u);
    return withStatus(ReturnStatus, MStatus::kSuccess, subd->pointCount());
}

int MFnSubd::polygonCount(int level, MStatus* ReturnStatus) const
{
    const SubdData* subd = subdIn(m_object);
    if (!subd || level != 0)
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, 0);
    return withStatus(ReturnStatus, MStatus::kSuccess, subd->polygonCount());
}

MStatus MFnSubd::vertexBaseMeshGet(MPointArray& positions, MSpace::Space space) const
{
    const SubdData* subd = subdIn(m_object);
    if (!subd)
        return MStatus::kInvalidParameter;
    positions.setLength(subd->pointCount());
    for (unsigned int k = 0; k < subd->pointCount(); ++k)
        positions[k] = pointInSpace(*subd, subd->point(k), space);
    return MStatus::kSuccess;
}

MStatus MFnSubd::vertexBaseMeshSet(const MPointArray& positions, MSpace::Space space)
{
    SubdData* subd = subdIn(m_object);
    if (!subd || positions.length() != subd->pointCount())
        return MStatus::kInvalidParameter;
    for (unsigned int k = 0; k < positions.length(); ++k)
        subd->setPoint(k, pointFromSpace(*subd, positions[k], space));
    return MStatus::kSuccess;
}

MUint64 MFnSubd::vertexIdFromBaseVertexIndex(int baseVertexIndex, MStatus* ReturnStatus) const
{
    const SubdData* subd = subdIn(m_object);
    if (!subd || !isBaseVertex(*subd, baseVertexIndex))
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, MUint64(0));
    return withStatus(ReturnStatus, MStatus::kSuccess, kBaseVertexTag | static_cast<MUint64>(baseVertexIndex));
}

int MFnSubd::vertexBaseIndexFromVertexId(MUint64 vertId, MStatus* ReturnStatus) const
{
    const int index = baseVertexOf(subdIn(m_object), vertId);
    return withStatus(ReturnStatus, index < 0 ? MStatus::kInvalidParameter : MStatus::kSuccess, index);
}

MStatus MFnSubd::vertexPositionGet(MUint64 vertId, MPoint& position, MSpace::Space space) const
{
    const SubdData* subd = subdIn(m_object);
    const int index = baseVertexOf(subd, vertId);
    if (index < 0)
        return MStatus::kInvalidParameter;
    position = pointInSpace(*subd, subd->point(index), space);
    return MStatus::kSuccess;
}

MStatus MFnSubd::vertexNormal(MUint64 vertId, MVector& normal) const
{
    const SubdData* subd = subdIn(m_object);
    const int index = baseVertexOf(subd, vertId);
    if (index < 0)
        return MStatus::kFailure;
    const std::shared_ptr<const SubdivisionLimit> limit = subd->limit();
    if (!limit || limit->normals[index] == MVector::zero)
        return MStatus::kFailure;
    normal = limit->normals[index];
    return MStatus::kSuccess;
}

MUint64 MFnSubd::polygonIdFromBasePolygonIndex(int basePolygonIndex, MStatus* ReturnStatus) const
{
    const SubdData* subd = subdIn(m_object);
    if (!subd || basePolygonIndex < 0 || basePolygonIndex >= subd->polygonCount())
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, MUint64(0));
    return withStatus(ReturnStatus, MStatus::kSuccess, kBasePolygonTag | static_cast<MUint64>(basePolygonIndex));
}

int MFnSubd::polygonVertexCount(MUint64 polyId, MStatus* ReturnStatus) const
{
    const SubdData* subd = subdIn(m_object);
    const int polygon = basePolygonOf(subd, polyId);
    if (polygon < 0)
        return withStatus(ReturnStatus, MStatus::kInvalidParameter, 0);
    return withStatus(ReturnStatus, MStatus::kSuccess, subd->baseMesh().faceVertexCounts[polygon]);
}

MStatus MFnSubd::polygonBaseMeshVertices(int basePolygonIndex, MIntArray& baseVertexIndices) const
{
    const SubdData* subd = subdIn(m_object);
    if (!subd || basePolygonIndex < 0 || basePolygonIndex >= subd->polygonCount())
        return MStatus::kInvalidParameter;
    const PolygonMesh& base = subd->baseMesh();
    const int first = firstCornerOf(base, basePolygonIndex);
    baseVertexIndices.clear();
    for (int corner = 0; corner < base.faceVertexCounts[basePolygonIndex]; ++corner)
        baseVertexIndices.append(base.faceVertexIndices[first + corner]);
    return MStatus::kSuccess;
}
