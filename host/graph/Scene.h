#pragma once

#include "graph/Node.h"
#include "graph/PlugPath.h"
#include "graph/Value.h"

#include <maya/MStatus.h>
#include <maya/MTime.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kavo::host::graph {

// A connection from one node's plug to another's.
struct Connection
{
    Node* source;
    PlugPath sourcePlug;
    Node* destination;
    PlugPath destinationPlug;
};

// The dependency graph of the running host: its nodes, their connections,
// dirty propagation when something changes and pull evaluation when a value
// is read.
class Scene
{
public:
    static Scene& instance();

    // Nodes ------------------------------------------------------------
    // Makes a node of the type (creator, then postConstructor) without
    // adding it to the scene yet.
    std::shared_ptr<Node> instantiate(const std::string& typeName, const std::string& wantedName,
                                      MStatus* status = nullptr);
    // Adds a node made by instantiate, under a unique name.
    void add(const std::shared_ptr<Node>& node);
    // instantiate + add.
    std::shared_ptr<Node> createNode(const std::string& typeName, const std::string& wantedName = {},
                                     MStatus* status = nullptr);
    // Breaks the node's connections, unparents it and destroys its behaviour.
    void remove(Node& node);
    void clear();

    Node* findNode(const std::string& name) const;
    const std::vector<std::shared_ptr<Node>>& nodes() const { return m_nodes; }
    size_t countNodesOfType(const NodeType& type) const;
    // `wanted` if free, otherwise with its trailing number counted up until
    // it is ("noiseHandle1" taken gives "noiseHandle2").
    std::string uniqueName(const std::string& wanted, const Node* except = nullptr) const;
    void rename(Node& node, const std::string& wanted);
    void setDagParent(Node& child, Node* parent);

    // Connections ------------------------------------------------------
    MStatus connect(Node& source, const PlugPath& sourcePlug, Node& destination, const PlugPath& destinationPlug);
    MStatus disconnect(Node& source, const PlugPath& sourcePlug, Node& destination, const PlugPath& destinationPlug);
    // Connections into the plug, or into something above or below it.
    std::vector<Connection> incoming(const Node& node, const PlugPath& plug) const;
    // Connections out of the plug, or out of something above or below it.
    std::vector<Connection> outgoing(const Node& node, const PlugPath& plug) const;

    // Values -----------------------------------------------------------
    // Stores a value the way the host does: clamped to the attribute's hard
    // limits, dependents marked dirty, attribute-changed callbacks told.
    MStatus setValue(Node& node, const PlugPath& plug, const Value& value);
    // Brings the plug up to date (pull) and returns its storage.
    Slot* evaluate(Node& node, const PlugPath& plug);
    // Marks the plug out of date and everything that depends on it.
    void dirty(Node& node, const PlugPath& plug);

    // Time ---------------------------------------------------------------
    MTime currentTime();
    void setCurrentTime(const MTime& time);

private:
    Scene() = default;
    using Visited = std::set<std::pair<const Node*, PlugPath>>;
    void dirty(Node& node, const PlugPath& plug, Visited& visited);
    void dirtyDependents(Node& node, const PlugPath& plug, Visited& visited);
    void dirtyAttribute(Node& node, const Attribute* attribute, Visited& visited);
    void pullConnections(Node& node, const PlugPath& plug);
    void computeIfNeeded(Node& node, const PlugPath& plug);
    void compute(Node& node, const PlugPath& plug);
    void notify(Node& node, int message, const PlugPath& plug, Node* otherNode, const PlugPath& otherPlug);

    std::vector<std::shared_ptr<Node>> m_nodes;
    std::vector<Connection> m_connections;
};

} // namespace kavo::host::graph
