#pragma once

// Sets deformer attributes from NAME=VALUE text, the way a user at the host
// would: by long or short name; an enumeration by label or value
// ("noiseType=Sine", "nt=2"); a boolean as on/off, true/false or 1/0; a
// colour as r,g,b. Values are clamped to the attribute's limits as the host
// clamps them, with a warning on standard error.

#include "DeformerAttributes.h"

#include "graph/Value.h"

#include <string>

namespace kavo::host::graph {
class Node;
}

namespace kavo::app {

class AttributeAssignments
{
public:
    explicit AttributeAssignments(host::graph::Node& deformer);

    // An AppError (usage) for an unknown name (the message lists the valid
    // ones), a value that does not parse, or an attribute that a connection
    // drives.
    void apply(const std::string& assignment);

private:
    void applyTriple(const host::graph::Attribute& attribute, const std::string& text);
    void store(const host::graph::Attribute& attribute, const host::graph::Value& value);
    void refuseIfDriven(const host::graph::Attribute& attribute) const;
    host::graph::Value parseValue(const host::graph::Attribute& attribute, const std::string& text) const;

    host::graph::Node& m_deformer;
    DeformerAttributes m_attributes;
};

} // namespace kavo::app
