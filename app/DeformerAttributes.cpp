#include "DeformerAttributes.h"

#include "graph/Attribute.h"
#include "graph/NodeType.h"

#include <algorithm>

namespace kavo::app {

using host::graph::Attribute;
using host::graph::AttributeKind;

namespace {

constexpr const char* kInheritedSettable[] = {"envelope"};

} // namespace

DeformerAttributes::DeformerAttributes(const host::graph::NodeType& type)
{
    const std::vector<const Attribute*> inherited =
        type.parent ? type.parent->attributes() : std::vector<const Attribute*>();
    for (const Attribute* attribute : type.attributes())
        if (std::find(inherited.begin(), inherited.end(), attribute) == inherited.end())
            m_attributes.push_back(attribute);
    for (const char* name : kInheritedSettable)
        if (const Attribute* attribute = type.findAttribute(name))
            m_attributes.push_back(attribute);
}

const Attribute* DeformerAttributes::find(const std::string& name) const
{
    for (const Attribute* attribute : m_attributes)
        if (attribute->hasName(name))
            return attribute;
    return nullptr;
}

std::string DeformerAttributes::namesText() const
{
    std::string text;
    for (const Attribute* attribute : m_attributes) {
        if (!text.empty())
            text += ", ";
        text += attribute->longName;
        if (attribute->shortName != attribute->longName)
            text += " (" + attribute->shortName + ")";
    }
    return text;
}

bool DeformerAttributes::isTriple(const Attribute& attribute)
{
    // The host makes colours and points numeric attributes with three
    // numeric children.
    if (attribute.children.size() != 3)
        return false;
    return std::all_of(attribute.children.begin(), attribute.children.end(),
                       [](const auto& child) { return child->kind == AttributeKind::Numeric; });
}

bool DeformerAttributes::holdsWholeNumbers(const Attribute& attribute)
{
    return attribute.kind == AttributeKind::Numeric && attribute.numericType != MFnNumericData::kBoolean &&
           attribute.numericType != MFnNumericData::kFloat && attribute.numericType != MFnNumericData::kDouble;
}

std::string DeformerAttributes::kindText(const Attribute& attribute)
{
    if (isTriple(attribute))
        return attribute.flags.usedAsColor ? "colour" : "vector";
    switch (attribute.kind) {
    case AttributeKind::Enum: return "enum";
    case AttributeKind::Matrix: return "matrix";
    case AttributeKind::Unit:
        return attribute.unitType == MFnUnitAttribute::kTime    ? "time"
               : attribute.unitType == MFnUnitAttribute::kAngle ? "angle"
                                                                : "distance";
    case AttributeKind::Compound: return "compound";
    case AttributeKind::Numeric: break;
    default: return "data";
    }
    if (attribute.numericType == MFnNumericData::kBoolean)
        return "boolean";
    return holdsWholeNumbers(attribute) ? "integer" : "float";
}

} // namespace kavo::app
