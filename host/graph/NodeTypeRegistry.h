#pragma once

#include "graph/NodeType.h"

#include <maya/MStatus.h>

#include <memory>
#include <string>
#include <vector>

namespace kavo::host::graph {

// How a host layer describes one of its own node types. Host layers announce
// their types when their library loads; a type is set up (its initializer
// run) the first time anything looks types up, parents first, so that no
// initializer runs during static initialisation.
struct NodeTypeDefinition
{
    std::string name;
    std::string parentName; // empty for the root type "dependNode"
    MTypeId id;
    MPxNode::Type kind = MPxNode::kDependNode;
    MFn::Type apiType = MFn::kDependencyNode;
    MCreatorFunction creator = nullptr; // null for abstract base types
    MInitializeFunction initializer = nullptr;
    bool dag = false;
    bool shape = false;
    NodeType::HostCompute hostCompute = nullptr;
};

// Every node type the host knows: its own and those plug-ins register.
class NodeTypeRegistry
{
public:
    static NodeTypeRegistry& instance();

    void announce(NodeTypeDefinition definition);

    std::shared_ptr<const NodeType> find(const std::string& name);
    std::shared_ptr<const NodeType> find(const MTypeId& id);

    // Registers a plug-in's type under the host base type for `kind` and runs
    // its attribute initializer once. Fails (and registers nothing) when the
    // name or id is taken or the initializer fails.
    MStatus registerPluginType(const std::string& name, const MTypeId& id, MCreatorFunction creator,
                               MInitializeFunction initializer, MPxNode::Type kind);
    MStatus deregisterPluginType(const MTypeId& id);

    // The type whose initializer is running: MPxNode::addAttribute and
    // attributeAffects apply to it.
    NodeType* typeBeingInitialized() { return m_initializing; }

private:
    NodeTypeRegistry() = default;
    void setUpAnnounced();
    NodeType* setUp(const NodeTypeDefinition& definition);
    MStatus runInitializer(NodeType& type);
    NodeType* findMutable(const std::string& name);

    std::vector<std::shared_ptr<NodeType>> m_types;
    std::vector<NodeTypeDefinition> m_announced;
    NodeType* m_initializing = nullptr;
};

// Announces a host type at library load: `static TypeAnnouncement a{{...}};`
struct TypeAnnouncement
{
    explicit TypeAnnouncement(NodeTypeDefinition definition)
    {
        NodeTypeRegistry::instance().announce(std::move(definition));
    }
};

} // namespace kavo::host::graph
