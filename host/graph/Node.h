#pragma once

#include "graph/NodeType.h"
#include "graph/Object.h"
#include "graph/PlugPath.h"
#include "graph/Slot.h"

#include <maya/MPxNode.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace kavo::host::graph {

// One node of the dependency graph: its type, its name, the behaviour object
// its type's creator made (the plug-in's node for plug-in types), its stored
// values and, for DAG nodes, its place in the hierarchy.
class Node : public Object
{
public:
    Node(std::shared_ptr<const NodeType> type, std::string name);
    ~Node() override;

    MFn::Type apiType() const override;
    bool hasFn(MFn::Type type) const override;

    const NodeType& type() const { return *m_type; }
    const std::string& name() const { return m_name; }
    void setName(std::string name) { m_name = std::move(name); }
    MObject handle() { return MObject(shared_from_this()); }

    MPxNode* behaviour() const { return m_behaviour.get(); }
    void setBehaviour(std::unique_ptr<MPxNode> behaviour);
    // Destroys the behaviour object now (a node removed from the scene).
    void releaseBehaviour();

    // The storage of a plug; with `create`, missing elements are made.
    // Null for a plug that does not describe storage of this node.
    Slot* slot(const PlugPath& plug, bool create);
    Slot* rootSlot(const Attribute* topLevel, bool create);

    Node* dagParent() const { return m_dagParent; }
    const std::vector<Node*>& dagChildren() const { return m_dagChildren; }
    void setDagParent(Node* parent);

    bool inScene = false;
    bool existWithoutInConnections = true;
    bool existWithoutOutConnections = true;

    // What the last compute of the node answered (a deformer whose deform
    // failed, for instance), for the host to report.
    MStatus lastComputeStatus = MStatus::kSuccess;

    // Plugs whose compute is running, so a compute that reads its own output
    // gets the stored value instead of recursing.
    std::set<PlugPath> computing;

private:
    std::shared_ptr<const NodeType> m_type;
    std::string m_name;
    std::unique_ptr<MPxNode> m_behaviour;
    std::map<const Attribute*, Slot> m_roots;
    Node* m_dagParent = nullptr;
    std::vector<Node*> m_dagChildren;
};

} // namespace kavo::host::graph
