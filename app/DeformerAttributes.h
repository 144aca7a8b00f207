#pragma once

// The deformer attributes a user may name on the command line: those the
// plug-in's node type declares itself, by the long and short names saved
// scenes use, and the host's "envelope" that every deformer inherits.

#include <string>
#include <vector>

namespace kavo::host::graph {
class Attribute;
class NodeType;
} // namespace kavo::host::graph

namespace kavo::app {

class DeformerAttributes
{
public:
    explicit DeformerAttributes(const host::graph::NodeType& type);

    const std::vector<const host::graph::Attribute*>& all() const { return m_attributes; }
    // By long or short name; null when there is none.
    const host::graph::Attribute* find(const std::string& name) const;
    // "space, noiseType (nt), seed (sd), ...", for messages.
    std::string namesText() const;

    // What kind of value the attribute takes, for people: "float",
    // "boolean", "enum", "colour", "time"...
    static std::string kindText(const host::graph::Attribute& attribute);
    // Whether a numeric attribute holds integers.
    static bool holdsWholeNumbers(const host::graph::Attribute& attribute);
    // Whether the attribute holds three numbers set together (a colour or a
    // point).
    static bool isTriple(const host::graph::Attribute& attribute);

private:
    std::vector<const host::graph::Attribute*> m_attributes;
};

} // namespace kavo::app
