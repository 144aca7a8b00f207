#pragma once

// Reads kavo-deform's command line into Options.

#include "Options.h"

#include <optional>

namespace kavo::app {

class CommandLine
{
public:
    // The options, or nothing when the command line only asked for --help or
    // --version (printed here). An AppError (usage) for anything that does
    // not parse or does not fit together.
    static std::optional<Options> parse(int argc, char** argv);

    // KavoNoiseDeformer.so in the folder of the running executable.
    static std::string defaultPluginPath();

private:
    static void check(const Options& options);
    // Cache outputs hold the whole range: no # in their names; the options
    // of .xml outputs only with one.
    static void checkCacheOptions(const Options& options);
};

} // namespace kavo::app
