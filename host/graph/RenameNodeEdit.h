#pragma once

#include "graph/GraphFwd.h"
#include "graph/ModifierEdit.h"

#include <memory>
#include <string>

namespace kavo::host::graph {

// Gives a node a new name, made unique the host's way when it is taken.
class RenameNodeEdit : public ModifierEdit
{
public:
    RenameNodeEdit(std::shared_ptr<Node> node, std::string wantedName);

    MStatus doIt() override;
    MStatus undoIt() override;

private:
    std::shared_ptr<Node> m_node;
    std::string m_wantedName;
    std::string m_previousName;
};

} // namespace kavo::host::graph
