#pragma once

// The table --list-attributes prints: every attribute a user may set, with
// its long and short name, kind, default and limits.

#include <ostream>

namespace kavo::host::graph {
class NodeType;
}

namespace kavo::app {

class AttributeListing
{
public:
    static void print(const host::graph::NodeType& deformerType, std::ostream& out);
};

} // namespace kavo::app
