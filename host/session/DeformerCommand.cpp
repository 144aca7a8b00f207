#include "session/DeformerCommand.h"

#include "geometry/GeometryData.h"
#include "geometry/GeometryShape.h"
#include "graph/AttributeHandles.h"
#include "graph/Data.h"
#include "graph/NodeTypeRegistry.h"
#include "graph/Scene.h"
#include "session/GeometryShapes.h"

#include <maya/MDagModifier.h>
#include <maya/MPlug.h>
#include <maya/MPxDeformerNode.h>

namespace kavo::host::session {

using geometry::GeometryPlugs;
using geometry::geometryPlugsOf;
using namespace graph;

namespace {

DeformerOutcome failure(MStatus status, const std::string& message)
{
    DeformerOutcome outcome;
    outcome.status = status;
    outcome.message = "deformer: " + message;
    return outcome;
}

MPlug plugOf(Node& node, const PlugPath& plug)
{
    return MPlug(node.handle(), graph::attributeHandle(plug.attribute), plug.indices);
}

MPlug inputPlugOf(Node& shape)
{
    return plugOf(shape, PlugPath{geometryPlugsOf(shape.type()).input, {}});
}

MPlug outputPlugOf(Node& shape)
{
    return plugOf(shape, PlugPath{geometryPlugsOf(shape.type()).output, {}});
}

// The geometry shape of every name, or a failure naming the first that has
// none.
DeformerOutcome findShapes(const std::vector<std::string>& geometry, std::vector<Node*>& shapes)
{
    if (geometry.empty())
        return failure(MStatus::kInvalidParameter, "no geometry given");
    for (const std::string& name : geometry) {
        Node* shape = GeometryShapes::find(name);
        if (!shape)
            return failure(MStatus::kInvalidParameter, "\"" + name + "\" names no deformable geometry");
        if (!shape->dagParent())
            return failure(MStatus::kInvalidParameter, "\"" + name + "\" has no transform");
        shapes.push_back(shape);
    }
    return DeformerOutcome();
}

// Records the edits that put the deformer's index `index` between the
// shape and a new Orig shape; answers the Orig node.
MObject recordInsertion(MDagModifier& edits, Node& shape, MObject& deformer, unsigned int index, MStatus& status)
{
    MObject original = edits.createNode(MString(shape.type().name.c_str()), shape.dagParent()->handle(), &status);
    if (!status)
        return MObject();
    Node& originalNode = *graph::objectAs<Node>(original);
    MPlug shapeInput = inputPlugOf(shape);
    status = edits.renameNode(original, MString((shape.name() + "Orig").c_str()));
    const PlugPath inputPath{geometryPlugsOf(shape.type()).input, {}};
    for (const graph::Connection& feed : Scene::instance().incoming(shape, inputPath)) {
        MPlug source = plugOf(*feed.source, feed.sourcePlug);
        if (status)
            status = edits.disconnect(source, shapeInput);
        if (status)
            status = edits.connect(source, inputPlugOf(originalNode));
    }
    MPlug deformerInput = MPlug(deformer, MPxDeformerNode::input).elementByLogicalIndex(index);
    MPlug deformerOutput = MPlug(deformer, MPxDeformerNode::outputGeom).elementByLogicalIndex(index);
    if (status)
        status = edits.connect(outputPlugOf(originalNode), deformerInput.child(MPxDeformerNode::inputGeom));
    if (status)
        status = edits.connect(deformerOutput, shapeInput);
    return original;
}

// Marks the Orig intermediate and, unless something feeds it, gives it a
// copy of the geometry the shape stored, with the components as the object
// group `groupId`.
MStatus fillOriginal(Node& original, const MObject& storedGeometry, const DeformerCommand::Components& components,
                     unsigned int groupId)
{
    Scene& scene = Scene::instance();
    const GeometryPlugs plugs = geometryPlugsOf(original.type());
    MStatus status;
    if (const graph::Attribute* intermediate = original.type().findAttribute("intermediateObject"))
        status = scene.setValue(original, PlugPath{intermediate, {}}, true);
    const auto data = graph::objectAs<graph::Data>(storedGeometry);
    if (status && data && scene.incoming(original, PlugPath{plugs.input, {}}).empty()) {
        const std::shared_ptr<graph::Data> copy = data->clone();
        if (components)
            std::static_pointer_cast<geometry::GeometryData>(copy)->setObjectGroup(groupId, *components);
        status = scene.setValue(original, PlugPath{plugs.input, {}}, MObject(copy));
    }
    return status;
}

MObject storedGeometryOf(Node& shape)
{
    const graph::Slot* slot = shape.rootSlot(geometryPlugsOf(shape.type()).input, false);
    const MObject* held = slot ? std::get_if<MObject>(&slot->value) : nullptr;
    return held ? *held : MObject();
}

// Components go into the geometry the shape stores: a shape fed by another
// node has none to put them in.
DeformerOutcome checkComponents(Node& shape, const std::vector<unsigned int>& components)
{
    const auto data = graph::objectAs<geometry::GeometryData>(storedGeometryOf(shape));
    const bool fed = !Scene::instance().incoming(shape, PlugPath{geometryPlugsOf(shape.type()).input, {}}).empty();
    if (!data || fed)
        return failure(MStatus::kInvalidParameter, "points of \"" + shape.name() + "\" need geometry stored on it");
    for (unsigned int component : components)
        if (component >= data->pointCount())
            return failure(MStatus::kInvalidParameter,
                           "\"" + shape.name() + "\" has no point " + std::to_string(component));
    return DeformerOutcome();
}

// Lets the deformer record its accessory nodes and carries them out.
MStatus setUpAccessory(Node& deformer)
{
    auto* behaviour = dynamic_cast<MPxDeformerNode*>(deformer.behaviour());
    if (!behaviour || behaviour->accessoryAttribute().isNull())
        return MStatus::kSuccess;
    MDagModifier accessoryEdits;
    MStatus status = behaviour->accessoryNodeSetup(accessoryEdits);
    if (status)
        status = accessoryEdits.doIt();
    if (!status)
        accessoryEdits.undoIt();
    return status;
}

} // namespace

DeformerOutcome DeformerCommand::run(const std::string& deformerType, const std::vector<std::string>& geometry,
                                     const std::vector<Components>& components)
{
    std::vector<Node*> shapes;
    DeformerOutcome found = findShapes(geometry, shapes);
    if (!found.succeeded())
        return found;
    if (components.size() > shapes.size())
        return failure(MStatus::kInvalidParameter, "points given for more geometry than named");
    for (size_t k = 0; k < components.size(); ++k) {
        if (!components[k])
            continue;
        DeformerOutcome checked = checkComponents(*shapes[k], *components[k]);
        if (!checked.succeeded())
            return checked;
    }
    const auto type = graph::NodeTypeRegistry::instance().find(deformerType);
    if (!type || type->kind != MPxNode::kDeformerNode || !type->creator)
        return failure(MStatus::kInvalidParameter, "\"" + deformerType + "\" is no deformer type");

    MDagModifier edits;
    MStatus status;
    MObject deformer = edits.MDGModifier::createNode(MString(deformerType.c_str()), &status);
    std::vector<MObject> originals;
    std::vector<MObject> storedGeometry;
    for (unsigned int index = 0; status && index < shapes.size(); ++index) {
        storedGeometry.push_back(storedGeometryOf(*shapes[index]));
        originals.push_back(recordInsertion(edits, *shapes[index], deformer, index, status));
    }
    if (status)
        status = edits.doIt();
    for (unsigned int k = 0; status && k < originals.size(); ++k) {
        // Each deformer set gets a group id of its own; 0, the default, names
        // none, so geometry deformed whole is walked whole.
        const Components none;
        const Components& points = k < components.size() ? components[k] : none;
        const unsigned int groupId = k + 1;
        status = fillOriginal(*graph::objectAs<Node>(originals[k]), storedGeometry[k], points, groupId);
        if (status && points)
            status = MPlug(deformer, MPxDeformerNode::input)
                         .elementByLogicalIndex(k)
                         .child(MPxDeformerNode::groupId)
                         .setValue(static_cast<int>(groupId));
    }
    if (status)
        status = setUpAccessory(*graph::objectAs<Node>(deformer));
    if (!status) {
        edits.undoIt();
        return failure(status, "could not put a \"" + deformerType + "\" on the geometry");
    }

    DeformerOutcome outcome;
    outcome.deformer = deformer;
    for (const MObject& original : originals)
        outcome.originalShapes.push_back(graph::objectAs<Node>(original)->name());
    return outcome;
}

} // namespace kavo::host::session
