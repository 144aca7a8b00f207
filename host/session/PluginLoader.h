#pragma once

#include "graph/GraphFwd.h"

#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <memory>
#include <string>
#include <vector>

namespace kavo::host::session {

// What a load or unload came to: the status, and for a failure a message
// saying what went wrong, fit to show the user.
struct PluginOutcome
{
    MStatus status;
    std::string message;

    bool succeeded() const { return status == MStatus::kSuccess; }
};

// A plug-in library the host has open.
struct LoadedPlugin
{
    using EntryPoint = MStatus (*)(MObject);

    std::string path;        // canonical
    void* library = nullptr; // the dlopen handle
    std::string apiVersion;  // the exported MApiVersion text
    std::shared_ptr<graph::Plugin> plugin;
    EntryPoint uninitialize = nullptr;
};

// Opens plug-in libraries and closes them again, the host's way: the library
// must export MApiVersion, initializePlugin and uninitializePlugin; loading
// calls initializePlugin, unloading uninitializePlugin. A library is closed
// only while none of its node types is registered, since their creators
// and attribute code live in it.
class PluginLoader
{
public:
    static PluginLoader& instance();

    PluginOutcome load(const std::string& path);
    // Refused while nodes of the plug-in's types are in the scene or held by
    // a modifier that has not placed them yet.
    PluginOutcome unload(const std::string& path);

    // The loaded plug-in at this path, or null.
    const LoadedPlugin* find(const std::string& path) const;

private:
    PluginLoader() = default;
    PluginOutcome initialize(LoadedPlugin loaded, LoadedPlugin::EntryPoint initializePlugin);
    PluginOutcome refuseWhileNodesExist(const LoadedPlugin& loaded) const;

    // Plug-ins are never closed at exit: nodes destroyed with the scene then
    // still run their code.
    std::vector<LoadedPlugin> m_plugins;
};

} // namespace kavo::host::session
