#include "geometry/DataTransform.h"
#include "geometry/ReturnStatus.h"
#include "geometry/SubdData.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnSubdData.h>

using kavo::host::geometry::readTransform;
using kavo::host::geometry::SubdData;
using kavo::host::geometry::withStatus;
using kavo::host::geometry::writeTransform;

KAVO_FUNCTION_SET_MEMBERS(MFnSubdData, MFn::kSubdivData)
MFnSubdData::~MFnSubdData() = default;

MObject MFnSubdData::create(MStatus* ReturnStatus)
{
    const MObject created(std::make_shared<SubdData>());
    return withStatus(ReturnStatus, attach(created, MFn::kSubdivData), created);
}

MStatus MFnSubdData::getMatrix(MMatrix& matrix) const
{
    return readTransform<SubdData>(m_object, matrix);
}

MStatus MFnSubdData::setMatrix(const MMatrix& matrix)
{
    return writeTransform<SubdData>(m_object, matrix);
}
