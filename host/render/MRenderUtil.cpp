#include "graph/Node.h"
#include "graph/Scene.h"
#include "render/TextureSampler.h"

#include <maya/MRenderUtil.h>

#include <iostream>
#include <string>

using kavo::host::graph::Node;
using kavo::host::graph::Scene;
using kavo::host::render::TextureSampler;

namespace {

MStatus refuse(MStatus::MStatusCode code, const std::string& reason)
{
    std::cerr << "sampleShadingNetwork: " << reason << '\n';
    return code;
}

// The sample's coordinate, 0 when none was given for it.
float coordinate(const MFloatArray* coordinates, unsigned int sample)
{
    return coordinates && sample < coordinates->length() ? (*coordinates)[sample] : 0.0f;
}

} // namespace

// Only 2-D textures are evaluated, at each sample's (u, v): the positions,
// normals, tangents, filter sizes and the camera do not change their colour,
// and they cast no shadows.
MStatus MRenderUtil::sampleShadingNetwork(MString shadingNodeName, int numSamples, bool, bool, MFloatMatrix&,
                                          MFloatPointArray*, MFloatArray* uCoords, MFloatArray* vCoords,
                                          MFloatVectorArray*, MFloatPointArray*, MFloatVectorArray*, MFloatVectorArray*,
                                          MFloatArray*, MFloatVectorArray& resultColors,
                                          MFloatVectorArray& resultTransparencies)
{
    if (numSamples < 0)
        return refuse(MStatus::kInvalidParameter, "a negative number of samples (" + std::to_string(numSamples) + ").");
    const std::string name = shadingNodeName.asChar();
    const std::string nodeName = name.substr(0, name.find('.'));
    const std::string attributeName = nodeName.size() < name.size() ? name.substr(nodeName.size() + 1) : "";
    Node* node = Scene::instance().findNode(nodeName);
    if (!node)
        return refuse(MStatus::kInvalidParameter, "no node named \"" + nodeName + "\".");
    if (!attributeName.empty() && !node->type().findAttribute(attributeName))
        return refuse(MStatus::kInvalidParameter,
                      "the node \"" + nodeName + "\" has no attribute \"" + attributeName + "\".");

    TextureSampler sampler;
    std::string reason;
    if (MStatus status = sampler.bind(*node, reason); !status)
        return refuse(status.statusCode(), reason);

    const unsigned int count = static_cast<unsigned int>(numSamples);
    resultColors.setLength(count);
    resultTransparencies.setLength(count);
    for (unsigned int sample = 0; sample < count; ++sample) {
        resultColors[sample] = sampler.colorAt(coordinate(uCoords, sample), coordinate(vCoords, sample));
        resultTransparencies[sample] = MFloatVector::zero;
    }
    return MStatus::kSuccess;
}
