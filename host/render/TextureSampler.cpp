#include "graph/Node.h"
#include "graph/Scene.h"

#include "render/TextureNodeTypes.h"
#include "render/TextureSampler.h"

namespace kavo::host::render {

namespace {

namespace names = texture_attributes;
using namespace graph;

// The attribute's storage on the node, brought up to date.
Slot* evaluated(Node& node, const char* attributeName)
{
    const graph::Attribute* attribute = node.type().findAttribute(attributeName);
    return attribute ? Scene::instance().evaluate(node, PlugPath{attribute, {}}) : nullptr;
}

// A colour compound's three children as a vector; black when it is missing.
MFloatVector colorIn(const Slot* slot)
{
    MFloatVector color = MFloatVector::zero;
    for (unsigned int k = 0; slot && k < 3 && k < slot->children.size(); ++k)
        color[k] = float(graph::numericValue(slot->children[k].value));
    return color;
}

} // namespace

MStatus TextureSampler::bind(Node& node, std::string& errorMessage)
{
    m_pattern = std::monostate();
    if (node.hasFn(MFn::kFileTexture))
        return bindFile(node, errorMessage);
    if (node.hasFn(MFn::kChecker))
        bindChecker(node);
    else if (node.hasFn(MFn::kRamp))
        bindRamp(node);
    else {
        errorMessage = "\"" + node.name() + "\" is a " + node.type().name + " node, not a 2-D texture.";
        return MStatus::kInvalidParameter;
    }
    return MStatus::kSuccess;
}

MStatus TextureSampler::bindFile(Node& node, std::string& errorMessage)
{
    Slot* name = evaluated(node, names::kFileTextureName);
    const MString* path = name ? std::get_if<MString>(&name->value) : nullptr;
    if (!path || path->length() == 0) {
        errorMessage = "The file texture \"" + node.name() + "\" names no image file.";
        return MStatus::kFailure;
    }
    TextureImage image;
    std::string reason;
    if (MStatus status = image.read(path->asChar(), reason); !status) {
        errorMessage = "The file texture \"" + node.name() + "\" cannot be sampled: " + reason;
        return MStatus::kFailure;
    }
    m_pattern = std::move(image);
    return MStatus::kSuccess;
}

void TextureSampler::bindChecker(Node& node)
{
    m_pattern = CheckerPattern(colorIn(evaluated(node, names::kColor1)), colorIn(evaluated(node, names::kColor2)));
}

void TextureSampler::bindRamp(Node& node)
{
    RampPattern ramp;
    const Attribute* position = node.type().findAttribute(names::kPosition);
    const Attribute* color = node.type().findAttribute(names::kColor);
    if (Slot* entries = evaluated(node, names::kColorEntryList)) {
        for (auto& [index, entry] : entries->elements) {
            const Slot* at = entry.child(position);
            ramp.addEntry(at ? float(graph::numericValue(at->value)) : 0.0f, colorIn(entry.child(color)));
        }
    }
    m_pattern = std::move(ramp);
}

MFloatVector TextureSampler::colorAt(double u, double v) const
{
    return std::visit(
        [u, v](const auto& pattern) -> MFloatVector {
            using Pattern = std::decay_t<decltype(pattern)>;
            if constexpr (std::is_same_v<Pattern, std::monostate>)
                return MFloatVector::zero;
            else if constexpr (std::is_same_v<Pattern, TextureImage>)
                return pattern.lookup(u, v);
            else
                return pattern.colorAt(u, v);
        },
        m_pattern);
}

} // namespace kavo::host::render
