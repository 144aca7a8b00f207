#include "graph/Scene.h"

#include "graph/AttributeCallbacks.h"
#include "graph/AttributeHandles.h"
#include "graph/NodeTypeRegistry.h"

#include <maya/MDataBlock.h>
#include <maya/MNodeMessage.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>

#include <algorithm>
#include <cctype>

namespace kavo::host::graph {
namespace {

MPlug plugOf(Node& node, const PlugPath& plug)
{
    return MPlug(node.handle(), attributeHandle(plug.attribute), plug.indices);
}

PlugPath pathOf(const MPlug& plug)
{
    return PlugPath{objectAs<Attribute>(plug.attribute()).get(), plug.hostIndices()};
}

// Marks dirty every slot of `attribute` below `slot`.
void dirtySlotsOf(Slot& slot, const Attribute* attribute)
{
    if (slot.attribute() == attribute) {
        slot.setDirtyRecursively(true);
        return;
    }
    for (auto& [index, element] : slot.elements)
        dirtySlotsOf(element, attribute);
    for (Slot& child : slot.children)
        dirtySlotsOf(child, attribute);
}

const Attribute* topLevelOf(const Attribute* attribute)
{
    while (attribute->parent)
        attribute = attribute->parent;
    return attribute;
}

std::pair<std::string, long long> splitTrailingNumber(const std::string& name)
{
    size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1])))
        --digits;
    if (digits == name.size() || name.size() - digits > 15)
        return {name, 0};
    return {name.substr(0, digits), std::stoll(name.substr(digits))};
}

} // namespace

Scene& Scene::instance()
{
    static Scene scene;
    return scene;
}

// Nodes ---------------------------------------------------------------------

std::shared_ptr<Node> Scene::instantiate(const std::string& typeName, const std::string& wantedName, MStatus* status)
{
    std::shared_ptr<const NodeType> type = NodeTypeRegistry::instance().find(typeName);
    if (!type || !type->creator) {
        if (status)
            *status = MStatus::kInvalidParameter;
        return nullptr;
    }
    auto node = std::make_shared<Node>(type, wantedName.empty() ? typeName + "1" : wantedName);
    node->setBehaviour(std::unique_ptr<MPxNode>(static_cast<MPxNode*>(type->creator())));
    if (node->behaviour())
        node->behaviour()->postConstructor();
    if (status)
        *status = MStatus::kSuccess;
    return node;
}

void Scene::add(const std::shared_ptr<Node>& node)
{
    if (node->inScene)
        return;
    node->setName(uniqueName(node->name()));
    node->inScene = true;
    m_nodes.push_back(node);
}

std::shared_ptr<Node> Scene::createNode(const std::string& typeName, const std::string& wantedName, MStatus* status)
{
    std::shared_ptr<Node> node = instantiate(typeName, wantedName, status);
    if (node)
        add(node);
    return node;
}

void Scene::remove(Node& node)
{
    std::shared_ptr<Object> keepAlive = node.shared_from_this();
    for (Node* child : std::vector<Node*>(node.dagChildren()))
        remove(*child);
    std::vector<Connection> touching;
    for (const Connection& c : m_connections)
        if (c.source == &node || c.destination == &node)
            touching.push_back(c);
    for (const Connection& c : touching)
        disconnect(*c.source, c.sourcePlug, *c.destination, c.destinationPlug);
    node.setDagParent(nullptr);
    node.releaseBehaviour();
    AttributeCallbacks::instance().removeAllFor(&node);
    node.inScene = false;
    m_nodes.erase(std::remove_if(m_nodes.begin(), m_nodes.end(),
                                 [&](const std::shared_ptr<Node>& n) { return n.get() == &node; }),
                  m_nodes.end());
}

void Scene::clear()
{
    while (!m_nodes.empty())
        remove(*m_nodes.back());
}

Node* Scene::findNode(const std::string& name) const
{
    for (const auto& node : m_nodes)
        if (node->name() == name)
            return node.get();
    return nullptr;
}

size_t Scene::countNodesOfType(const NodeType& type) const
{
    return std::count_if(m_nodes.begin(), m_nodes.end(),
                         [&](const std::shared_ptr<Node>& node) { return &node->type() == &type; });
}

std::string Scene::uniqueName(const std::string& wanted, const Node* except) const
{
    auto taken = [&](const std::string& name) {
        const Node* found = findNode(name);
        return found && found != except;
    };
    if (!taken(wanted))
        return wanted;
    auto [stem, number] = splitTrailingNumber(wanted);
    std::string candidate;
    do
        candidate = stem + std::to_string(++number);
    while (taken(candidate));
    return candidate;
}

void Scene::rename(Node& node, const std::string& wanted)
{
    node.setName(node.inScene ? uniqueName(wanted, &node) : wanted);
}

void Scene::setDagParent(Node& child, Node* parent)
{
    child.setDagParent(parent);
    Visited visited;
    if (const Attribute* world = child.type().findAttribute("worldMatrix"))
        dirtyAttribute(child, world, visited);
}

// Connections ---------------------------------------------------------------

MStatus Scene::connect(Node& source, const PlugPath& sourcePlug, Node& destination, const PlugPath& destinationPlug)
{
    if (!source.type().hasAttribute(sourcePlug.attribute) ||
        !destination.type().hasAttribute(destinationPlug.attribute))
        return MStatus::kInvalidParameter;
    if (!sourcePlug.attribute->flags.connectable || !destinationPlug.attribute->flags.connectable ||
        !destinationPlug.attribute->flags.writable)
        return MStatus::kInvalidParameter;
    if (!source.slot(sourcePlug, true) || !destination.slot(destinationPlug, true))
        return MStatus::kInvalidParameter;
    if (!incoming(destination, destinationPlug).empty())
        return MStatus::kFailure; // a plug has at most one source
    m_connections.push_back(Connection{&source, sourcePlug, &destination, destinationPlug});
    dirty(destination, destinationPlug);
    MPlug sourceMPlug = plugOf(source, sourcePlug);
    MPlug destinationMPlug = plugOf(destination, destinationPlug);
    if (source.behaviour())
        source.behaviour()->connectionMade(sourceMPlug, destinationMPlug, true);
    if (destination.behaviour())
        destination.behaviour()->connectionMade(destinationMPlug, sourceMPlug, false);
    notify(source, MNodeMessage::kConnectionMade, sourcePlug, &destination, destinationPlug);
    notify(destination, MNodeMessage::kConnectionMade | MNodeMessage::kIncomingDirection, destinationPlug, &source,
           sourcePlug);
    return MStatus::kSuccess;
}

MStatus Scene::disconnect(Node& source, const PlugPath& sourcePlug, Node& destination, const PlugPath& destinationPlug)
{
    auto found = std::find_if(m_connections.begin(), m_connections.end(), [&](const Connection& c) {
        return c.source == &source && c.sourcePlug == sourcePlug && c.destination == &destination &&
               c.destinationPlug == destinationPlug;
    });
    if (found == m_connections.end())
        return MStatus::kInvalidParameter;
    m_connections.erase(found);
    dirty(destination, destinationPlug);
    MPlug sourceMPlug = plugOf(source, sourcePlug);
    MPlug destinationMPlug = plugOf(destination, destinationPlug);
    if (source.behaviour())
        source.behaviour()->connectionBroken(sourceMPlug, destinationMPlug, true);
    if (destination.behaviour())
        destination.behaviour()->connectionBroken(destinationMPlug, sourceMPlug, false);
    notify(source, MNodeMessage::kConnectionBroken, sourcePlug, &destination, destinationPlug);
    notify(destination, MNodeMessage::kConnectionBroken | MNodeMessage::kIncomingDirection, destinationPlug, &source,
           sourcePlug);
    return MStatus::kSuccess;
}

std::vector<Connection> Scene::incoming(const Node& node, const PlugPath& plug) const
{
    std::vector<Connection> result;
    for (const Connection& c : m_connections)
        if (c.destination == &node && c.destinationPlug.overlaps(plug))
            result.push_back(c);
    return result;
}

std::vector<Connection> Scene::outgoing(const Node& node, const PlugPath& plug) const
{
    std::vector<Connection> result;
    for (const Connection& c : m_connections)
        if (c.source == &node && c.sourcePlug.overlaps(plug))
            result.push_back(c);
    return result;
}

// Values --------------------------------------------------------------------

MStatus Scene::setValue(Node& node, const PlugPath& plug, const Value& value)
{
    Slot* slot = node.slot(plug, true);
    if (!slot || slot->holdsElements() || !slot->children.empty())
        return MStatus::kInvalidParameter;
    if (!plug.attribute->flags.writable)
        return MStatus::kFailure;
    if (!incoming(node, plug).empty())
        return MStatus::kFailure; // a connected plug takes its value from its source
    const bool convert = isNumeric(slot->value) && isNumeric(value);
    slot->value = plug.attribute->clamped(convert ? withNumericValue(slot->value, numericValue(value)) : value);
    slot->dirty = false;
    Visited visited;
    visited.emplace(&node, plug);
    dirtyDependents(node, plug, visited);
    notify(node, MNodeMessage::kAttributeSet | MNodeMessage::kIncomingDirection, plug, nullptr, {});
    return MStatus::kSuccess;
}

Slot* Scene::evaluate(Node& node, const PlugPath& plug)
{
    pullConnections(node, plug);
    computeIfNeeded(node, plug);
    return node.slot(plug, true);
}

void Scene::pullConnections(Node& node, const PlugPath& plug)
{
    for (const Connection& c : incoming(node, plug)) {
        Slot* destination = node.slot(c.destinationPlug, true);
        if (!destination || !destination->anyDirty())
            continue;
        if (Slot* source = evaluate(*c.source, c.sourcePlug))
            destination->copyValuesFrom(*source);
        destination->setDirtyRecursively(false);
    }
}

void Scene::computeIfNeeded(Node& node, const PlugPath& plug)
{
    if (!plug.attribute || !node.type().isComputed(plug.attribute))
        return;
    Slot* slot = node.slot(plug, true);
    if (!slot || !slot->anyDirty())
        return;
    if (slot->holdsElements()) {
        // A whole computed array: compute each element that is out of date.
        std::vector<unsigned int> dirtyElements;
        for (auto& [index, element] : slot->elements)
            if (element.anyDirty())
                dirtyElements.push_back(index);
        for (unsigned int index : dirtyElements)
            computeIfNeeded(node, plug.element(index));
        slot->dirty = false;
        return;
    }
    if (!plug.attribute->children.empty() && !node.type().isComputed(plug.attribute->children.front().get()))
        return;
    compute(node, plug);
}

void Scene::compute(Node& node, const PlugPath& plug)
{
    if (node.computing.count(plug))
        return;
    node.computing.insert(plug);
    MStatus status = MStatus::kUnknownParameter;
    for (const NodeType* type = &node.type(); type && status == MStatus::kUnknownParameter; type = type->parent)
        if (type->hostCompute)
            status = type->hostCompute(node, plug);
    if (status == MStatus::kUnknownParameter && node.behaviour()) {
        MDataBlock block(&node);
        status = node.behaviour()->compute(plugOf(node, plug), block);
    }
    node.lastComputeStatus = status;
    node.computing.erase(plug);
    // Whatever the compute did, the plug is not computed again until
    // something it depends on changes.
    if (Slot* slot = node.slot(plug, true))
        slot->setDirtyRecursively(false);
}

void Scene::dirty(Node& node, const PlugPath& plug)
{
    Visited visited;
    dirty(node, plug, visited);
}

void Scene::dirty(Node& node, const PlugPath& plug, Visited& visited)
{
    if (!visited.emplace(&node, plug).second)
        return;
    if (Slot* slot = node.slot(plug, false))
        slot->setDirtyRecursively(true);
    dirtyDependents(node, plug, visited);
}

void Scene::dirtyDependents(Node& node, const PlugPath& plug, Visited& visited)
{
    if (node.behaviour()) {
        MPlugArray more;
        node.behaviour()->setDependentsDirty(plugOf(node, plug), more);
        for (unsigned int k = 0; k < more.length(); ++k)
            if (more[k].node() == node.handle())
                dirty(node, pathOf(more[k]), visited);
    }
    for (const Attribute* affected : node.type().affectedBy(plug.attribute))
        dirtyAttribute(node, affected, visited);
    for (const Connection& c : outgoing(node, plug))
        dirty(*c.destination, c.destinationPlug, visited);
}

void Scene::dirtyAttribute(Node& node, const Attribute* attribute, Visited& visited)
{
    if (!visited.emplace(&node, PlugPath{attribute, {}}).second)
        return;
    if (Slot* root = node.rootSlot(topLevelOf(attribute), false))
        dirtySlotsOf(*root, attribute);
    for (const Connection& c : std::vector<Connection>(m_connections))
        if (c.source == &node &&
            (attribute->contains(c.sourcePlug.attribute) || c.sourcePlug.attribute->contains(attribute)))
            dirty(*c.destination, c.destinationPlug, visited);
    for (const Attribute* affected : node.type().affectedBy(attribute))
        dirtyAttribute(node, affected, visited);
    // A DAG node's world matrix feeds those of the nodes below it.
    if (attribute->longName == "worldMatrix")
        for (Node* child : node.dagChildren())
            if (const Attribute* childWorld = child->type().findAttribute("worldMatrix"))
                dirtyAttribute(*child, childWorld, visited);
}

void Scene::notify(Node& node, int message, const PlugPath& plug, Node* otherNode, const PlugPath& otherPlug)
{
    MPlug mplug = plugOf(node, plug);
    MPlug other = otherNode ? plugOf(*otherNode, otherPlug) : MPlug();
    AttributeCallbacks::instance().notify(node, message, mplug, other);
}

// Time ----------------------------------------------------------------------

MTime Scene::currentTime()
{
    Node* time = findNode("time1");
    const Attribute* outTime = time ? time->type().findAttribute("outTime") : nullptr;
    if (!outTime)
        return MTime(1.0, MTime::kFilm);
    return coerce<MTime>(evaluate(*time, PlugPath{outTime, {}})->value);
}

void Scene::setCurrentTime(const MTime& time)
{
    Node* timeNode = findNode("time1");
    if (!timeNode)
        timeNode = createNode("time", "time1").get();
    if (const Attribute* outTime = timeNode->type().findAttribute("outTime"))
        setValue(*timeNode, PlugPath{outTime, {}}, time);
}

} // namespace kavo::host::graph
