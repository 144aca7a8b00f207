#pragma once

#include "graph/GraphFwd.h"
#include "graph/Value.h"

#include <map>
#include <vector>

namespace kavo::host::graph {

// The storage of one attribute at one place in a node. An array attribute's
// slot holds its elements by logical index; an element (or a plain
// attribute) holds either a value or, for a compound, one slot per child.
// Slots never move once made, so handles may point into them.
class Slot
{
public:
    // arrayLevel: the slot holds the elements of an array attribute.
    Slot(const Attribute* attribute, bool arrayLevel);

    const Attribute* attribute() const { return m_attribute; }
    bool holdsElements() const { return m_arrayLevel; }

    Value value;
    bool dirty = true; // a new slot has never been computed or pulled
    std::map<unsigned int, Slot> elements;
    std::vector<Slot> children;

    Slot& element(unsigned int logicalIndex);
    Slot* findElement(unsigned int logicalIndex);
    Slot* child(const Attribute* childAttribute);

    // Copies every value below `source` into this slot (same attribute
    // shape), creating elements as needed.
    void copyValuesFrom(const Slot& source);

    void setDirtyRecursively(bool state);
    bool anyDirty() const;

private:
    const Attribute* m_attribute;
    bool m_arrayLevel;
};

} // namespace kavo::host::graph
