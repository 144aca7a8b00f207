#include "geometry/ReturnStatus.h"
#include "geometry/VectorArrayData.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnVectorArrayData.h>

using kavo::host::geometry::setReturnStatus;
using kavo::host::geometry::VectorArrayData;
using kavo::host::geometry::withStatus;
using kavo::host::graph::objectAs;

KAVO_FUNCTION_SET_MEMBERS(MFnVectorArrayData, MFn::kVectorArrayData)
MFnVectorArrayData::~MFnVectorArrayData() = default;

unsigned int MFnVectorArrayData::length(MStatus* ReturnStatus) const
{
    const auto data = objectAs<VectorArrayData>(m_object);
    return withStatus(ReturnStatus, data ? MStatus::kSuccess : MStatus::kInvalidParameter,
                      data ? data->vectors().length() : 0u);
}

MVectorArray MFnVectorArrayData::array(MStatus* ReturnStatus)
{
    const auto data = objectAs<VectorArrayData>(m_object);
    return withStatus(ReturnStatus, data ? MStatus::kSuccess : MStatus::kInvalidParameter,
                      data ? data->vectors() : MVectorArray());
}

MStatus MFnVectorArrayData::copyTo(MVectorArray& dest) const
{
    const auto data = objectAs<VectorArrayData>(m_object);
    if (!data)
        return MStatus::kInvalidParameter;
    dest = data->vectors();
    return MStatus::kSuccess;
}

MStatus MFnVectorArrayData::set(const MVectorArray& newArray)
{
    const auto data = objectAs<VectorArrayData>(m_object);
    if (!data)
        return MStatus::kInvalidParameter;
    data->setVectors(newArray);
    return MStatus::kSuccess;
}

MObject MFnVectorArrayData::create(MStatus* ReturnStatus)
{
    return create(MVectorArray(), ReturnStatus);
}

MObject MFnVectorArrayData::create(const MVectorArray& in, MStatus* ReturnStatus)
{
    const MObject created(std::make_shared<VectorArrayData>(in));
    return withStatus(ReturnStatus, attach(created, MFn::kVectorArrayData), created);
}
