#include "graph/AttributeHandles.h"
#include "graph/FunctionSetMembers.h"
#include "graph/NodeFunctionSet.h"
#include "graph/Scene.h"

#include <maya/MFnDependencyNode.h>

using namespace kavo::host::graph;

KAVO_FUNCTION_SET_MEMBERS(MFnDependencyNode, MFn::kDependencyNode)

MString MFnDependencyNode::name(MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object);
    return report(ReturnStatus, node != nullptr, node ? MString(node->name().c_str()) : MString());
}

MString MFnDependencyNode::setName(const MString& name, bool, MStatus* ReturnStatus)
{
    Node* node = nodeOf(m_object);
    if (node && name.length() > 0)
        Scene::instance().rename(*node, name.asChar());
    return report(ReturnStatus, node && name.length() > 0, node ? MString(node->name().c_str()) : MString());
}

MObject MFnDependencyNode::attribute(const MString& attrName, MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object);
    const Attribute* attribute = node ? node->type().findAttribute(attrName.asChar()) : nullptr;
    return report(ReturnStatus, attribute != nullptr, attributeHandle(attribute));
}

MObject MFnDependencyNode::attribute(unsigned int index, MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object);
    const std::vector<const Attribute*> all = node ? node->type().attributes() : std::vector<const Attribute*>{};
    const bool valid = index < all.size();
    return report(ReturnStatus, valid, valid ? attributeHandle(all[index]) : MObject());
}

unsigned int MFnDependencyNode::attributeCount(MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object);
    return report(ReturnStatus, node != nullptr,
                  node ? static_cast<unsigned int>(node->type().attributes().size()) : 0u);
}

MPlug MFnDependencyNode::findPlug(const MObject& attr, bool, MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object);
    auto attribute = objectAs<Attribute>(attr);
    const bool valid = node && attribute && node->type().hasAttribute(attribute.get());
    return report(ReturnStatus, valid, valid ? MPlug(m_object, attr) : MPlug());
}

MPlug MFnDependencyNode::findPlug(const MString& attrName, bool wantNetworkedPlug, MStatus* ReturnStatus) const
{
    MStatus status;
    MObject attr = attribute(attrName, &status);
    if (!status)
        return report(ReturnStatus, false, MPlug());
    return findPlug(attr, wantNetworkedPlug, ReturnStatus);
}

MPlug MFnDependencyNode::findPlug(const MObject& attr, MStatus* ReturnStatus) const
{
    return findPlug(attr, false, ReturnStatus);
}

MPlug MFnDependencyNode::findPlug(const MString& attrName, MStatus* ReturnStatus) const
{
    return findPlug(attrName, false, ReturnStatus);
}

MTypeId MFnDependencyNode::typeId(MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object);
    return report(ReturnStatus, node != nullptr, node ? node->type().id : MTypeId());
}

MString MFnDependencyNode::typeName(MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object);
    return report(ReturnStatus, node != nullptr, node ? MString(node->type().name.c_str()) : MString());
}

MPxNode* MFnDependencyNode::userNode(MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object);
    MPxNode* behaviour = node && node->type().fromPlugin ? node->behaviour() : nullptr;
    return report(ReturnStatus, behaviour != nullptr, behaviour);
}
