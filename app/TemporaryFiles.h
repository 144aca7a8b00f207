#pragma once

// The temporary files of a run, removed when the run is interrupted. A run
// stopped by SIGINT (Ctrl-C), SIGTERM (a farm's kill) or SIGHUP (a closed
// terminal) removes every temporary file it still has, then ends as that
// signal ends a process, so its parent sees the usual status (128 + signal
// in a shell).
//
// The signals are taken by one thread of their own, blocked in all others,
// so the removal runs as ordinary code under the same lock that creating,
// renaming and removing a temporary file take: a file is either still
// listed and removed, or already renamed into place, never half of each.

#include <functional>
#include <string>

namespace kavo::app {

class TemporaryFiles
{
public:
    // Starts the thread that takes the signals. Called first in main, before
    // any other thread exists, so every thread inherits the blocked signals.
    static void removeOnSignals();

    // mkstemps on the pattern (suffixLength characters after the XXXXXX),
    // which receives the name; the open descriptor, or -1 with errno set.
    static int create(std::string& pattern, int suffixLength);
    // rename(2) of a listed file, which leaves the list when it succeeds.
    static bool rename(const std::string& temporary, const std::string& target);
    // Removes a listed file and forgets it.
    static void remove(const std::string& temporary);
    // Runs `use`, which opens or writes a listed file by its name, under the
    // same lock. A writer that opens by name creates the file again if it
    // is gone, so without the lock a stop signal taken between the file's
    // creation and its opening would leave the file behind. Once a signal
    // has been taken, `use` never runs: the process ends first.
    static void whileListed(const std::function<void()>& use);
};

} // namespace kavo::app
