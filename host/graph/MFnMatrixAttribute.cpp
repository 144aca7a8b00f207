#include "graph/AttributeFunctionSet.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnMatrixAttribute.h>

using namespace kavo::host::graph;

KAVO_FUNCTION_SET_MEMBERS(MFnMatrixAttribute, MFn::kMatrixAttribute)

MObject MFnMatrixAttribute::create(const MString& fullName, const MString& briefName, Type matrixType,
                                   MStatus* ReturnStatus)
{
    auto attribute = createAttribute(AttributeKind::Matrix, fullName, briefName, ReturnStatus);
    if (attribute) {
        attribute->matrixType = matrixType;
        attribute->defaultValue = matrixType == kFloat ? Value(MFloatMatrix()) : Value(MMatrix::identity);
    }
    m_object = handleOf(attribute);
    return m_object;
}

MStatus MFnMatrixAttribute::setDefault(const MMatrix& value)
{
    auto attribute = objectAs<Attribute>(m_object);
    if (!attribute)
        return MStatus::kInvalidParameter;
    attribute->defaultValue = value;
    return MStatus::kSuccess;
}

MStatus MFnMatrixAttribute::setDefault(const MFloatMatrix& value)
{
    auto attribute = objectAs<Attribute>(m_object);
    if (!attribute)
        return MStatus::kInvalidParameter;
    attribute->defaultValue = value;
    return MStatus::kSuccess;
}
