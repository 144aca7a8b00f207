// The host library exports no version text of its own: MApiVersion belongs
// to the plug-in that includes MFnPlugin.h.
#define MNoVersionString
#include <maya/MFnPlugin.h>

#include "graph/Faults.h"
#include "graph/NodeTypeRegistry.h"
#include "graph/Plugin.h"

using kavo::host::graph::Faults;
using kavo::host::graph::NodeTypeRegistry;
using kavo::host::graph::objectAs;
using kavo::host::graph::Plugin;

namespace {

std::string textOf(const char* text)
{
    return text ? std::string(text) : std::string();
}

} // namespace

MFnPlugin::MFnPlugin() = default;

MFnPlugin::MFnPlugin(MObject& object, const char* vendor, const char* version, const char* requiredApiVersion,
                     MStatus* ReturnStatus)
{
    std::shared_ptr<Plugin> plugin = objectAs<Plugin>(object);
    if (plugin) {
        m_object = object;
        plugin->setIdentity(textOf(vendor), textOf(version), textOf(requiredApiVersion));
    }
    if (ReturnStatus)
        *ReturnStatus = plugin ? MStatus::kSuccess : MStatus::kInvalidParameter;
}

MFnPlugin::~MFnPlugin() = default;

MFn::Type MFnPlugin::type() const
{
    return MFn::kPlugin;
}

// The classification only places a type in the host's user interface, which
// the stand-in host does not have.
MStatus MFnPlugin::registerNode(const MString& typeName, const MTypeId& typeId, MCreatorFunction creatorFunction,
                                MInitializeFunction initFunction, MPxNode::Type type, const MString*)
{
    if (auto fault = Faults::check("registerNode"))
        return *fault;
    std::shared_ptr<Plugin> plugin = objectAs<Plugin>(m_object);
    if (!plugin)
        return MStatus::kFailure;
    MStatus status =
        NodeTypeRegistry::instance().registerPluginType(typeName.asChar(), typeId, creatorFunction, initFunction, type);
    if (status)
        plugin->addRegisteredType(typeId);
    return status;
}

// A plug-in removes only the types it registered itself.
MStatus MFnPlugin::deregisterNode(const MTypeId& typeId)
{
    if (auto fault = Faults::check("deregisterNode"))
        return *fault;
    std::shared_ptr<Plugin> plugin = objectAs<Plugin>(m_object);
    if (!plugin)
        return MStatus::kFailure;
    if (!plugin->hasRegistered(typeId))
        return MStatus::kInvalidParameter;
    MStatus status = NodeTypeRegistry::instance().deregisterPluginType(typeId);
    if (status)
        plugin->removeRegisteredType(typeId);
    return status;
}
