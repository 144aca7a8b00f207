#include "graph/Data.h"
#include "graph/Node.h"

#include <maya/MArrayDataHandle.h>
#include <maya/MPxDeformerNode.h>

using kavo::host::graph::Data;
using kavo::host::graph::Node;
using kavo::host::graph::objectAs;
using kavo::host::graph::Slot;

MObject MPxDeformerNode::input;
MObject MPxDeformerNode::inputGeom;
MObject MPxDeformerNode::groupId;
MObject MPxDeformerNode::outputGeom;
MObject MPxDeformerNode::envelope;
MObject MPxDeformerNode::weightList;
MObject MPxDeformerNode::weights;

MPxDeformerNode::MPxDeformerNode() = default;
MPxDeformerNode::~MPxDeformerNode() = default;

MPxNode::Type MPxDeformerNode::type() const
{
    return kDeformerNode;
}

MStatus MPxDeformerNode::compute(const MPlug& plug, MDataBlock& dataBlock)
{
    if (plug.attribute() != outputGeom || !plug.isElement())
        return MStatus::kUnknownParameter;
    const unsigned int index = plug.logicalIndex();
    MDataHandle output = dataBlock.outputValue(plug);

    MArrayDataHandle inputs = dataBlock.inputArrayValue(input);
    if (!inputs.jumpToElement(index))
    {
        // Nothing feeds this output: it stays empty.
        output.set(MObject());
        output.setClean();
        return MStatus::kSuccess;
    }
    MDataHandle element = inputs.inputValue();
    MDataHandle geometry = element.child(inputGeom);
    const unsigned int group = static_cast<unsigned int>(element.child(groupId).asInt());
    auto source = objectAs<Data>(geometry.data());
    if (!source)
    {
        output.set(MObject());
        output.setClean();
        return MStatus::kSuccess;
    }
    // The output starts as a copy of the input; deform() moves its points.
    output.set(MObject(source->clone()));
    MItGeometry iterator(output, group, false);
    dataBlock.inputArrayValue(weightList);
    MStatus status = deform(dataBlock, iterator, geometry.geometryTransformMatrix(), index);
    output.setClean();
    return status;
}

MStatus MPxDeformerNode::deform(MDataBlock&, MItGeometry&, const MMatrix&, unsigned int)
{
    return MStatus::kSuccess;
}

MObject& MPxDeformerNode::accessoryAttribute() const
{
    return MObject::kNullObj;
}

MStatus MPxDeformerNode::accessoryNodeSetup(MDagModifier&)
{
    return MStatus::kNotImplemented;
}

float MPxDeformerNode::weightValue(MDataBlock&, unsigned int multiIndex, unsigned int wtIndex)
{
    // Painted weights are plain stored values (read once per compute above),
    // looked up directly: this runs for every point of every pass.
    Node* node = hostNode();
    auto listAttribute = objectAs<kavo::host::graph::Attribute>(weightList);
    auto weightAttribute = objectAs<kavo::host::graph::Attribute>(weights);
    Slot* list = node ? node->rootSlot(listAttribute.get(), false) : nullptr;
    Slot* entry = list ? list->findElement(multiIndex) : nullptr;
    Slot* values = entry ? entry->child(weightAttribute.get()) : nullptr;
    Slot* value = values ? values->findElement(wtIndex) : nullptr;
    return value ? static_cast<float>(kavo::host::graph::numericValue(value->value)) : 1.0f;
}
