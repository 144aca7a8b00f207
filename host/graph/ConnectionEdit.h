#pragma once

#include "graph/GraphFwd.h"
#include "graph/ModifierEdit.h"
#include "graph/PlugPath.h"

#include <memory>

namespace kavo::host::graph {

// One end of a connection: a node and a plug on it.
struct PlugEnd
{
    std::shared_ptr<Node> node;
    PlugPath plug;
};

// Makes or breaks a connection; undoing does the opposite.
class ConnectionEdit : public ModifierEdit
{
public:
    enum class Action
    {
        Connect,
        Disconnect
    };

    ConnectionEdit(Action action, PlugEnd source, PlugEnd destination);

    MStatus doIt() override;
    MStatus undoIt() override;

private:
    MStatus apply(Action action);

    Action m_action;
    PlugEnd m_source;
    PlugEnd m_destination;
};

} // namespace kavo::host::graph
