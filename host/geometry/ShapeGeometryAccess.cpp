#include "geometry/ShapeGeometryAccess.h"

#include "geometry/GeometryShape.h"

#include "graph/Scene.h"

namespace kavo::host::geometry {

namespace {

using graph::Node;
using graph::PlugPath;
using graph::Scene;

std::shared_ptr<graph::Data> dataIn(const graph::Slot* slot)
{
    const MObject* held = slot ? std::get_if<MObject>(&slot->value) : nullptr;
    return held ? graph::objectAs<graph::Data>(*held) : nullptr;
}

} // namespace

std::shared_ptr<graph::Data> shapeOutput(Node& shape)
{
    const GeometryPlugs plugs = geometryPlugsOf(shape.type());
    return plugs.output ? dataIn(Scene::instance().evaluate(shape, PlugPath{plugs.output, {}})) : nullptr;
}

std::shared_ptr<graph::Data> editableShapeInput(Node& shape)
{
    const PlugPath input{geometryPlugsOf(shape.type()).input, {}};
    if (!input.attribute || !Scene::instance().incoming(shape, input).empty())
        return nullptr;
    return dataIn(shape.slot(input, true));
}

MStatus setShapeInput(Node& shape, const std::shared_ptr<graph::Data>& data)
{
    const PlugPath input{geometryPlugsOf(shape.type()).input, {}};
    if (!input.attribute)
        return MStatus::kInvalidParameter;
    return Scene::instance().setValue(shape, input, MObject(data));
}

std::shared_ptr<Node> createShapeNode(const std::string& typeName, const MObject& parent,
                                      const std::shared_ptr<graph::Data>& data, MStatus& status)
{
    Scene& scene = Scene::instance();
    std::shared_ptr<Node> transform = graph::objectAs<Node>(parent);
    const bool newTransform = parent.isNull();
    if (!newTransform && (!transform || !transform->type().dag)) {
        status = MStatus::kInvalidParameter;
        return nullptr;
    }
    if (newTransform)
        transform = scene.createNode("transform", typeName + "1", &status);
    std::shared_ptr<Node> shape = transform ? scene.createNode(typeName, typeName + "Shape1", &status) : nullptr;
    if (!shape) {
        if (newTransform && transform)
            scene.remove(*transform);
        status = MStatus::kFailure;
        return nullptr;
    }
    scene.setDagParent(*shape, transform.get());
    status = setShapeInput(*shape, data);
    return shape;
}

MObject createdShapeResult(Node& shape, const MObject& parent)
{
    return parent.isNull() && shape.dagParent() ? shape.dagParent()->handle() : shape.handle();
}

} // namespace kavo::host::geometry
