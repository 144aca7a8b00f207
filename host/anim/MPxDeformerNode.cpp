#include "geometry/GeometryData.h"
#include "graph/Data.h"
#include "graph/Node.h"
#include "graph/Slot.h"
#include "graph/Value.h"

#include <maya/MArrayDataHandle.h>
#include <maya/MPxDeformerNode.h>

using namespace kavo::host::graph;

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
    if (!inputs.jumpToElement(index)) {
        // Nothing feeds this output: it stays empty.
        output.set(MObject());
        output.setClean();
        return MStatus::kSuccess;
    }
    MDataHandle element = inputs.inputValue();
    MDataHandle geometry = element.child(inputGeom);
    const unsigned int group = static_cast<unsigned int>(element.child(groupId).asInt());
    auto source = objectAs<Data>(geometry.data());
    if (!source) {
        output.set(MObject());
        output.setClean();
        return MStatus::kSuccess;
    }
    // The output starts as a copy of the input, sharing its storage until
    // deform() moves the points.
    output.set(MObject(source->clone()));
    MItGeometry iterator(output, group, false);
    dataBlock.inputArrayValue(weightList);
    // Weights go by component index, which runs over all the points even
    // when a deformer set leaves some of them out.
    const auto points = objectAs<kavo::host::geometry::GeometryData>(output.data());
    readWeights(dataBlock, index, points ? points->pointCount() : 0);
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

Slot* MPxDeformerNode::paintedWeights(unsigned int multiIndex)
{
    Node* node = hostNode();
    auto listAttribute = objectAs<kavo::host::graph::Attribute>(weightList);
    auto weightAttribute = objectAs<kavo::host::graph::Attribute>(weights);
    Slot* list = node ? node->rootSlot(listAttribute.get(), false) : nullptr;
    Slot* entry = list ? list->findElement(multiIndex) : nullptr;
    return entry ? entry->child(weightAttribute.get()) : nullptr;
}

void MPxDeformerNode::readWeights(MDataBlock& block, unsigned int multiIndex, unsigned int pointCount)
{
    MDataBlock::DeformerWeights& table = block.m_deformerWeights;
    table = MDataBlock::DeformerWeights();
    table.known = true;
    table.multiIndex = multiIndex;
    const Slot* values = paintedWeights(multiIndex);
    table.anyPainted = values && !values->elements.empty();
    if (!table.anyPainted)
        return;
    table.byPoint.assign(pointCount, 1.0f);
    for (const auto& [wtIndex, value] : values->elements)
        if (wtIndex < pointCount)
            table.byPoint[wtIndex] = static_cast<float>(kavo::host::graph::numericValue(value.value));
}

float MPxDeformerNode::weightValue(MDataBlock& block, unsigned int multiIndex, unsigned int wtIndex)
{
    // Painted weights are plain stored values, read once per compute above:
    // this runs for every point of every pass.
    const MDataBlock::DeformerWeights& table = block.m_deformerWeights;
    if (table.known && table.multiIndex == multiIndex) {
        if (!table.anyPainted)
            return 1.0f;
        if (wtIndex < table.byPoint.size())
            return table.byPoint[wtIndex];
    }
    Slot* values = paintedWeights(multiIndex);
    Slot* value = values ? values->findElement(wtIndex) : nullptr;
    return value ? static_cast<float>(kavo::host::graph::numericValue(value->value)) : 1.0f;
}
