// The host's abstract base node types, which every other type inherits:
// "dependNode" (every node) and "dagNode" (every node with a place in the
// hierarchy and a world matrix), plus "shape".
#include "graph/DagMatrices.h"
#include "graph/NodeTypeRegistry.h"

#include <maya/MFnEnumAttribute.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MPxNode.h>

namespace kavo::host::graph {
namespace {

MStatus initializeDependNode()
{
    MFnNumericAttribute numeric;
    MFnEnumAttribute enumeration;
    MPxNode::message = numeric.create("message", "msg", MFnNumericData::kBoolean, 0);
    numeric.setStorable(false);
    MPxNode::isHistoricallyInteresting = numeric.create("isHistoricallyInteresting", "ihi", MFnNumericData::kByte, 2);
    MPxNode::caching = numeric.create("caching", "cch", MFnNumericData::kBoolean, 0);
    MPxNode::state = enumeration.create("nodeState", "nds", 0);
    enumeration.addField("Normal", 0);
    enumeration.addField("HasNoEffect", 1);
    enumeration.addField("Blocking", 2);
    for (const MObject* attribute :
         {&MPxNode::message, &MPxNode::isHistoricallyInteresting, &MPxNode::caching, &MPxNode::state})
        MPxNode::addAttribute(*attribute);
    return MStatus::kSuccess;
}

MStatus initializeDagNode()
{
    MFnMatrixAttribute matrix;
    MObject worldMatrix = matrix.create("worldMatrix", "wm");
    matrix.setStorable(false);
    matrix.setWritable(false);
    MObject worldInverseMatrix = matrix.create("worldInverseMatrix", "wim");
    matrix.setStorable(false);
    matrix.setWritable(false);
    MFnNumericAttribute numeric;
    MObject visibility = numeric.create("visibility", "v", MFnNumericData::kBoolean, 1);
    numeric.setKeyable(true);
    MPxNode::addAttribute(visibility);
    MPxNode::addAttribute(worldMatrix);
    MPxNode::addAttribute(worldInverseMatrix);
    NodeType* type = NodeTypeRegistry::instance().typeBeingInitialized();
    type->markComputed(objectAs<Attribute>(worldMatrix).get());
    type->markComputed(objectAs<Attribute>(worldInverseMatrix).get());
    return MStatus::kSuccess;
}

TypeAnnouncement dependNode{
    {"dependNode", "", MTypeId(), MPxNode::kDependNode, MFn::kDependencyNode, nullptr, initializeDependNode}};
TypeAnnouncement dagNode{{"dagNode", "dependNode", MTypeId(), MPxNode::kDependNode, MFn::kDagNode, nullptr,
                          initializeDagNode, true, false, computeDagMatrices}};
TypeAnnouncement shape{
    {"shape", "dagNode", MTypeId(), MPxNode::kDependNode, MFn::kShape, nullptr, nullptr, true, true}};

} // namespace
} // namespace kavo::host::graph
