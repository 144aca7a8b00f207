#pragma once

#include "graph/GraphFwd.h"

#include <maya/MNodeMessage.h>

#include <map>

namespace kavo::host::graph {

// The attribute-changed callbacks registered on nodes.
class AttributeCallbacks
{
public:
    static AttributeCallbacks& instance();

    MCallbackId add(Node* node, MNodeMessage::MAttr2PlugFunction function, void* clientData);
    bool remove(MCallbackId id);
    void removeAllFor(const Node* node);
    size_t countFor(const Node* node) const;

    // Calls every callback registered on the node of `plug`.
    void notify(Node& node, int message, MPlug& plug, MPlug& otherPlug);

private:
    struct Registration
    {
        Node* node;
        MNodeMessage::MAttr2PlugFunction function;
        void* clientData;
    };

    std::map<MCallbackId, Registration> m_registrations;
    MCallbackId m_nextId = 1;
};

} // namespace kavo::host::graph
