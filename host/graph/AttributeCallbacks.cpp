#include "graph/AttributeCallbacks.h"

#include <maya/MPlug.h>

#include <vector>

namespace kavo::host::graph {

AttributeCallbacks& AttributeCallbacks::instance()
{
    // Never destroyed: nodes that outlive main (the scene is a static too)
    // still remove their callbacks when they go.
    static AttributeCallbacks* callbacks = new AttributeCallbacks;
    return *callbacks;
}

MCallbackId AttributeCallbacks::add(Node* node, MNodeMessage::MAttr2PlugFunction function, void* clientData)
{
    const MCallbackId id = m_nextId++;
    m_registrations[id] = Registration{node, function, clientData};
    return id;
}

bool AttributeCallbacks::remove(MCallbackId id)
{
    return m_registrations.erase(id) > 0;
}

void AttributeCallbacks::removeAllFor(const Node* node)
{
    for (auto it = m_registrations.begin(); it != m_registrations.end();)
        it = it->second.node == node ? m_registrations.erase(it) : std::next(it);
}

size_t AttributeCallbacks::countFor(const Node* node) const
{
    size_t count = 0;
    for (const auto& [id, registration] : m_registrations)
        count += registration.node == node ? 1 : 0;
    return count;
}

void AttributeCallbacks::notify(Node& node, int message, MPlug& plug, MPlug& otherPlug)
{
    // A callback may remove itself (or others) while it runs: call a
    // snapshot, skipping registrations that are gone by then.
    std::vector<MCallbackId> ids;
    for (const auto& [id, registration] : m_registrations)
        if (registration.node == &node)
            ids.push_back(id);
    for (MCallbackId id : ids) {
        auto found = m_registrations.find(id);
        if (found != m_registrations.end())
            found->second.function(static_cast<MNodeMessage::AttributeMessage>(message), plug, otherPlug,
                                   found->second.clientData);
    }
}

} // namespace kavo::host::graph
