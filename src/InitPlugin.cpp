// The plug-in's entry points. This is the one source file that includes
// MFnPlugin.h, which defines the exported MApiVersion text.
#include "DeformKernel.h"
#include "NoiseDeformerNode.h"
#include "NoiseLocatorNode.h"

#include <maya/MFnPlugin.h>
#include <maya/MObject.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>

// Registers the deformer, then the locator. A deformer that cannot be
// registered stops the load; a locator that cannot leaves the deformer
// registered.
PLUGIN_EXPORT MStatus initializePlugin(MObject plugin)
{
    MStatus status = MStatus::kSuccess;
    MFnPlugin fnPlugin(plugin, "Kavo Studio, Inc.", "1.2", "Any");
    // The batch pass writes some of the host's arithmetic out itself; where
    // the host rounds it otherwise, only the literal pass gives its points.
    NoiseDeformerNode::m_passPath =
        DeformKernel::agreesWithHost() ? NoiseDeformerNode::PassPath::batch : NoiseDeformerNode::PassPath::literal;

    status = fnPlugin.registerNode("noiseDeformer", NoiseDeformerNode::m_id, NoiseDeformerNode::creator,
                                   NoiseDeformerNode::initialize, MPxNode::kDeformerNode);
    if (status != MStatus::kSuccess) {
        status.perror("registerNode NoiseDeformerNode");
        return status;
    }

    status = fnPlugin.registerNode("noiseLocator", NoiseLocatorNode::m_id, NoiseLocatorNode::creator,
                                   NoiseLocatorNode::initialize, MPxNode::kLocatorNode);
    if (status != MStatus::kSuccess)
        status.perror("registerNode NoiseLocatorNode");
    return status;
}

// Deregisters in the order of registration; a failure leaves the rest
// registered.
PLUGIN_EXPORT MStatus uninitializePlugin(MObject plugin)
{
    MStatus status = MStatus::kSuccess;
    MFnPlugin fnPlugin(plugin, "Unknown", "Unknown", "Any");

    status = fnPlugin.deregisterNode(NoiseDeformerNode::m_id);
    if (status != MStatus::kSuccess) {
        status.perror("deregisterNode NoiseDeformerNode");
        return status;
    }

    status = fnPlugin.deregisterNode(NoiseLocatorNode::m_id);
    if (status != MStatus::kSuccess)
        status.perror("deregisterNode NoiseLocatorNode");
    return status;
}
