#include "geometry/DataTransform.h"
#include "geometry/MeshData.h"
#include "geometry/ReturnStatus.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnMeshData.h>

using kavo::host::geometry::MeshData;
using kavo::host::geometry::readTransform;
using kavo::host::geometry::withStatus;
using kavo::host::geometry::writeTransform;

KAVO_FUNCTION_SET_MEMBERS(MFnMeshData, MFn::kMeshData)
MFnMeshData::~MFnMeshData() = default;

MObject MFnMeshData::create(MStatus* ReturnStatus)
{
    const MObject created(std::make_shared<MeshData>());
    return withStatus(ReturnStatus, attach(created, MFn::kMeshData), created);
}

MStatus MFnMeshData::getMatrix(MMatrix& matrix) const
{
    return readTransform<MeshData>(m_object, matrix);
}

MStatus MFnMeshData::setMatrix(const MMatrix& matrix)
{
    return writeTransform<MeshData>(m_object, matrix);
}
