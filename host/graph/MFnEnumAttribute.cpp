#include "graph/AttributeFunctionSet.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnEnumAttribute.h>

#include <algorithm>

using namespace kavo::host::graph;

namespace {

} // namespace

KAVO_FUNCTION_SET_MEMBERS(MFnEnumAttribute, MFn::kEnumAttribute)

MObject MFnEnumAttribute::create(const MString& fullName, const MString& briefName, short defaultValue,
                                 MStatus* ReturnStatus)
{
    auto attribute = createAttribute(AttributeKind::Enum, fullName, briefName, ReturnStatus);
    if (attribute)
        attribute->defaultValue = defaultValue;
    m_object = handleOf(attribute);
    return m_object;
}

MStatus MFnEnumAttribute::addField(const MString& fieldString, short index)
{
    Attribute* attribute = attributeOf(m_object);
    if (!attribute || fieldString.length() == 0)
        return MStatus::kInvalidParameter;
    if (attribute->enumLabel(index) || attribute->enumValue(fieldString.asChar()))
        return MStatus::kFailure;
    attribute->enumFields.emplace_back(index, fieldString.asChar());
    return MStatus::kSuccess;
}

MString MFnEnumAttribute::fieldName(short index, MStatus* ReturnStatus) const
{
    Attribute* attribute = attributeOf(m_object);
    const std::string* label = attribute ? attribute->enumLabel(index) : nullptr;
    if (ReturnStatus)
        *ReturnStatus = label ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return label ? MString(label->c_str()) : MString();
}

short MFnEnumAttribute::fieldIndex(const MString& fieldString, MStatus* ReturnStatus) const
{
    Attribute* attribute = attributeOf(m_object);
    std::optional<short> value = attribute ? attribute->enumValue(fieldString.asChar()) : std::nullopt;
    if (ReturnStatus)
        *ReturnStatus = value ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return value.value_or(0);
}

MStatus MFnEnumAttribute::getMin(short& minValue) const
{
    Attribute* attribute = attributeOf(m_object);
    if (!attribute || attribute->enumFields.empty())
        return MStatus::kFailure;
    minValue = std::min_element(attribute->enumFields.begin(), attribute->enumFields.end())->first;
    return MStatus::kSuccess;
}

MStatus MFnEnumAttribute::getMax(short& maxValue) const
{
    Attribute* attribute = attributeOf(m_object);
    if (!attribute || attribute->enumFields.empty())
        return MStatus::kFailure;
    maxValue = std::max_element(attribute->enumFields.begin(), attribute->enumFields.end())->first;
    return MStatus::kSuccess;
}

MStatus MFnEnumAttribute::setDefault(short index)
{
    return setField(m_object, &Attribute::defaultValue, index);
}

MStatus MFnEnumAttribute::setDefault(const MString& fieldString)
{
    MStatus status;
    const short index = fieldIndex(fieldString, &status);
    return status ? setDefault(index) : status;
}

MStatus MFnEnumAttribute::getDefault(short& index) const
{
    Attribute* attribute = attributeOf(m_object);
    if (!attribute)
        return MStatus::kInvalidParameter;
    index = static_cast<short>(numericValue(attribute->defaultValue));
    return MStatus::kSuccess;
}
