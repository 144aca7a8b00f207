#include "session/Host.h"

#include "graph/EvaluationManager.h"
#include "graph/IdleQueue.h"
#include "graph/Scene.h"

namespace kavo::host::session {

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
