#include "geometry/MeshData.h"
#include "geometry/ReturnStatus.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnMeshData.h>

using kavo::host::geometry::MeshData;
using kavo::host::geometry::setReturnStatus;
using kavo::host::geometry::withStatus;
using kavo::host::graph::objectAs;

KAVO_FUNCTION_SET_MEMBERS(MFnMeshData, MFn::kMeshData)
MFnMeshData::~MFnMeshData() = default;

MObject MFnMeshData::create(MStatus* ReturnStatus)
{
    const MObject created(std::make_shared<MeshData>());
    return withStatus(ReturnStatus, attach(created, MFn::kMeshData), created);
}

MStatus MFnMeshData::getMatrix(MMatrix& matrix) const
{
    const auto data = objectAs<MeshData>(m_object);
    if (!data)
        return MStatus::kInvalidParameter;
    matrix = data->transform;
    return MStatus::kSuccess;
}

MStatus MFnMeshData::setMatrix(const MMatrix& matrix)
{
    const auto data = objectAs<MeshData>(m_object);
    if (!data)
        return MStatus::kInvalidParameter;
    data->transform = matrix;
    return MStatus::kSuccess;
}
