// The host's 2-D texture node types "file", "checker" and "ramp" under their
// abstract base "texture2d"; see TextureNodeTypes.h for the attributes.
#include "render/TextureNodeTypes.h"

#include "graph/NodeTypeRegistry.h"
#include "graph/Scene.h"
#include "render/TextureSampler.h"

#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>

#include <iostream>

namespace kavo::host::render {
namespace {

namespace names = texture_attributes;
using graph::Attribute;
using graph::Node;
using graph::objectAs;
using graph::PlugPath;
using graph::Scene;
using graph::Slot;

class TextureNode : public MPxNode
{
public:
    static void* creator() { return new TextureNode; }
};

// Set by the base type's initializer, which runs before those of its
// subtypes: they declare what affects these.
MObject outColor;
MObject outTransparency;

MObject createColor(const char* longName, const char* shortName, float r, float g, float b)
{
    MFnNumericAttribute numeric;
    MObject color = numeric.createColor(longName, shortName);
    numeric.setDefault(r, g, b);
    return color;
}

MObject createOutput(const char* longName, const char* shortName)
{
    MObject output = createColor(longName, shortName, 0.0f, 0.0f, 0.0f);
    MFnNumericAttribute numeric(output);
    numeric.setWritable(false);
    numeric.setStorable(false);
    return output;
}

// Adds the inputs and makes each of them affect both outputs.
MStatus addInputs(std::initializer_list<const MObject*> inputs)
{
    for (const MObject* input : inputs) {
        if (MStatus status = MPxNode::addAttribute(*input); !status)
            return status;
        MPxNode::attributeAffects(*input, outColor);
        MPxNode::attributeAffects(*input, outTransparency);
    }
    return MStatus::kSuccess;
}

MStatus initializeTexture2d()
{
    MFnNumericAttribute numeric;
    MObject u = numeric.create(names::kUCoord, "u", MFnNumericData::kFloat, 0.0);
    MObject v = numeric.create(names::kVCoord, "v", MFnNumericData::kFloat, 0.0);
    MObject uv = numeric.create(names::kUvCoord, "uv", u, v);
    outColor = createOutput(names::kOutColor, "oc");
    outTransparency = createOutput(names::kOutTransparency, "ot");
    MPxNode::addAttribute(outColor);
    MPxNode::addAttribute(outTransparency);
    return addInputs({&uv});
}

MStatus initializeFile()
{
    MFnTypedAttribute typed;
    MObject name = typed.create(names::kFileTextureName, "ftn", MFnData::kString);
    return addInputs({&name});
}

MStatus initializeChecker()
{
    MObject color1 = createColor(names::kColor1, "c1", 1.0f, 1.0f, 1.0f);
    MObject color2 = createColor(names::kColor2, "c2", 0.0f, 0.0f, 0.0f);
    return addInputs({&color1, &color2});
}

MStatus initializeRamp()
{
    MFnNumericAttribute numeric;
    MObject position = numeric.create(names::kPosition, "ep", MFnNumericData::kFloat, 0.0);
    MObject color = createColor(names::kColor, "ec", 0.0f, 0.0f, 0.0f);
    MFnCompoundAttribute compound;
    MObject entries = compound.create(names::kColorEntryList, "cel");
    compound.addChild(position);
    compound.addChild(color);
    compound.setArray(true);
    return addInputs({&entries});
}

void storeColor(Node& node, const MObject& attribute, const MFloatVector& color)
{
    Slot* slot = node.slot(PlugPath{objectAs<Attribute>(attribute).get(), {}}, true);
    for (unsigned int k = 0; k < 3 && k < slot->children.size(); ++k) {
        slot->children[k].value = color[k];
        slot->children[k].dirty = false;
    }
}

double storedNumber(Node& node, const char* attributeName)
{
    const Attribute* attribute = node.type().findAttribute(attributeName);
    return graph::numericValue(Scene::instance().evaluate(node, PlugPath{attribute, {}})->value);
}

// outColor is the texture at uvCoord; an image that cannot be read gives
// black, with the reason on standard error.
MStatus computeOutputs(Node& node, const PlugPath& plug)
{
    const bool color = objectAs<Attribute>(outColor)->contains(plug.attribute);
    const bool transparency = objectAs<Attribute>(outTransparency)->contains(plug.attribute);
    if (!color && !transparency)
        return MStatus::kUnknownParameter;
    storeColor(node, outTransparency, MFloatVector::zero);
    if (transparency)
        return MStatus::kSuccess;

    TextureSampler sampler;
    std::string error;
    MFloatVector result = MFloatVector::zero;
    if (sampler.bind(node, error))
        result = sampler.colorAt(storedNumber(node, names::kUCoord), storedNumber(node, names::kVCoord));
    else
        std::cerr << error << '\n';
    storeColor(node, outColor, result);
    return MStatus::kSuccess;
}

graph::TypeAnnouncement texture2d{{"texture2d", "dependNode", MTypeId(), MPxNode::kDependNode, MFn::kShadingNode,
                                   nullptr, initializeTexture2d, false, false, computeOutputs}};
graph::TypeAnnouncement file{{"file", "texture2d", MTypeId(0x52544654), MPxNode::kDependNode, MFn::kFileTexture,
                              TextureNode::creator, initializeFile}};
graph::TypeAnnouncement checker{{"checker", "texture2d", MTypeId(0x5254434b), MPxNode::kDependNode, MFn::kChecker,
                                 TextureNode::creator, initializeChecker}};
graph::TypeAnnouncement ramp{
    {"ramp", "texture2d", MTypeId(0x5254524d), MPxNode::kDependNode, MFn::kRamp, TextureNode::creator, initializeRamp}};

} // namespace
} // namespace kavo::host::render
