#include "graph/Object.h"

#include <maya/MFnBase.h>
#include <maya/MFnData.h>
#include <maya/MFnNumericData.h>

MFnBase::MFnBase() = default;
MFnBase::~MFnBase() = default;

MFn::Type MFnBase::type() const
{
    return MFn::kBase;
}

bool MFnBase::hasObj(MFn::Type type) const
{
    return m_object.hasFn(type);
}

bool MFnBase::hasObj(const MObject& object) const
{
    return object.hasFn(type());
}

MObject MFnBase::object(MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = m_object.isNull() ? MStatus::kInvalidParameter : MStatus::kSuccess;
    return m_object;
}

MStatus MFnBase::setObject(MObject& object)
{
    return attach(object, type());
}

MStatus MFnBase::setObject(const MObject& object)
{
    return attach(object, type());
}

MStatus MFnBase::attach(const MObject& object, MFn::Type required)
{
    if (object.isNull() || !object.hasFn(required)) {
        m_object = MObject();
        return MStatus::kInvalidParameter;
    }
    m_object = object;
    return MStatus::kSuccess;
}

MFnData::MFnData() = default;

MFn::Type MFnData::type() const
{
    return MFn::kData;
}

MFnNumericData::MFnNumericData() = default;

MFn::Type MFnNumericData::type() const
{
    return MFn::kNumericData;
}
