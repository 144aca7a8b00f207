#include "graph/ModifierSupport.h"

#include "graph/Node.h"
#include "graph/NodeTypeRegistry.h"

namespace kavo::host::graph {

std::optional<PlugEnd> plugEndOf(const MObject& node, const MObject& attribute, std::vector<unsigned int> indices)
{
    std::shared_ptr<Node> owner = objectAs<Node>(node);
    std::shared_ptr<Attribute> declared = objectAs<Attribute>(attribute);
    if (!owner || !declared || !owner->type().hasAttribute(declared.get()))
        return std::nullopt;
    return PlugEnd{owner, PlugPath{declared.get(), std::move(indices)}};
}

std::string typeNameOf(const MTypeId& id)
{
    std::shared_ptr<const NodeType> type = NodeTypeRegistry::instance().find(id);
    return type ? type->name : std::string();
}

MObject failedCreation(MStatus status, MStatus* ReturnStatus)
{
    if (ReturnStatus)
        *ReturnStatus = status;
    return MObject::kNullObj;
}

} // namespace kavo::host::graph
