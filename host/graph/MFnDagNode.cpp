#include "graph/DagMatrices.h"
#include "graph/FunctionSetMembers.h"
#include "graph/NodeFunctionSet.h"
#include "graph/Scene.h"

#include <maya/MFnDagNode.h>

using namespace kavo::host::graph;

KAVO_FUNCTION_SET_MEMBERS(MFnDagNode, MFn::kDagNode)

MFnDagNode::MFnDagNode(const MDagPath& path, MStatus* ReturnStatus) : MFnDagNode(path.node(), ReturnStatus) {}

unsigned int MFnDagNode::parentCount(MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object);
    return report(ReturnStatus, node != nullptr, node && node->dagParent() ? 1u : 0u);
}

MObject MFnDagNode::parent(unsigned int index, MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object);
    const bool valid = node && node->dagParent() && index == 0;
    return report(ReturnStatus, valid, valid ? node->dagParent()->handle() : MObject());
}

unsigned int MFnDagNode::childCount(MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object);
    return report(ReturnStatus, node != nullptr, node ? static_cast<unsigned int>(node->dagChildren().size()) : 0u);
}

MObject MFnDagNode::child(unsigned int index, MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object);
    const bool valid = node && index < node->dagChildren().size();
    return report(ReturnStatus, valid, valid ? node->dagChildren()[index]->handle() : MObject());
}

MStatus MFnDagNode::addChild(MObject& child, unsigned int, bool)
{
    Node* node = nodeOf(m_object);
    Node* childNode = nodeOf(child);
    if (!node || !childNode || !childNode->type().dag || node == childNode)
        return MStatus::kInvalidParameter;
    Scene::instance().setDagParent(*childNode, node);
    return MStatus::kSuccess;
}

MStatus MFnDagNode::getPath(MDagPath& path) const
{
    return MDagPath::getAPathTo(m_object, path);
}

MDagPath MFnDagNode::dagPath(MStatus* ReturnStatus) const
{
    MDagPath path;
    MStatus status = getPath(path);
    if (ReturnStatus)
        *ReturnStatus = status;
    return path;
}

MString MFnDagNode::fullPathName(MStatus* ReturnStatus) const
{
    return dagPath(ReturnStatus).fullPathName();
}

MMatrix MFnDagNode::transformationMatrix(MStatus* ReturnStatus) const
{
    Node* node = nodeOf(m_object);
    return report(ReturnStatus, node != nullptr, node ? localMatrix(*node) : MMatrix::identity);
}
