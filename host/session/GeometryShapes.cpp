#include "session/GeometryShapes.h"

#include "geometry/GeometryShape.h"
#include "graph/Data.h"
#include "graph/Scene.h"

namespace kavo::host::session {

using geometry::GeometryPlugs;
using geometry::geometryPlugsOf;
using graph::Node;
using graph::PlugPath;
using graph::Scene;

namespace {

bool isGeometryShape(const Node& node)
{
    return node.type().shape && geometryPlugsOf(node.type()).output;
}

MObject failed(MStatus* status)
{
    if (status)
        *status = MStatus::kInvalidParameter;
    return MObject();
}

} // namespace

bool GeometryShapes::isIntermediate(const Node& shape)
{
    const graph::Attribute* flag = shape.type().findAttribute("intermediateObject");
    const graph::Slot* slot = flag ? const_cast<Node&>(shape).rootSlot(flag, false) : nullptr;
    return slot && graph::numericValue(slot->value) != 0.0;
}

Node* GeometryShapes::find(const std::string& shapeOrTransform)
{
    Node* node = Scene::instance().findNode(shapeOrTransform);
    if (!node)
        return nullptr;
    if (isGeometryShape(*node))
        return node;
    for (Node* child : node->dagChildren())
        if (isGeometryShape(*child) && !isIntermediate(*child))
            return child;
    return nullptr;
}

MObject GeometryShapes::create(const std::string& shapeType, const std::string& transformName, const MObject& data,
                               MStatus* status)
{
    const auto source = graph::objectAs<graph::Data>(data);
    Scene& scene = Scene::instance();
    std::shared_ptr<Node> shape = source ? scene.instantiate(shapeType, shapeType) : nullptr;
    if (!shape || !isGeometryShape(*shape))
        return failed(status);
    std::shared_ptr<Node> transform = scene.createNode("transform", transformName);
    shape->setName(transform->name() + "Shape");
    scene.add(shape);
    scene.setDagParent(*shape, transform.get());
    const GeometryPlugs plugs = geometryPlugsOf(shape->type());
    const MStatus stored = scene.setValue(*shape, PlugPath{plugs.input, {}}, MObject(source->clone()));
    if (status)
        *status = stored;
    return shape->handle();
}

MObject GeometryShapes::output(const std::string& shapeOrTransform, MStatus* status)
{
    Node* shape = find(shapeOrTransform);
    if (!shape)
        return failed(status);
    const graph::Slot* slot = Scene::instance().evaluate(*shape, PlugPath{geometryPlugsOf(shape->type()).output, {}});
    const MObject* held = slot ? std::get_if<MObject>(&slot->value) : nullptr;
    if (status)
        *status = MStatus::kSuccess;
    return held ? *held : MObject();
}

} // namespace kavo::host::session
