#include "geometry/GeometryShape.h"

#include "graph/DagMatrices.h"
#include "graph/Data.h"
#include "graph/NodeTypeRegistry.h"
#include "graph/Scene.h"

#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPxNode.h>

namespace kavo::host::geometry {

using graph::Attribute;
using graph::AttributeKind;

MStatus addGeometryAttributes(const GeometryAttributeNames& names, MFnData::Type dataType)
{
    MFnNumericAttribute numeric;
    MObject intermediate = numeric.create("intermediateObject", "io", MFnNumericData::kBoolean, 0);
    MFnTypedAttribute typed;
    MObject input = typed.create(names.inputLong, names.inputShort, dataType);
    MObject output = typed.create(names.outputLong, names.outputShort, dataType);
    typed.setWritable(false);
    typed.setStorable(false);
    for (const MObject* attribute : {&intermediate, &input, &output}) {
        const MStatus added = MPxNode::addAttribute(*attribute);
        if (!added)
            return added;
    }
    graph::NodeType* type = graph::NodeTypeRegistry::instance().typeBeingInitialized();
    type->addAffects(graph::objectAs<Attribute>(input).get(), graph::objectAs<Attribute>(output).get());
    type->addAffects(type->findAttribute("worldMatrix"), graph::objectAs<Attribute>(output).get());
    return MStatus::kSuccess;
}

GeometryPlugs geometryPlugsOf(const graph::NodeType& type)
{
    for (const Attribute* input : type.attributes()) {
        if (input->kind != AttributeKind::Typed)
            continue;
        for (const Attribute* output : type.affectedBy(input))
            if (output->kind == AttributeKind::Typed && output != input)
                return {input, output};
    }
    return {};
}

MStatus computeGeometryOutput(graph::Node& node, const graph::PlugPath& plug)
{
    const GeometryPlugs plugs = geometryPlugsOf(node.type());
    if (!plugs.output || plug.attribute != plugs.output)
        return MStatus::kUnknownParameter;
    graph::Slot* input = graph::Scene::instance().evaluate(node, graph::PlugPath{plugs.input, {}});
    const MObject* held = input ? std::get_if<MObject>(&input->value) : nullptr;
    const std::shared_ptr<graph::Data> source = held ? graph::objectAs<graph::Data>(*held) : nullptr;
    MObject result;
    if (source) {
        std::shared_ptr<graph::Data> copy = source->clone();
        copy->transform = graph::worldMatrix(node);
        result = MObject(copy);
    }
    node.slot(plug, true)->value = result;
    return MStatus::kSuccess;
}

} // namespace kavo::host::geometry
