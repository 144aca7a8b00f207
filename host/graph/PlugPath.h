#pragma once

#include "graph/GraphFwd.h"

#include <string>
#include <vector>

namespace kavo::host::graph {

// Where a plug lies within its node: the attribute, and the logical index of
// every array on the way down to it. An array attribute with no index for it
// names the whole array (input), one with an index names an element
// (input[2]); a child of an element keeps that index (input[2].inputGeom).
struct PlugPath
{
    const Attribute* attribute = nullptr;
    std::vector<unsigned int> indices;

    // Whether the plug names an element of an array attribute.
    bool isElement() const;
    // Whether every array on the way down, its own included, has an index.
    bool isComplete() const;
    // Whether `other` is this plug or lies below it.
    bool contains(const PlugPath& other) const;
    // Whether either plug contains the other.
    bool overlaps(const PlugPath& other) const;

    PlugPath parent() const;
    PlugPath array() const;
    PlugPath element(unsigned int logicalIndex) const;
    PlugPath child(const Attribute* childAttribute) const;

    // "input[2].inputGeom", with long or short names.
    std::string text(bool longNames, bool fullPath) const;

    bool operator==(const PlugPath& other) const;
    bool operator!=(const PlugPath& other) const { return !(*this == other); }
    bool operator<(const PlugPath& other) const;
};

} // namespace kavo::host::graph
