#pragma once

#include "session/PluginLoader.h"

#include <string>

namespace kavo::host::session {

// The host application's own services, for the command-line host and the
// tests: plug-ins, the idle queue and the scene.
class Host
{
public:
    // Sets the process's allocator up as the host application's: the blocks
    // of many megabytes that every evaluation allocates and frees (a
    // geometry's points, a pass's arrays) are kept for reuse rather than
    // handed back to the system, which would map fresh zero-filled pages for
    // the next one, a page fault per 4 kB. Called first thing in main.
    static void configureAllocator();

    static PluginOutcome loadPlugin(const std::string& path);
    static PluginOutcome unloadPlugin(const std::string& path);
    static bool isPluginLoaded(const std::string& path);
    // The MApiVersion text of the loaded plug-in, empty when it is not loaded.
    static std::string pluginApiVersion(const std::string& path);

    // Runs the commands queued for idle time; call it whenever evaluation is
    // over. Answers how many ran.
    static unsigned int runIdleQueue();

    // An empty scene: every node removed, queued idle commands dropped and the
    // evaluation manager's record cleared.
    static void resetScene();
};

} // namespace kavo::host::session
