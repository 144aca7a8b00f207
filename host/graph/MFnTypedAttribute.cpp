#include "graph/AttributeFunctionSet.h"

#include <maya/MFnTypedAttribute.h>

using namespace kavo::host::graph;

MFnTypedAttribute::MFnTypedAttribute() = default;

MFnTypedAttribute::MFnTypedAttribute(MObject& object, MStatus* ReturnStatus)
{
    MStatus status = attach(object, MFn::kTypedAttribute);
    if (ReturnStatus)
        *ReturnStatus = status;
}

MFnTypedAttribute::MFnTypedAttribute(const MObject& object, MStatus* ReturnStatus)
{
    MStatus status = attach(object, MFn::kTypedAttribute);
    if (ReturnStatus)
        *ReturnStatus = status;
}

MFn::Type MFnTypedAttribute::type() const
{
    return MFn::kTypedAttribute;
}

MObject MFnTypedAttribute::create(const MString& fullName, const MString& briefName, MFnData::Type dataType,
                                  const MObject& defaultValue, MStatus* ReturnStatus)
{
    auto attribute = createAttribute(AttributeKind::Typed, fullName, briefName, ReturnStatus);
    if (attribute) {
        attribute->dataType = dataType;
        attribute->defaultValue = defaultValue;
    }
    m_object = handleOf(attribute);
    return m_object;
}

MFnData::Type MFnTypedAttribute::attrType(MStatus* ReturnStatus) const
{
    auto attribute = objectAs<Attribute>(m_object);
    if (ReturnStatus)
        *ReturnStatus = attribute ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return attribute ? attribute->dataType : MFnData::kInvalid;
}
