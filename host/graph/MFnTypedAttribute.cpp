#include "graph/AttributeFunctionSet.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnTypedAttribute.h>

using namespace kavo::host::graph;

KAVO_FUNCTION_SET_MEMBERS(MFnTypedAttribute, MFn::kTypedAttribute)

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
