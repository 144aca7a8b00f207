#pragma once

#include "graph/GraphFwd.h"
#include "graph/ModifierEdit.h"

#include <memory>

namespace kavo::host::graph {

// Brings a node that was made when the edit was recorded into the scene,
// under `parent` when one is given. Until then the node counts as unplaced.
class CreateNodeEdit : public ModifierEdit
{
public:
    CreateNodeEdit(std::shared_ptr<Node> node, std::shared_ptr<Node> parent);
    ~CreateNodeEdit() override;

    MStatus doIt() override;
    MStatus undoIt() override;

private:
    std::shared_ptr<Node> m_node;
    std::shared_ptr<Node> m_parent;
};

} // namespace kavo::host::graph
