// The host's "locator" shape type, which plug-in locators inherit: a local
// position offset, its world-space position (computed) and a drawing scale.
#include "graph/DagMatrices.h"
#include "graph/NodeTypeRegistry.h"
#include "graph/Scene.h"

#include <maya/MFnNumericAttribute.h>
#include <maya/MPxLocatorNode.h>

namespace kavo::host::view {
namespace {

using graph::Attribute;
using graph::Node;
using graph::NodeType;
using graph::NodeTypeRegistry;
using graph::objectAs;
using graph::PlugPath;
using graph::Scene;

// Three doubles under a compound: name + "X", "Y", "Z" and brief + "x", ...
MObject makeTriple(const char* longName, const char* shortName, double value, MObject& x, MObject& y, MObject& z)
{
    MFnNumericAttribute numeric;
    const std::string name = longName;
    const std::string brief = shortName;
    x = numeric.create((name + "X").c_str(), (brief + "x").c_str(), MFnNumericData::kDouble, value);
    y = numeric.create((name + "Y").c_str(), (brief + "y").c_str(), MFnNumericData::kDouble, value);
    z = numeric.create((name + "Z").c_str(), (brief + "z").c_str(), MFnNumericData::kDouble, value);
    return numeric.create(longName, shortName, x, y, z);
}

MObject handleOf(const Attribute* attribute)
{
    return attribute ? MObject(const_cast<Attribute*>(attribute)->shared_from_this()) : MObject();
}

MStatus initializeLocator()
{
    MPxLocatorNode::localPosition = makeTriple("localPosition", "lp", 0.0, MPxLocatorNode::localPositionX,
                                               MPxLocatorNode::localPositionY, MPxLocatorNode::localPositionZ);
    MPxLocatorNode::worldPosition = makeTriple("worldPosition", "wp", 0.0, MPxLocatorNode::worldPositionX,
                                               MPxLocatorNode::worldPositionY, MPxLocatorNode::worldPositionZ);
    // Computed: neither set by hand nor saved.
    for (const MObject* output : {&MPxLocatorNode::worldPosition, &MPxLocatorNode::worldPositionX,
                                  &MPxLocatorNode::worldPositionY, &MPxLocatorNode::worldPositionZ}) {
        MFnNumericAttribute numeric(*output);
        numeric.setWritable(false);
        numeric.setStorable(false);
    }
    MPxLocatorNode::localScale = makeTriple("localScale", "los", 1.0, MPxLocatorNode::localScaleX,
                                            MPxLocatorNode::localScaleY, MPxLocatorNode::localScaleZ);
    for (const MObject* attribute :
         {&MPxLocatorNode::localPosition, &MPxLocatorNode::worldPosition, &MPxLocatorNode::localScale})
        MPxNode::addAttribute(*attribute);

    NodeType* type = NodeTypeRegistry::instance().typeBeingInitialized();
    const Attribute* world = type->findAttribute("worldMatrix");
    MPxLocatorNode::worldMatrix = handleOf(world);
    MPxLocatorNode::visibility = handleOf(type->findAttribute("visibility"));
    MPxNode::attributeAffects(MPxLocatorNode::localPosition, MPxLocatorNode::worldPosition);
    return type->addAffects(world, objectAs<Attribute>(MPxLocatorNode::worldPosition).get());
}

double doubleValue(Node& node, const MObject& attribute)
{
    const PlugPath plug{objectAs<Attribute>(attribute).get(), {}};
    return graph::numericValue(Scene::instance().evaluate(node, plug)->value);
}

// worldPosition = localPosition placed by the locator's world matrix.
MStatus computeWorldPosition(Node& node, const PlugPath& plug)
{
    auto worldPosition = objectAs<Attribute>(MPxLocatorNode::worldPosition);
    if (!worldPosition->contains(plug.attribute))
        return MStatus::kUnknownParameter;
    const MPoint local(doubleValue(node, MPxLocatorNode::localPositionX),
                       doubleValue(node, MPxLocatorNode::localPositionY),
                       doubleValue(node, MPxLocatorNode::localPositionZ));
    const MPoint world = local * graph::worldMatrix(node);
    const double coordinates[] = {world.x, world.y, world.z};
    graph::Slot* slot = node.slot(PlugPath{worldPosition.get(), {}}, true);
    for (size_t k = 0; k < 3 && k < slot->children.size(); ++k) {
        slot->children[k].value = coordinates[k];
        slot->children[k].setDirtyRecursively(false);
    }
    return MStatus::kSuccess;
}

graph::TypeAnnouncement locator{{"locator", "shape", MTypeId(), MPxNode::kLocatorNode, MFn::kLocator, nullptr,
                                 initializeLocator, true, true, computeWorldPosition}};

} // namespace
} // namespace kavo::host::view
