#include "graph/Faults.h"
#include "graph/Node.h"
#include "graph/NodeTypeRegistry.h"
#include "graph/Scene.h"

#include <maya/MPlugArray.h>
#include <maya/MPxNode.h>

using kavo::host::graph::Attribute;
using kavo::host::graph::Faults;
using kavo::host::graph::NodeType;
using kavo::host::graph::NodeTypeRegistry;
using kavo::host::graph::objectAs;

MObject MPxNode::message;
MObject MPxNode::isHistoricallyInteresting;
MObject MPxNode::caching;
MObject MPxNode::state;

MPxNode::MPxNode() : m_hostNode(nullptr) {}

MPxNode::~MPxNode() = default;

void MPxNode::postConstructor() {}

MStatus MPxNode::compute(const MPlug&, MDataBlock&)
{
    return MStatus::kUnknownParameter;
}

MStatus MPxNode::setDependentsDirty(const MPlug&, MPlugArray&)
{
    return MStatus::kSuccess;
}

MStatus MPxNode::connectionMade(const MPlug&, const MPlug&, bool)
{
    return MStatus::kUnknownParameter;
}

MStatus MPxNode::connectionBroken(const MPlug&, const MPlug&, bool)
{
    return MStatus::kUnknownParameter;
}

MPxNode::Type MPxNode::type() const
{
    return m_hostNode ? m_hostNode->type().kind : kDependNode;
}

MTypeId MPxNode::typeId() const
{
    return m_hostNode ? m_hostNode->type().id : MTypeId();
}

MString MPxNode::typeName() const
{
    return m_hostNode ? MString(m_hostNode->type().name.c_str()) : MString();
}

MString MPxNode::name() const
{
    return m_hostNode ? MString(m_hostNode->name().c_str()) : MString();
}

MObject MPxNode::thisMObject() const
{
    return m_hostNode ? m_hostNode->handle() : MObject();
}

MStatus MPxNode::setExistWithoutInConnections(bool flag)
{
    if (auto fault = Faults::check("setExistWithoutInConnections"))
        return *fault;
    if (!m_hostNode)
        return MStatus::kFailure;
    m_hostNode->existWithoutInConnections = flag;
    return MStatus::kSuccess;
}

bool MPxNode::existWithoutInConnections(MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = m_hostNode ? MStatus::kSuccess : MStatus::kFailure;
    return m_hostNode && m_hostNode->existWithoutInConnections;
}

MStatus MPxNode::setExistWithoutOutConnections(bool flag)
{
    if (auto fault = Faults::check("setExistWithoutOutConnections"))
        return *fault;
    if (!m_hostNode)
        return MStatus::kFailure;
    m_hostNode->existWithoutOutConnections = flag;
    return MStatus::kSuccess;
}

bool MPxNode::existWithoutOutConnections(MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = m_hostNode ? MStatus::kSuccess : MStatus::kFailure;
    return m_hostNode && m_hostNode->existWithoutOutConnections;
}

MStatus MPxNode::addAttribute(const MObject& attr)
{
    if (auto fault = Faults::check("addAttribute"))
        return *fault;
    NodeType* type = NodeTypeRegistry::instance().typeBeingInitialized();
    auto attribute = objectAs<Attribute>(attr);
    if (!type || !attribute)
        return MStatus::kInvalidParameter;
    return type->addAttribute(attribute);
}

MStatus MPxNode::inheritAttributesFrom(const MString&)
{
    return MStatus::kNotImplemented;
}

MStatus MPxNode::attributeAffects(const MObject& whenChanges, const MObject& isAffected)
{
    if (auto fault = Faults::check("attributeAffects"))
        return *fault;
    NodeType* type = NodeTypeRegistry::instance().typeBeingInitialized();
    auto cause = objectAs<Attribute>(whenChanges);
    auto effect = objectAs<Attribute>(isAffected);
    if (!type || !cause || !effect)
        return MStatus::kInvalidParameter;
    return type->addAffects(cause.get(), effect.get());
}

MDataBlock MPxNode::forceCache(MDGContext&)
{
    return MDataBlock(m_hostNode);
}

void MPxNode::setMPSafe(bool) {}
