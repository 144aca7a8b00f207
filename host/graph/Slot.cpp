#include "graph/Slot.h"

#include "graph/Attribute.h"

namespace kavo::host::graph {

Slot::Slot(const Attribute* attribute, bool arrayLevel) : m_attribute(attribute), m_arrayLevel(arrayLevel)
{
    if (arrayLevel)
        return;
    if (attribute->isCompound() || !attribute->children.empty()) {
        children.reserve(attribute->children.size());
        for (const auto& child : attribute->children)
            children.emplace_back(child.get(), child->isArray());
    }
    value = attribute->defaultValue;
}

Slot& Slot::element(unsigned int logicalIndex)
{
    auto found = elements.find(logicalIndex);
    if (found == elements.end())
        found = elements.emplace(logicalIndex, Slot(m_attribute, false)).first;
    return found->second;
}

Slot* Slot::findElement(unsigned int logicalIndex)
{
    auto found = elements.find(logicalIndex);
    return found == elements.end() ? nullptr : &found->second;
}

Slot* Slot::child(const Attribute* childAttribute)
{
    for (Slot& slot : children)
        if (slot.attribute() == childAttribute)
            return &slot;
    return nullptr;
}

void Slot::copyValuesFrom(const Slot& source)
{
    value = source.value;
    for (const auto& [index, sourceElement] : source.elements)
        element(index).copyValuesFrom(sourceElement);
    for (size_t k = 0; k < children.size() && k < source.children.size(); ++k)
        children[k].copyValuesFrom(source.children[k]);
}

void Slot::setDirtyRecursively(bool state)
{
    dirty = state;
    for (auto& [index, element] : elements)
        element.setDirtyRecursively(state);
    for (Slot& child : children)
        child.setDirtyRecursively(state);
}

bool Slot::anyDirty() const
{
    if (dirty)
        return true;
    for (const auto& [index, element] : elements)
        if (element.anyDirty())
            return true;
    for (const Slot& child : children)
        if (child.anyDirty())
            return true;
    return false;
}

} // namespace kavo::host::graph
