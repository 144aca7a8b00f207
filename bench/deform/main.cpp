// The deform-pass benchmarks run against the plug-in as the host loads it:
// from its library, through initializePlugin, never linked in.
#include "session/Host.h"

#include <benchmark/benchmark.h>

#include <iostream>

int main(int argc, char** argv)
{
    kavo::host::session::Host::configureAllocator();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    const kavo::host::session::PluginOutcome loaded = kavo::host::session::Host::loadPlugin(KAVO_PLUGIN_PATH);
    if (!loaded.succeeded()) {
        std::cerr << "cannot load " << KAVO_PLUGIN_PATH << ": " << loaded.message << '\n';
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // The deformers go while the plug-in's code is still there to destroy them.
    kavo::host::session::Host::resetScene();
    return 0;
}
