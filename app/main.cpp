// kavo-deform: deforms geometry files and built-in examples with the
// KavoNoiseDeformer plug-in, loaded into the stand-in host.

#include "AppError.h"
#include "AttributeListing.h"
#include "CommandLine.h"
#include "DeformJob.h"
#include "DeformerScene.h"
#include "TemporaryFiles.h"

#include "graph/NodeTypeRegistry.h"
#include "session/Host.h"

#include <iostream>
#include <optional>

#ifdef KAVO_HAS_TBB
#include <tbb/global_control.h>
#endif

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

using kavo::app::AppError;

// A frame of a large mesh allocates and frees arrays of tens of megabytes
// several times over (the built mesh, the pass's copies, the writer's lists).
// By default the C library maps each afresh and returns it when freed, so
// every page is faulted in again: about a quarter of such a run. Kept in the
// heap, freed pages are used again; the peak stays about the same.
void reuseLargeBlocks()
{
#ifdef __GLIBC__
    constexpr int kLargestHeapBlock = 32 << 20; // the most the C library accepts
    constexpr int kKeptFreeMemory = 1 << 30;
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kKeptFreeMemory);
#endif
}

void listAttributes(const kavo::app::Options& options)
{
    kavo::app::DeformerScene::loadPlugin(options.pluginPath);
    const auto type = kavo::host::graph::NodeTypeRegistry::instance().find(kavo::app::DeformerScene::kDeformerType);
    kavo::app::AttributeListing::print(*type, std::cout);
}

int runCommandLine(int argc, char** argv)
{
    try {
        const std::optional<kavo::app::Options> options = kavo::app::CommandLine::parse(argc, argv);
        if (!options)
            return 0;
#ifdef KAVO_HAS_TBB
        // The plug-in reads no settings of its own: the host process caps the
        // threads its passes share, here as a host application would.
        std::optional<tbb::global_control> threadLimit;
        if (options->threads > 0)
            threadLimit.emplace(tbb::global_control::max_allowed_parallelism, options->threads);
#endif
        if (options->listAttributes)
            listAttributes(*options);
        else
            kavo::app::DeformJob(*options).run();
        return 0;
    } catch (const AppError& error) {
        std::cerr << "kavo-deform: " << error.what() << '\n';
        return error.exitCode();
    } catch (const std::exception& error) {
        std::cerr << "kavo-deform: " << error.what() << '\n';
        return AppError::kEvaluationExitCode;
    }
}

} // namespace

int main(int argc, char** argv)
{
    reuseLargeBlocks();
    kavo::app::TemporaryFiles::removeOnSignals();
    const int exitCode = runCommandLine(argc, argv);
    // The host closes its scene before it quits, while the services its
    // nodes call on their way out still exist.
    kavo::host::session::Host::resetScene();
    return exitCode;
}
