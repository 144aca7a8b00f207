#include "session/Host.h"

#include "graph/EvaluationManager.h"
#include "graph/IdleQueue.h"
#include "graph/Scene.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace kavo::host::session {

void Host::configureAllocator()
{
#ifdef __GLIBC__
    // Blocks up to 32 MiB (a million points; the most glibc accepts) come
    // from the heap instead of a mapping of their own, and up to 256 MiB of
    // free memory at the heap's top stays in the process.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
#endif
}

PluginOutcome Host::loadPlugin(const std::string& path)
{
    return PluginLoader::instance().load(path);
}

PluginOutcome Host::unloadPlugin(const std::string& path)
{
    return PluginLoader::instance().unload(path);
}

bool Host::isPluginLoaded(const std::string& path)
{
    return PluginLoader::instance().find(path) != nullptr;
}

std::string Host::pluginApiVersion(const std::string& path)
{
    const LoadedPlugin* loaded = PluginLoader::instance().find(path);
    return loaded ? loaded->apiVersion : std::string();
}

unsigned int Host::runIdleQueue()
{
    return graph::IdleQueue::instance().run();
}

void Host::resetScene()
{
    graph::Scene::instance().clear();
    graph::IdleQueue::instance().clear();
    graph::EvaluationManager::instance().reset();
}

} // namespace kavo::host::session
