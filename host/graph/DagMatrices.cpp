#include "graph/DagMatrices.h"

#include "graph/Scene.h"

namespace kavo::host::graph {
namespace {

MMatrix matrixValue(Node& node, const char* attributeName)
{
    const Attribute* attribute = node.type().findAttribute(attributeName);
    if (!attribute)
        return MMatrix::identity;
    Slot* slot = Scene::instance().evaluate(node, PlugPath{attribute, {}});
    return slot ? coerce<MMatrix>(slot->value) : MMatrix::identity;
}

} // namespace

MMatrix localMatrix(Node& node)
{
    return matrixValue(node, "matrix");
}

MMatrix worldMatrix(Node& node)
{
    MMatrix world = localMatrix(node);
    if (Node* parent = node.dagParent())
        world = world * matrixValue(*parent, "worldMatrix");
    return world;
}

MStatus computeDagMatrices(Node& node, const PlugPath& plug)
{
    const std::string& name = plug.attribute->longName;
    if (name != "worldMatrix" && name != "worldInverseMatrix")
        return MStatus::kUnknownParameter;
    Slot* slot = node.slot(plug, true);
    const MMatrix world = worldMatrix(node);
    slot->value = name == "worldMatrix" ? world : world.inverse();
    return MStatus::kSuccess;
}

} // namespace kavo::host::graph
