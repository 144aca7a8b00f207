// The host's "transform" node: translate, rotate (XYZ order, stored in
// radians, shown in degrees) and scale, composed into "matrix"; its world
// matrix follows from its parents (see DagMatrices).
#include "graph/NodeTypeRegistry.h"
#include "graph/Scene.h"

#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MTransformationMatrix.h>

#include <array>

namespace kavo::host::graph {
namespace {

// Nothing of the transform is computed by a behaviour object.
class TransformNode : public MPxNode
{
public:
    static void* creator() { return new TransformNode; }
};

MObject makeVector(MFnNumericAttribute& numeric, const char* longName, const char* shortName, double value)
{
    const std::string name = longName;
    const std::string brief = shortName;
    MObject x = numeric.create((name + "X").c_str(), (brief + "x").c_str(), MFnNumericData::kDouble, value);
    numeric.setKeyable(true);
    MObject y = numeric.create((name + "Y").c_str(), (brief + "y").c_str(), MFnNumericData::kDouble, value);
    numeric.setKeyable(true);
    MObject z = numeric.create((name + "Z").c_str(), (brief + "z").c_str(), MFnNumericData::kDouble, value);
    numeric.setKeyable(true);
    return numeric.create(longName, shortName, x, y, z);
}

MObject makeAngles(MFnNumericAttribute& numeric, MFnUnitAttribute& unit)
{
    MObject x = unit.create("rotateX", "rx", MFnUnitAttribute::kAngle, 0.0);
    unit.setKeyable(true);
    MObject y = unit.create("rotateY", "ry", MFnUnitAttribute::kAngle, 0.0);
    unit.setKeyable(true);
    MObject z = unit.create("rotateZ", "rz", MFnUnitAttribute::kAngle, 0.0);
    unit.setKeyable(true);
    return numeric.create("rotate", "r", x, y, z);
}

MStatus initializeTransform()
{
    MFnNumericAttribute numeric;
    MFnUnitAttribute unit;
    MFnMatrixAttribute matrixAttribute;
    MObject translate = makeVector(numeric, "translate", "t", 0.0);
    MObject rotate = makeAngles(numeric, unit);
    MObject scale = makeVector(numeric, "scale", "s", 1.0);
    MObject matrix = matrixAttribute.create("matrix", "m");
    matrixAttribute.setStorable(false);
    matrixAttribute.setWritable(false);
    for (const MObject* attribute : {&translate, &rotate, &scale, &matrix})
        MPxNode::addAttribute(*attribute);
    NodeType* type = NodeTypeRegistry::instance().typeBeingInitialized();
    const Attribute* world = type->findAttribute("worldMatrix");
    const Attribute* worldInverse = type->findAttribute("worldInverseMatrix");
    for (const MObject* cause : {&translate, &rotate, &scale})
        for (const MObject* effect : {&matrix})
            MPxNode::attributeAffects(*cause, *effect);
    type->addAffects(objectAs<Attribute>(matrix).get(), world);
    type->addAffects(objectAs<Attribute>(matrix).get(), worldInverse);
    return MStatus::kSuccess;
}

std::array<double, 3> vectorValue(Node& node, const char* name)
{
    const Attribute* attribute = node.type().findAttribute(name);
    Slot* slot = Scene::instance().evaluate(node, PlugPath{attribute, {}});
    std::array<double, 3> value = {0.0, 0.0, 0.0};
    for (size_t k = 0; k < 3 && k < slot->children.size(); ++k)
        value[k] = numericValue(slot->children[k].value);
    return value;
}

MStatus computeMatrix(Node& node, const PlugPath& plug)
{
    if (plug.attribute->longName != "matrix")
        return MStatus::kUnknownParameter;
    MTransformationMatrix transformation;
    const std::array<double, 3> scale = vectorValue(node, "scale");
    const std::array<double, 3> rotation = vectorValue(node, "rotate");
    const std::array<double, 3> translation = vectorValue(node, "translate");
    transformation.setScale(scale.data(), MSpace::kTransform);
    transformation.setRotation(rotation.data(), MTransformationMatrix::kXYZ);
    transformation.setTranslation(MVector(translation.data()), MSpace::kTransform);
    node.slot(plug, true)->value = transformation.asMatrix();
    return MStatus::kSuccess;
}

TypeAnnouncement transform{{"transform", "dagNode", MTypeId(0x5846524d), MPxNode::kTransformNode, MFn::kTransform,
                            TransformNode::creator, initializeTransform, true, false, computeMatrix}};

} // namespace
} // namespace kavo::host::graph
