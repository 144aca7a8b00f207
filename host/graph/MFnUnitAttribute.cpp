#include "graph/AttributeFunctionSet.h"
#include "graph/FunctionSetMembers.h"
#include "graph/NodeFunctionSet.h"

#include <maya/MFnUnitAttribute.h>

using namespace kavo::host::graph;

namespace {

// Times are stored as MTime; angles in radians and distances in
// centimetres, the host's internal units.
Value unitValue(MFnUnitAttribute::Type type, double value)
{
    if (type == MFnUnitAttribute::kTime)
        return MTime(value, MTime::uiUnit());
    return value;
}

} // namespace

KAVO_FUNCTION_SET_MEMBERS(MFnUnitAttribute, MFn::kUnitAttribute)

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName, MFnUnitAttribute::Type unitType,
                                 double defaultValue, MStatus* ReturnStatus)
{
    auto attribute = createAttribute(AttributeKind::Unit, fullName, briefName, ReturnStatus);
    if (attribute) {
        attribute->unitType = unitType;
        attribute->defaultValue = unitValue(unitType, defaultValue);
    }
    m_object = handleOf(attribute);
    return m_object;
}

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName, const MTime& defaultValue,
                                 MStatus* ReturnStatus)
{
    create(fullName, briefName, kTime, 0.0, ReturnStatus);
    if (Attribute* attribute = attributeOf(m_object))
        attribute->defaultValue = defaultValue;
    return m_object;
}

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName, const MAngle& defaultValue,
                                 MStatus* ReturnStatus)
{
    return create(fullName, briefName, kAngle, defaultValue.asRadians(), ReturnStatus);
}

MObject MFnUnitAttribute::create(const MString& fullName, const MString& briefName, const MDistance& defaultValue,
                                 MStatus* ReturnStatus)
{
    return create(fullName, briefName, kDistance, defaultValue.as(MDistance::kCentimeters), ReturnStatus);
}

MFnUnitAttribute::Type MFnUnitAttribute::unitType(MStatus* ReturnStatus) const
{
    Attribute* attribute = attributeOf(m_object);
    return report(ReturnStatus, attribute != nullptr, attribute ? attribute->unitType : kInvalid);
}

MStatus MFnUnitAttribute::setMin(double minValue)
{
    return setField(m_object, &Attribute::minimum, minValue);
}

MStatus MFnUnitAttribute::setMax(double maxValue)
{
    return setField(m_object, &Attribute::maximum, maxValue);
}

MStatus MFnUnitAttribute::setMin(const MTime& minValue)
{
    return setMin(minValue.value());
}

MStatus MFnUnitAttribute::setMax(const MTime& maxValue)
{
    return setMax(maxValue.value());
}

MStatus MFnUnitAttribute::setDefault(double value)
{
    Attribute* attribute = attributeOf(m_object);
    if (!attribute)
        return MStatus::kInvalidParameter;
    attribute->defaultValue = unitValue(attribute->unitType, value);
    return MStatus::kSuccess;
}

MStatus MFnUnitAttribute::setDefault(const MTime& value)
{
    return setField(m_object, &Attribute::defaultValue, value);
}

MStatus MFnUnitAttribute::getDefault(MTime& value) const
{
    Attribute* attribute = attributeOf(m_object);
    if (!attribute || !std::holds_alternative<MTime>(attribute->defaultValue))
        return MStatus::kFailure;
    value = std::get<MTime>(attribute->defaultValue);
    return MStatus::kSuccess;
}
