#include "graph/PlugPath.h"

#include "graph/Attribute.h"

#include <algorithm>
#include <tuple>

namespace kavo::host::graph {

bool PlugPath::isElement() const
{
    return attribute && attribute->isArray() && indices.size() == attribute->arrayDepth();
}

bool PlugPath::isComplete() const
{
    return attribute && indices.size() == attribute->arrayDepth();
}

bool PlugPath::contains(const PlugPath& other) const
{
    if (!attribute || !attribute->contains(other.attribute) || indices.size() > other.indices.size())
        return false;
    // An array plug without its own index contains every element below it.
    return std::equal(indices.begin(), indices.end(), other.indices.begin());
}

bool PlugPath::overlaps(const PlugPath& other) const
{
    return contains(other) || other.contains(*this);
}

PlugPath PlugPath::parent() const
{
    if (!attribute || !attribute->parent)
        return {};
    PlugPath result{attribute->parent, indices};
    if (attribute->isArray() && isElement())
        result.indices.pop_back();
    return result;
}

PlugPath PlugPath::array() const
{
    PlugPath result = *this;
    if (isElement())
        result.indices.pop_back();
    return result;
}

PlugPath PlugPath::element(unsigned int logicalIndex) const
{
    PlugPath result = *this;
    result.indices.push_back(logicalIndex);
    return result;
}

PlugPath PlugPath::child(const Attribute* childAttribute) const
{
    return PlugPath{childAttribute, indices};
}

std::string PlugPath::text(bool longNames, bool fullPath) const
{
    if (!attribute)
        return {};
    std::vector<const Attribute*> chain = attribute->chain();
    size_t first = fullPath ? 0 : chain.size() - 1;
    // Indices of arrays above the first printed attribute are still shown on
    // it, as the host prints "outputGeom[0]" or "inputGeom" for a child.
    size_t index = 0;
    for (size_t k = 0; k < first; ++k)
        index += chain[k]->isArray() ? 1 : 0;
    std::string result;
    for (size_t k = first; k < chain.size(); ++k) {
        if (!result.empty())
            result += '.';
        result += longNames ? chain[k]->longName : chain[k]->shortName;
        if (chain[k]->isArray() && index < indices.size())
            result += "[" + std::to_string(indices[index++]) + "]";
    }
    return result;
}

bool PlugPath::operator==(const PlugPath& other) const
{
    return attribute == other.attribute && indices == other.indices;
}

bool PlugPath::operator<(const PlugPath& other) const
{
    return std::tie(attribute, indices) < std::tie(other.attribute, other.indices);
}

} // namespace kavo::host::graph
