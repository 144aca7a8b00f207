#include "graph/NodeTypeRegistry.h"

#include "graph/Faults.h"
#include "graph/Scene.h"

#include <algorithm>

namespace kavo::host::graph {
namespace {

// The host base type a plug-in type of each kind inherits from.
const char* baseTypeName(MPxNode::Type kind)
{
    switch (kind) {
    case MPxNode::kLocatorNode: return "locator";
    case MPxNode::kDeformerNode: return "deformer";
    default: return "dependNode";
    }
}

MFn::Type pluginApiType(MPxNode::Type kind)
{
    switch (kind) {
    case MPxNode::kLocatorNode: return MFn::kPluginLocatorNode;
    case MPxNode::kDeformerNode: return MFn::kPluginDeformerNode;
    default: return MFn::kPluginDependNode;
    }
}

} // namespace

NodeTypeRegistry& NodeTypeRegistry::instance()
{
    static NodeTypeRegistry registry;
    return registry;
}

void NodeTypeRegistry::announce(NodeTypeDefinition definition)
{
    m_announced.push_back(std::move(definition));
}

void NodeTypeRegistry::setUpAnnounced()
{
    Faults::Suspension hostWork;
    while (!m_announced.empty()) {
        NodeTypeDefinition definition = std::move(m_announced.front());
        m_announced.erase(m_announced.begin());
        setUp(definition);
    }
}

NodeType* NodeTypeRegistry::setUp(const NodeTypeDefinition& definition)
{
    if (NodeType* existing = findMutable(definition.name))
        return existing;
    const NodeType* parent = nullptr;
    if (!definition.parentName.empty()) {
        // Parents first, wherever they were announced.
        auto announced = std::find_if(m_announced.begin(), m_announced.end(),
                                      [&](const NodeTypeDefinition& d) { return d.name == definition.parentName; });
        if (announced != m_announced.end()) {
            NodeTypeDefinition parentDefinition = *announced;
            m_announced.erase(announced);
            parent = setUp(parentDefinition);
        } else
            parent = findMutable(definition.parentName);
    }
    auto type = std::make_shared<NodeType>();
    type->name = definition.name;
    type->id = definition.id;
    type->kind = definition.kind;
    type->apiType = definition.apiType;
    type->creator = definition.creator;
    type->initializer = definition.initializer;
    type->parent = parent;
    type->dag = definition.dag || (parent && parent->dag);
    type->shape = definition.shape || (parent && parent->shape);
    type->hostCompute = definition.hostCompute;
    m_types.push_back(type);
    runInitializer(*type);
    return type.get();
}

MStatus NodeTypeRegistry::runInitializer(NodeType& type)
{
    if (!type.initializer)
        return MStatus::kSuccess;
    NodeType* previous = m_initializing;
    m_initializing = &type;
    MStatus status = type.initializer();
    m_initializing = previous;
    return status;
}

NodeType* NodeTypeRegistry::findMutable(const std::string& name)
{
    for (const auto& type : m_types)
        if (type->name == name)
            return type.get();
    return nullptr;
}

std::shared_ptr<const NodeType> NodeTypeRegistry::find(const std::string& name)
{
    setUpAnnounced();
    for (const auto& type : m_types)
        if (type->name == name)
            return type;
    return nullptr;
}

std::shared_ptr<const NodeType> NodeTypeRegistry::find(const MTypeId& id)
{
    setUpAnnounced();
    for (const auto& type : m_types)
        if (type->id == id && type->id.id() != 0)
            return type;
    return nullptr;
}

MStatus NodeTypeRegistry::registerPluginType(const std::string& name, const MTypeId& id, MCreatorFunction creator,
                                             MInitializeFunction initializer, MPxNode::Type kind)
{
    if (name.empty() || !creator)
        return MStatus::kInvalidParameter;
    if (find(name) || find(id))
        return MStatus::kFailure;
    std::shared_ptr<const NodeType> base = find(baseTypeName(kind));
    auto type = std::make_shared<NodeType>();
    type->name = name;
    type->id = id;
    type->kind = kind;
    type->apiType = pluginApiType(kind);
    type->creator = creator;
    type->initializer = initializer;
    type->parent = base.get();
    type->fromPlugin = true;
    type->dag = base && base->dag;
    type->shape = base && base->shape;
    if (MStatus status = runInitializer(*type); !status)
        return status;
    m_types.push_back(type);
    return MStatus::kSuccess;
}

MStatus NodeTypeRegistry::deregisterPluginType(const MTypeId& id)
{
    auto found = std::find_if(m_types.begin(), m_types.end(),
                              [&](const auto& type) { return type->fromPlugin && type->id == id; });
    if (found == m_types.end())
        return MStatus::kInvalidParameter;
    // A type cannot go while nodes of it are in the scene: their behaviour
    // lives in the plug-in's code.
    if (Scene::instance().countNodesOfType(**found) > 0)
        return MStatus::kFailure;
    m_types.erase(found);
    return MStatus::kSuccess;
}

} // namespace kavo::host::graph
