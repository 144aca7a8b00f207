#pragma once

#include "graph/ConnectionEdit.h"
#include "graph/GraphFwd.h"
#include "graph/ModifierEdit.h"

#include <memory>
#include <vector>

namespace kavo::host::graph {

// Takes a node, and the DAG nodes below it, out of the scene. Undoing brings
// them back under their parents, with their connections.
class DeleteNodeEdit : public ModifierEdit
{
public:
    explicit DeleteNodeEdit(std::shared_ptr<Node> node);

    MStatus doIt() override;
    MStatus undoIt() override;

private:
    struct Removed
    {
        std::shared_ptr<Node> node;
        std::shared_ptr<Node> parent;
    };
    struct Link
    {
        PlugEnd source;
        PlugEnd destination;
    };

    void rememberSubtree(Node& node);
    void rememberConnections();

    std::shared_ptr<Node> m_node;
    std::vector<Removed> m_removed; // parents before children
    std::vector<Link> m_links;
};

} // namespace kavo::host::graph
