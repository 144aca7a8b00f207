#include "graph/CreateNodeEdit.h"
#include "graph/Faults.h"
#include "graph/ModifierSupport.h"
#include "graph/NodeTypeRegistry.h"
#include "graph/ReparentNodeEdit.h"
#include "graph/Scene.h"

#include <maya/MDagModifier.h>

using namespace kavo::host::graph;

namespace {

bool isDagNode(const std::shared_ptr<Node>& node)
{
    return node && node->type().dag;
}

} // namespace

MDagModifier::MDagModifier() = default;
MDagModifier::~MDagModifier() = default;

MObject MDagModifier::createNode(const MTypeId& typeId, const MObject& parent, MStatus* ReturnStatus)
{
    if (auto fault = Faults::check("MDagModifier::createNode"))
        return failedCreation(*fault, ReturnStatus);
    return create(MString(typeNameOf(typeId).c_str()), parent, ReturnStatus);
}

MObject MDagModifier::createNode(const MString& type, const MObject& parent, MStatus* ReturnStatus)
{
    if (auto fault = Faults::check("MDagModifier::createNode"))
        return failedCreation(*fault, ReturnStatus);
    return create(type, parent, ReturnStatus);
}

// The host names a shape's new transform after the shape's type
// ("noiseLocator1" above "noiseLocatorShape1"); both names are made unique
// when the nodes join the scene.
MObject MDagModifier::create(const MString& typeName, const MObject& parent, MStatus* ReturnStatus)
{
    std::shared_ptr<const NodeType> type = NodeTypeRegistry::instance().find(typeName.asChar());
    std::shared_ptr<Node> parentNode = objectAs<Node>(parent);
    if (!type || !type->dag || (!parent.isNull() && !isDagNode(parentNode)))
        return failedCreation(MStatus::kInvalidParameter, ReturnStatus);

    Scene& scene = Scene::instance();
    const bool needsTransform = type->shape && !parentNode;
    MStatus status;
    std::shared_ptr<Node> transform;
    if (needsTransform) {
        transform = scene.instantiate("transform", type->name + "1", &status);
        if (!transform)
            return failedCreation(status, ReturnStatus);
    }
    std::shared_ptr<Node> node =
        scene.instantiate(type->name, needsTransform ? type->name + "Shape1" : std::string(), &status);
    if (!node)
        return failedCreation(status, ReturnStatus);

    if (transform)
        record(std::make_unique<CreateNodeEdit>(transform, nullptr));
    record(std::make_unique<CreateNodeEdit>(node, transform ? transform : parentNode));
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    return transform ? transform->handle() : node->handle();
}

MStatus MDagModifier::reparentNode(const MObject& node, const MObject& newParent)
{
    std::shared_ptr<Node> child = objectAs<Node>(node);
    std::shared_ptr<Node> parent = objectAs<Node>(newParent);
    if (!isDagNode(child) || (!newParent.isNull() && !isDagNode(parent)))
        return MStatus::kInvalidParameter;
    return record(std::make_unique<ReparentNodeEdit>(child, parent));
}
