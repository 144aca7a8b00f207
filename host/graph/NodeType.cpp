#include "graph/NodeType.h"

#include <algorithm>

namespace kavo::host::graph {
namespace {

const Attribute* findIn(const Attribute* attribute, const std::string& name)
{
    if (attribute->hasName(name))
        return attribute;
    for (const auto& child : attribute->children)
        if (const Attribute* found = findIn(child.get(), name))
            return found;
    return nullptr;
}

const Attribute* topLevel(const Attribute* attribute)
{
    while (attribute->parent)
        attribute = attribute->parent;
    return attribute;
}

} // namespace

std::vector<const Attribute*> NodeType::attributes() const
{
    std::vector<const Attribute*> result = parent ? parent->attributes() : std::vector<const Attribute*>{};
    for (const auto& attribute : m_ownAttributes)
        result.push_back(attribute.get());
    return result;
}

const Attribute* NodeType::findAttribute(const std::string& name) const
{
    for (const Attribute* attribute : attributes())
        if (const Attribute* found = findIn(attribute, name))
            return found;
    return nullptr;
}

bool NodeType::hasAttribute(const Attribute* attribute) const
{
    if (!attribute)
        return false;
    const std::vector<const Attribute*> all = attributes();
    return std::find(all.begin(), all.end(), topLevel(attribute)) != all.end();
}

std::vector<const Attribute*> NodeType::affectedBy(const Attribute* changed) const
{
    std::vector<const Attribute*> result = parent ? parent->affectedBy(changed) : std::vector<const Attribute*>{};
    for (const auto& [whenChanges, isAffected] : m_affects)
        if (whenChanges->contains(changed) || changed->contains(whenChanges))
            if (std::find(result.begin(), result.end(), isAffected) == result.end())
                result.push_back(isAffected);
    return result;
}

bool NodeType::isComputed(const Attribute* attribute) const
{
    for (const NodeType* type = this; type; type = type->parent) {
        for (const auto& [whenChanges, isAffected] : type->m_affects)
            if (attribute->contains(isAffected) || isAffected->contains(attribute))
                return true;
        for (const Attribute* computed : type->m_computed)
            if (attribute->contains(computed) || computed->contains(attribute))
                return true;
    }
    return false;
}

bool NodeType::isA(const NodeType& other) const
{
    for (const NodeType* type = this; type; type = type->parent)
        if (type == &other)
            return true;
    return false;
}

MStatus NodeType::addAttribute(const std::shared_ptr<Attribute>& attribute)
{
    if (!attribute || attribute->parent)
        return MStatus::kInvalidParameter;
    if (findAttribute(attribute->longName) || findAttribute(attribute->shortName))
        return MStatus::kFailure;
    for (const auto& child : attribute->children)
        if (findAttribute(child->longName) || findAttribute(child->shortName))
            return MStatus::kFailure;
    m_ownAttributes.push_back(attribute);
    return MStatus::kSuccess;
}

MStatus NodeType::addAffects(const Attribute* whenChanges, const Attribute* isAffected)
{
    if (!hasAttribute(whenChanges) || !hasAttribute(isAffected))
        return MStatus::kInvalidParameter;
    m_affects.emplace_back(whenChanges, isAffected);
    return MStatus::kSuccess;
}

} // namespace kavo::host::graph
