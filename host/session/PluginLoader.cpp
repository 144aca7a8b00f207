#include "session/PluginLoader.h"

#include "graph/NodeTypeRegistry.h"
#include "graph/Plugin.h"
#include "graph/Scene.h"
#include "graph/UnplacedNodes.h"

#include <maya/MString.h>

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <optional>

namespace kavo::host::session {
namespace {

// "201500"; anything longer than this is not a version text.
constexpr size_t kLongestVersion = 15;

std::string canonicalPath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    return error ? path : canonical.string();
}

std::string dlerrorText()
{
    const char* text = dlerror();
    return text ? text : "unknown error";
}

std::string describe(const MStatus& status)
{
    return status.errorString().asChar();
}

// The exported version text, if it is one: a few decimal digits.
std::optional<std::string> versionText(const void* symbol)
{
    const char* text = static_cast<const char*>(symbol);
    const size_t length = strnlen(text, kLongestVersion + 1);
    if (length == 0 || length > kLongestVersion)
        return std::nullopt;
    const std::string version(text, length);
    if (!std::all_of(version.begin(), version.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    return version;
}

// Plug-ins declare their entry points as plain C++ functions, so they are
// exported under their C++ names; one declared extern "C" is found too.
LoadedPlugin::EntryPoint findEntryPoint(void* library, const char* cxxName, const char* plainName)
{
    void* symbol = dlsym(library, cxxName);
    if (!symbol)
        symbol = dlsym(library, plainName);
    return reinterpret_cast<LoadedPlugin::EntryPoint>(symbol);
}

// An entry point that throws has failed; the exception stops here.
MStatus call(LoadedPlugin::EntryPoint entry, const std::shared_ptr<graph::Plugin>& plugin)
{
    try {
        return entry(MObject(plugin));
    } catch (...) {
        return MStatus::kFailure;
    }
}

std::string registeredTypeNames(const graph::Plugin& plugin)
{
    std::string names;
    for (const MTypeId& id : plugin.registeredTypes()) {
        std::shared_ptr<const graph::NodeType> type = graph::NodeTypeRegistry::instance().find(id);
        names += (names.empty() ? "" : ", ") + (type ? type->name : std::to_string(id.id()));
    }
    return names;
}

} // namespace

PluginLoader& PluginLoader::instance()
{
    static PluginLoader loader;
    return loader;
}

const LoadedPlugin* PluginLoader::find(const std::string& path) const
{
    const std::string canonical = canonicalPath(path);
    auto found = std::find_if(m_plugins.begin(), m_plugins.end(),
                              [&](const LoadedPlugin& loaded) { return loaded.path == canonical; });
    return found == m_plugins.end() ? nullptr : &*found;
}

PluginOutcome PluginLoader::load(const std::string& path)
{
    const std::string canonical = canonicalPath(path);
    if (find(canonical))
        return {MStatus::kFailure, "plug-in already loaded: " + canonical};
    std::error_code error;
    if (!std::filesystem::is_regular_file(canonical, error))
        return {MStatus::kNotFound, "no plug-in file at " + path};

    dlerror();
    void* library = dlopen(canonical.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return {MStatus::kFailure, "cannot load plug-in " + canonical + ": " + dlerrorText()};
    auto refuse = [&](const std::string& reason) {
        dlclose(library);
        return PluginOutcome{MStatus::kFailure, "cannot load plug-in " + canonical + ": " + reason};
    };

    const void* version = dlsym(library, "MApiVersion");
    if (!version)
        return refuse("it does not export MApiVersion");
    std::optional<std::string> versionNumber = versionText(version);
    if (!versionNumber)
        return refuse("its MApiVersion is not an API version number");
    LoadedPlugin::EntryPoint initializePlugin =
        findEntryPoint(library, "_Z16initializePlugin7MObject", "initializePlugin");
    LoadedPlugin::EntryPoint uninitializePlugin =
        findEntryPoint(library, "_Z18uninitializePlugin7MObject", "uninitializePlugin");
    if (!initializePlugin)
        return refuse("it does not export initializePlugin");
    if (!uninitializePlugin)
        return refuse("it does not export uninitializePlugin");

    LoadedPlugin loaded;
    loaded.path = canonical;
    loaded.library = library;
    loaded.apiVersion = *versionNumber;
    loaded.plugin = std::make_shared<graph::Plugin>(canonical);
    loaded.uninitialize = uninitializePlugin;
    return initialize(std::move(loaded), initializePlugin);
}

// A plug-in whose initializePlugin fails after registering node types keeps
// its library open: closing it would leave those types pointing at code
// that is gone. Unloading it later removes them.
PluginOutcome PluginLoader::initialize(LoadedPlugin loaded, LoadedPlugin::EntryPoint initializePlugin)
{
    const MStatus status = call(initializePlugin, loaded.plugin);
    if (status) {
        m_plugins.push_back(std::move(loaded));
        return {};
    }
    const std::string failure = "initializePlugin of " + loaded.path + " failed " + describe(status);
    if (loaded.plugin->registeredTypes().empty()) {
        dlclose(loaded.library);
        return {status, failure};
    }
    const std::string names = registeredTypeNames(*loaded.plugin);
    m_plugins.push_back(std::move(loaded));
    return {status, failure + "; it stays loaded while the node types it registered remain: " + names};
}

PluginOutcome PluginLoader::unload(const std::string& path)
{
    const LoadedPlugin* found = find(path);
    if (!found)
        return {MStatus::kInvalidParameter, "plug-in not loaded: " + path};
    const LoadedPlugin loaded = *found;
    if (PluginOutcome refusal = refuseWhileNodesExist(loaded); !refusal.succeeded())
        return refusal;

    const MStatus status = call(loaded.uninitialize, loaded.plugin);
    const std::string failure = "uninitializePlugin of " + loaded.path + " failed " + describe(status);
    if (!loaded.plugin->registeredTypes().empty()) {
        const std::string reason =
            status ? "uninitializePlugin of " + loaded.path + " left node types registered" : failure;
        return {status ? MStatus(MStatus::kFailure) : status,
                reason + "; it stays loaded while they remain: " + registeredTypeNames(*loaded.plugin)};
    }

    m_plugins.erase(
        std::find_if(m_plugins.begin(), m_plugins.end(), [&](const LoadedPlugin& p) { return p.path == loaded.path; }));
    dlerror();
    const bool closed = dlclose(loaded.library) == 0;
    if (!status)
        return {status, failure + "; the library was closed, as none of its node types remain"};
    if (!closed)
        return {MStatus::kFailure, "closing " + loaded.path + " failed: " + dlerrorText()};
    return {};
}

PluginOutcome PluginLoader::refuseWhileNodesExist(const LoadedPlugin& loaded) const
{
    graph::Scene& scene = graph::Scene::instance();
    for (const MTypeId& id : loaded.plugin->registeredTypes()) {
        std::shared_ptr<const graph::NodeType> type = graph::NodeTypeRegistry::instance().find(id);
        if (!type)
            continue;
        const std::string refusal = "cannot unload " + loaded.path + ": ";
        if (const size_t inScene = scene.countNodesOfType(*type); inScene > 0)
            return {MStatus::kFailure,
                    refusal + std::to_string(inScene) + " node(s) of type " + type->name + " are in the scene"};
        // Destroying such a node runs the plug-in's code.
        if (const size_t unplaced = graph::UnplacedNodes::instance().countOfType(*type); unplaced > 0)
            return {MStatus::kFailure, refusal + std::to_string(unplaced) + " node(s) of type " + type->name +
                                           " are held by a modifier whose doIt has not run"};
    }
    return {};
}

} // namespace kavo::host::session
