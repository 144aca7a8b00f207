#include "geometry/ReturnStatus.h"
#include "geometry/SubdData.h"

#include <maya/MFnSubdData.h>

using kavo::host::geometry::setReturnStatus;
using kavo::host::geometry::SubdData;
using kavo::host::geometry::withStatus;
using kavo::host::graph::objectAs;

MFnSubdData::MFnSubdData() = default;

MFnSubdData::MFnSubdData(MObject& object, MStatus* ReturnStatus)
{
    setReturnStatus(ReturnStatus, attach(object, MFn::kSubdivData));
}

MFnSubdData::MFnSubdData(const MObject& object, MStatus* ReturnStatus)
{
    setReturnStatus(ReturnStatus, attach(object, MFn::kSubdivData));
}

MFnSubdData::~MFnSubdData() = default;

MFn::Type MFnSubdData::type() const
{
    return MFn::kSubdivData;
}

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
