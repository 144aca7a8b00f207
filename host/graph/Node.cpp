#include "graph/Node.h"

#include "graph/AttributeCallbacks.h"

#include <algorithm>

namespace kavo::host::graph {

Node::Node(std::shared_ptr<const NodeType> type, std::string name) : m_type(std::move(type)), m_name(std::move(name)) {}

Node::~Node()
{
    releaseBehaviour();
    // A node that never joined the scene may still have callbacks on it.
    AttributeCallbacks::instance().removeAllFor(this);
    setDagParent(nullptr);
    for (Node* child : m_dagChildren)
        child->m_dagParent = nullptr;
}

MFn::Type Node::apiType() const
{
    return m_type->apiType;
}

bool Node::hasFn(MFn::Type type) const
{
    if (Object::hasFn(type) || type == MFn::kDependencyNode)
        return true;
    if (type == MFn::kDagNode)
        return m_type->dag;
    if (type == MFn::kShape)
        return m_type->shape;
    for (const NodeType* t = m_type.get(); t; t = t->parent)
        if (t->apiType == type)
            return true;
    return false;
}

void Node::setBehaviour(std::unique_ptr<MPxNode> behaviour)
{
    m_behaviour = std::move(behaviour);
    if (m_behaviour)
        m_behaviour->hostBind(this);
}

void Node::releaseBehaviour()
{
    m_behaviour.reset();
}

Slot* Node::rootSlot(const Attribute* topLevel, bool create)
{
    auto found = m_roots.find(topLevel);
    if (found != m_roots.end())
        return &found->second;
    if (!create || !m_type->hasAttribute(topLevel))
        return nullptr;
    return &m_roots.emplace(topLevel, Slot(topLevel, topLevel->isArray())).first->second;
}

Slot* Node::slot(const PlugPath& plug, bool create)
{
    if (!plug.attribute)
        return nullptr;
    const std::vector<const Attribute*> chain = plug.attribute->chain();
    Slot* current = rootSlot(chain.front(), create);
    size_t index = 0;
    for (size_t k = 0; current && k < chain.size(); ++k) {
        if (k > 0)
            current = current->child(chain[k]);
        if (!current || !chain[k]->isArray())
            continue;
        if (index == plug.indices.size())
            return k + 1 == chain.size() ? current : nullptr;
        const unsigned int logical = plug.indices[index++];
        current = create ? &current->element(logical) : current->findElement(logical);
    }
    return index == plug.indices.size() ? current : nullptr;
}

void Node::setDagParent(Node* parent)
{
    if (m_dagParent) {
        auto& siblings = m_dagParent->m_dagChildren;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    m_dagParent = parent;
    if (parent)
        parent->m_dagChildren.push_back(this);
}

} // namespace kavo::host::graph
