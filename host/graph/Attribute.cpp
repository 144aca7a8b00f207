#include "graph/Attribute.h"

#include <algorithm>

namespace kavo::host::graph {

Attribute::Attribute(AttributeKind kind, std::string longName, std::string shortName)
    : kind(kind)
    , longName(std::move(longName))
    , shortName(std::move(shortName))
{
}

MFn::Type Attribute::apiType() const
{
    switch (kind) {
    case AttributeKind::Numeric: return MFn::kNumericAttribute;
    case AttributeKind::Enum: return MFn::kEnumAttribute;
    case AttributeKind::Unit: return MFn::kUnitAttribute;
    case AttributeKind::Matrix: return MFn::kMatrixAttribute;
    case AttributeKind::Typed: return MFn::kTypedAttribute;
    case AttributeKind::Compound: return MFn::kCompoundAttribute;
    case AttributeKind::Message: return MFn::kMessageAttribute;
    }
    return MFn::kAttribute;
}

bool Attribute::hasFn(MFn::Type type) const
{
    if (type == MFn::kAttribute || Object::hasFn(type))
        return true;
    // A numeric compound (a colour) is also a compound.
    return type == MFn::kCompoundAttribute && !children.empty();
}

std::vector<const Attribute*> Attribute::chain() const
{
    std::vector<const Attribute*> result;
    for (const Attribute* attribute = this; attribute; attribute = attribute->parent)
        result.push_back(attribute);
    std::reverse(result.begin(), result.end());
    return result;
}

unsigned int Attribute::arrayDepth() const
{
    unsigned int depth = 0;
    for (const Attribute* attribute = this; attribute; attribute = attribute->parent)
        depth += attribute->isArray() ? 1 : 0;
    return depth;
}

bool Attribute::contains(const Attribute* other) const
{
    for (; other; other = other->parent)
        if (other == this)
            return true;
    return false;
}

Value Attribute::clamped(const Value& value) const
{
    if (!isNumeric(value) || (!minimum && !maximum))
        return value;
    double number = numericValue(value);
    if (minimum && number < *minimum)
        number = *minimum;
    if (maximum && number > *maximum)
        number = *maximum;
    return withNumericValue(value, number);
}

void Attribute::addChild(const std::shared_ptr<Attribute>& child)
{
    child->parent = this;
    children.push_back(child);
}

const std::string* Attribute::enumLabel(short value) const
{
    for (const auto& [fieldValue, label] : enumFields)
        if (fieldValue == value)
            return &label;
    return nullptr;
}

std::optional<short> Attribute::enumValue(const std::string& label) const
{
    for (const auto& [fieldValue, fieldLabel] : enumFields)
        if (fieldLabel == label)
            return fieldValue;
    return std::nullopt;
}

} // namespace kavo::host::graph
