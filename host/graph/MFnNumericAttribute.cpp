#include "graph/AttributeFunctionSet.h"
#include "graph/FunctionSetMembers.h"
#include "graph/NodeFunctionSet.h"

#include <maya/MFnNumericAttribute.h>

using namespace kavo::host::graph;

namespace {

// The stored form of a number of the given numeric type.
Value numericDefault(MFnNumericData::Type type, double value)
{
    switch (type) {
    case MFnNumericData::kBoolean: return value != 0.0;
    case MFnNumericData::kByte:
    case MFnNumericData::kChar: return static_cast<char>(value);
    case MFnNumericData::kShort: return static_cast<short>(value);
    case MFnNumericData::kInt: return static_cast<int>(value);
    case MFnNumericData::kInt64: return static_cast<MInt64>(value);
    case MFnNumericData::kFloat: return static_cast<float>(value);
    default: return value;
    }
}

// The type of one component of a two- or three-component numeric type.
MFnNumericData::Type componentType(MFnNumericData::Type type)
{
    switch (type) {
    case MFnNumericData::k2Short:
    case MFnNumericData::k3Short: return MFnNumericData::kShort;
    case MFnNumericData::k2Int:
    case MFnNumericData::k3Int: return MFnNumericData::kInt;
    case MFnNumericData::k2Float:
    case MFnNumericData::k3Float: return MFnNumericData::kFloat;
    case MFnNumericData::k2Double:
    case MFnNumericData::k3Double:
    case MFnNumericData::k4Double: return MFnNumericData::kDouble;
    default: return MFnNumericData::kInvalid;
    }
}

unsigned int componentCount(MFnNumericData::Type type)
{
    switch (type) {
    case MFnNumericData::k2Short:
    case MFnNumericData::k2Int:
    case MFnNumericData::k2Float:
    case MFnNumericData::k2Double: return 2;
    case MFnNumericData::k3Short:
    case MFnNumericData::k3Int:
    case MFnNumericData::k3Float:
    case MFnNumericData::k3Double: return 3;
    case MFnNumericData::k4Double: return 4;
    default: return 1;
    }
}

std::shared_ptr<Attribute> makeNumeric(const MString& longName, const MString& shortName, MFnNumericData::Type type,
                                       double value, MStatus* status)
{
    auto attribute = createAttribute(AttributeKind::Numeric, longName, shortName, status);
    if (!attribute)
        return nullptr;
    attribute->numericType = type;
    attribute->defaultValue = numericDefault(type, value);
    return attribute;
}

// A numeric compound whose children are named after it with the suffixes.
std::shared_ptr<Attribute> makeVector(const MString& longName, const MString& shortName, MFnNumericData::Type type,
                                      const char* const* suffixes, MStatus* status)
{
    auto attribute = createAttribute(AttributeKind::Numeric, longName, shortName, status);
    if (!attribute)
        return nullptr;
    attribute->numericType = type;
    const unsigned int count = componentCount(type);
    for (unsigned int k = 0; k < count; ++k) {
        auto child = std::make_shared<Attribute>(
            AttributeKind::Numeric, std::string(longName.asChar()) + suffixes[k],
            std::string(shortName.asChar()) +
                static_cast<char>(std::tolower(static_cast<unsigned char>(suffixes[k][0]))));
        child->numericType = componentType(type);
        child->defaultValue = numericDefault(child->numericType, 0.0);
        attribute->addChild(child);
    }
    return attribute;
}

const char* const kXyzSuffixes[] = {"X", "Y", "Z", "W"};
const char* const kRgbSuffixes[] = {"R", "G", "B"};

} // namespace

KAVO_FUNCTION_SET_MEMBERS(MFnNumericAttribute, MFn::kNumericAttribute)

MObject MFnNumericAttribute::create(const MString& fullName, const MString& briefName, MFnNumericData::Type unitType,
                                    double defaultValue, MStatus* ReturnStatus)
{
    std::shared_ptr<Attribute> attribute = componentCount(unitType) > 1
                                               ? makeVector(fullName, briefName, unitType, kXyzSuffixes, ReturnStatus)
                                               : makeNumeric(fullName, briefName, unitType, defaultValue, ReturnStatus);
    m_object = handleOf(attribute);
    return m_object;
}

MObject MFnNumericAttribute::create(const MString& fullName, const MString& briefName, const MObject& child1,
                                    const MObject& child2, const MObject& child3, MStatus* ReturnStatus)
{
    auto attribute = createAttribute(AttributeKind::Numeric, fullName, briefName, ReturnStatus);
    m_object = handleOf(attribute);
    if (!attribute)
        return m_object;
    unsigned int count = 0;
    for (const MObject* child : {&child1, &child2, &child3})
        if (auto childAttribute = objectAs<Attribute>(*child)) {
            attribute->addChild(childAttribute);
            ++count;
        }
    const MFnNumericData::Type component =
        attribute->children.empty() ? MFnNumericData::kDouble : attribute->children.front()->numericType;
    attribute->numericType = component == MFnNumericData::kFloat
                                 ? (count == 3 ? MFnNumericData::k3Float : MFnNumericData::k2Float)
                                 : (count == 3 ? MFnNumericData::k3Double : MFnNumericData::k2Double);
    return m_object;
}

MObject MFnNumericAttribute::createColor(const MString& fullName, const MString& briefName, MStatus* ReturnStatus)
{
    auto attribute = makeVector(fullName, briefName, MFnNumericData::k3Float, kRgbSuffixes, ReturnStatus);
    if (attribute)
        attribute->flags.usedAsColor = true;
    m_object = handleOf(attribute);
    return m_object;
}

MObject MFnNumericAttribute::createPoint(const MString& fullName, const MString& briefName, MStatus* ReturnStatus)
{
    m_object = handleOf(makeVector(fullName, briefName, MFnNumericData::k3Float, kXyzSuffixes, ReturnStatus));
    return m_object;
}

MFnNumericData::Type MFnNumericAttribute::unitType(MStatus* ReturnStatus) const
{
    Attribute* attribute = attributeOf(m_object);
    return report(ReturnStatus, attribute != nullptr, attribute ? attribute->numericType : MFnNumericData::kInvalid);
}

MStatus MFnNumericAttribute::setLimit(bool minimum, const double* values, unsigned int count)
{
    Attribute* attribute = attributeOf(m_object);
    if (!attribute)
        return MStatus::kInvalidParameter;
    if (count == 1 && attribute->children.empty()) {
        (minimum ? attribute->minimum : attribute->maximum) = values[0];
        return MStatus::kSuccess;
    }
    if (count != attribute->children.size())
        return MStatus::kInvalidParameter;
    for (unsigned int k = 0; k < count; ++k)
        (minimum ? attribute->children[k]->minimum : attribute->children[k]->maximum) = values[k];
    return MStatus::kSuccess;
}

// The lower and upper limits of one, two and three values.
MStatus MFnNumericAttribute::setMin(double min1)
{
    return setLimit(true, &min1, 1);
}
MStatus MFnNumericAttribute::setMax(double max1)
{
    return setLimit(false, &max1, 1);
}
MStatus MFnNumericAttribute::setMin(double min1, double min2)
{
    const double v[] = {min1, min2};
    return setLimit(true, v, 2);
}
MStatus MFnNumericAttribute::setMax(double max1, double max2)
{
    const double v[] = {max1, max2};
    return setLimit(false, v, 2);
}
MStatus MFnNumericAttribute::setMin(double min1, double min2, double min3)
{
    const double v[] = {min1, min2, min3};
    return setLimit(true, v, 3);
}
MStatus MFnNumericAttribute::setMax(double max1, double max2, double max3)
{
    const double v[] = {max1, max2, max3};
    return setLimit(false, v, 3);
}

// Soft limits only steer sliders in the host's user interface.
MStatus MFnNumericAttribute::setSoftMin(double)
{
    return attributeOf(m_object) ? MStatus::kSuccess : MStatus::kInvalidParameter;
}
MStatus MFnNumericAttribute::setSoftMax(double)
{
    return attributeOf(m_object) ? MStatus::kSuccess : MStatus::kInvalidParameter;
}

bool MFnNumericAttribute::hasMin(MStatus* ReturnStatus) const
{
    Attribute* attribute = attributeOf(m_object);
    return report(ReturnStatus, attribute != nullptr, attribute && attribute->minimum.has_value());
}

bool MFnNumericAttribute::hasMax(MStatus* ReturnStatus) const
{
    Attribute* attribute = attributeOf(m_object);
    return report(ReturnStatus, attribute != nullptr, attribute && attribute->maximum.has_value());
}

MStatus MFnNumericAttribute::getMin(double& min1) const
{
    Attribute* attribute = attributeOf(m_object);
    if (!attribute || !attribute->minimum)
        return MStatus::kFailure;
    min1 = *attribute->minimum;
    return MStatus::kSuccess;
}

MStatus MFnNumericAttribute::getMax(double& max1) const
{
    Attribute* attribute = attributeOf(m_object);
    if (!attribute || !attribute->maximum)
        return MStatus::kFailure;
    max1 = *attribute->maximum;
    return MStatus::kSuccess;
}

MStatus MFnNumericAttribute::setDefaults(const double* values, unsigned int count)
{
    Attribute* attribute = attributeOf(m_object);
    if (!attribute)
        return MStatus::kInvalidParameter;
    if (count == 1 && attribute->children.empty()) {
        attribute->defaultValue = numericDefault(attribute->numericType, values[0]);
        return MStatus::kSuccess;
    }
    if (count != attribute->children.size())
        return MStatus::kInvalidParameter;
    for (unsigned int k = 0; k < count; ++k)
        attribute->children[k]->defaultValue = numericDefault(attribute->children[k]->numericType, values[k]);
    return MStatus::kSuccess;
}

MStatus MFnNumericAttribute::getDefaults(double* values, unsigned int count) const
{
    Attribute* attribute = attributeOf(m_object);
    if (!attribute)
        return MStatus::kInvalidParameter;
    if (count == 1 && attribute->children.empty()) {
        values[0] = numericValue(attribute->defaultValue);
        return MStatus::kSuccess;
    }
    if (count != attribute->children.size())
        return MStatus::kInvalidParameter;
    for (unsigned int k = 0; k < count; ++k)
        values[k] = numericValue(attribute->children[k]->defaultValue);
    return MStatus::kSuccess;
}

// Every default is kept as a double: the other types convert and hand over.
MStatus MFnNumericAttribute::setDefault(bool value)
{
    return setDefault(value ? 1.0 : 0.0);
}
MStatus MFnNumericAttribute::setDefault(char value)
{
    return setDefault(double(value));
}
MStatus MFnNumericAttribute::setDefault(int value)
{
    return setDefault(double(value));
}
MStatus MFnNumericAttribute::setDefault(float value)
{
    return setDefault(double(value));
}
MStatus MFnNumericAttribute::setDefault(double value)
{
    return setDefaults(&value, 1);
}
MStatus MFnNumericAttribute::setDefault(int a, int b)
{
    return setDefault(double(a), double(b));
}
MStatus MFnNumericAttribute::setDefault(float a, float b)
{
    return setDefault(double(a), double(b));
}
MStatus MFnNumericAttribute::setDefault(double a, double b)
{
    const double v[] = {a, b};
    return setDefaults(v, 2);
}
MStatus MFnNumericAttribute::setDefault(int a, int b, int c)
{
    return setDefault(double(a), double(b), double(c));
}
MStatus MFnNumericAttribute::setDefault(float a, float b, float c)
{
    return setDefault(double(a), double(b), double(c));
}
MStatus MFnNumericAttribute::setDefault(double a, double b, double c)
{
    const double v[] = {a, b, c};
    return setDefaults(v, 3);
}

MStatus MFnNumericAttribute::getDefault(bool& value)
{
    double v = 0.0;
    MStatus status = getDefaults(&v, 1);
    value = v != 0.0;
    return status;
}

MStatus MFnNumericAttribute::getDefault(int& value)
{
    double v = 0.0;
    MStatus status = getDefaults(&v, 1);
    value = static_cast<int>(v);
    return status;
}

MStatus MFnNumericAttribute::getDefault(float& value)
{
    double v = 0.0;
    MStatus status = getDefaults(&v, 1);
    value = static_cast<float>(v);
    return status;
}

MStatus MFnNumericAttribute::getDefault(double& value)
{
    return getDefaults(&value, 1);
}

MStatus MFnNumericAttribute::getDefault(float& a, float& b, float& c)
{
    double v[3] = {0.0, 0.0, 0.0};
    MStatus status = getDefaults(v, 3);
    a = static_cast<float>(v[0]);
    b = static_cast<float>(v[1]);
    c = static_cast<float>(v[2]);
    return status;
}

MStatus MFnNumericAttribute::getDefault(double& a, double& b, double& c)
{
    double v[3] = {0.0, 0.0, 0.0};
    MStatus status = getDefaults(v, 3);
    a = v[0];
    b = v[1];
    c = v[2];
    return status;
}
