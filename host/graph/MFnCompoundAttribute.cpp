#include "graph/AttributeFunctionSet.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnCompoundAttribute.h>

using namespace kavo::host::graph;

KAVO_FUNCTION_SET_MEMBERS(MFnCompoundAttribute, MFn::kCompoundAttribute)

MObject MFnCompoundAttribute::create(const MString& fullName, const MString& briefName, MStatus* ReturnStatus)
{
    m_object = handleOf(createAttribute(AttributeKind::Compound, fullName, briefName, ReturnStatus));
    return m_object;
}

MStatus MFnCompoundAttribute::addChild(const MObject& child)
{
    auto attribute = objectAs<Attribute>(m_object);
    auto childAttribute = objectAs<Attribute>(child);
    if (!attribute || !childAttribute || childAttribute->parent)
        return MStatus::kInvalidParameter;
    attribute->addChild(childAttribute);
    return MStatus::kSuccess;
}

unsigned int MFnCompoundAttribute::numChildren(MStatus* ReturnStatus) const
{
    auto attribute = objectAs<Attribute>(m_object);
    if (ReturnStatus)
        *ReturnStatus = attribute ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return attribute ? static_cast<unsigned int>(attribute->children.size()) : 0;
}

MObject MFnCompoundAttribute::child(unsigned int index, MStatus* ReturnStatus) const
{
    auto attribute = objectAs<Attribute>(m_object);
    const bool valid = attribute && index < attribute->children.size();
    if (ReturnStatus)
        *ReturnStatus = valid ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return valid ? MObject(attribute->children[index]) : MObject();
}
