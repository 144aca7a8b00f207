#include "geometry/ReturnStatus.h"
#include "geometry/SubdData.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnSubdData.h>

using kavo::host::geometry::setReturnStatus;
using kavo::host::geometry::SubdData;
using kavo::host::geometry::withStatus;
using kavo::host::graph::objectAs;

KAVO_FUNCTION_SET_MEMBERS(MFnSubdData, MFn::kSubdivData)
MFnSubdData::~MFnSubdData() = default;

MObject MFnSubdData::create(MStatus* ReturnStatus)
{
    const MObject created(std::make_shared<SubdData>());
    return withStatus(ReturnStatus, attach(created, MFn::kSubdivData), created);
}

MStatus MFnSubdData::getMatrix(MMatrix& matrix) const
{
    const auto data = objectAs<SubdData>(m_object);
    if (!data)
        return MStatus::kInvalidParameter;
    matrix = data->transform;
    return MStatus::kSuccess;
}

MStatus MFnSubdData::setMatrix(const MMatrix& matrix)
{
    const auto data = objectAs<SubdData>(m_object);
    if (!data)
        return MStatus::kInvalidParameter;
    data->transform = matrix;
    return MStatus::kSuccess;
}
