#pragma once

#include "graph/Attribute.h"
#include "graph/GraphFwd.h"

#include <maya/MFn.h>
#include <maya/MPxNode.h>
#include <maya/MTypeId.h>
#include <maya/MTypes.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kavo::host::graph {

// What a node type is made of: its identity, how to create its behaviour
// object, its attributes (its own after those it inherits) and which
// attributes affect which.
class NodeType
{
public:
    // Computation the host does itself for some of a type's attributes (a
    // transform's matrices), whatever the behaviour object is. Answers
    // kUnknownParameter for plugs it does not compute.
    using HostCompute = MStatus (*)(Node& node, const PlugPath& plug);

    std::string name;
    MTypeId id;
    MPxNode::Type kind = MPxNode::kDependNode;
    MFn::Type apiType = MFn::kDependencyNode;
    MCreatorFunction creator = nullptr;
    MInitializeFunction initializer = nullptr;
    const NodeType* parent = nullptr;
    bool fromPlugin = false;
    bool dag = false;
    bool shape = false;
    HostCompute hostCompute = nullptr;

    // Every attribute that nodes of this type have, top-level ones, in the
    // order they were added, inherited ones first.
    std::vector<const Attribute*> attributes() const;
    // An attribute of the type or of one of its compounds, by long or short name.
    const Attribute* findAttribute(const std::string& name) const;
    bool hasAttribute(const Attribute* attribute) const;

    // The attributes that change when `changed` (or anything above or below
    // it) changes.
    std::vector<const Attribute*> affectedBy(const Attribute* changed) const;
    // Whether something affects this attribute or one below it: it is
    // computed rather than only stored.
    bool isComputed(const Attribute* attribute) const;
    // Whether this type is `other` or inherits from it.
    bool isA(const NodeType& other) const;

    MStatus addAttribute(const std::shared_ptr<Attribute>& attribute);
    MStatus addAffects(const Attribute* whenChanges, const Attribute* isAffected);
    // Declares an attribute the host computes with no attribute affecting it.
    void markComputed(const Attribute* attribute) { m_computed.push_back(attribute); }

private:
    std::vector<std::shared_ptr<Attribute>> m_ownAttributes;
    std::vector<std::pair<const Attribute*, const Attribute*>> m_affects;
    std::vector<const Attribute*> m_computed;
};

} // namespace kavo::host::graph
