#pragma once

// The deformer types the geometry tests define, registered with the host the
// way a plug-in registers its nodes.

#include "graph/NodeTypeRegistry.h"

#include <maya/MPxNode.h>
#include <maya/MTypeId.h>

namespace kavo::test {

// Registers the deformer type once for the whole test program: the registry
// outlives every scene reset, and refuses a name it already holds.
template <class Deformer>
void registerDeformerType(const char* name, unsigned int id)
{
    host::graph::NodeTypeRegistry& registry = host::graph::NodeTypeRegistry::instance();
    if (!registry.find(name))
        registry.registerPluginType(name, MTypeId(id), Deformer::creator, Deformer::initialize, MPxNode::kDeformerNode);
}

} // namespace kavo::test
