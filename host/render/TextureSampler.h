#pragma once

// The colour of one of the host's 2-D texture nodes ("file", "checker",
// "ramp") over texture space. bind() reads the node's settings once (for a
// file texture, the whole image), so that many samples cost one lookup each.

#include "graph/GraphFwd.h"
#include "render/CheckerPattern.h"
#include "render/RampPattern.h"
#include "render/TextureImage.h"

#include <maya/MFloatVector.h>
#include <maya/MStatus.h>

#include <string>
#include <variant>

namespace kavo::host::render {

class TextureSampler
{
public:
    // Reads the node's settings. A node that is not a 2-D texture gives
    // kInvalidParameter, a file texture whose image cannot be read kFailure;
    // either way errorMessage says why, naming the node, and the sampler
    // stays black.
    MStatus bind(graph::Node& node, std::string& errorMessage);

    MFloatVector colorAt(double u, double v) const;

private:
    MStatus bindFile(graph::Node& node, std::string& errorMessage);
    void bindChecker(graph::Node& node);
    void bindRamp(graph::Node& node);

    std::variant<std::monostate, TextureImage, CheckerPattern, RampPattern> m_pattern;
};

} // namespace kavo::host::render
