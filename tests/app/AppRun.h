#pragma once

// Runs the built kavo-deform executable as a user would, in a folder of the
// test's choosing, and collects what it printed and how it exited.

#include <string>
#include <vector>

#include <sys/types.h>

namespace kavo::test {

struct AppRun
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Starts kavo-deform with the arguments (no shell involved) in `folder`,
// its output going to the two files, and returns at once.
pid_t startApp(const std::vector<std::string>& arguments, const std::string& folder, const std::string& outPath,
               const std::string& errPath);
// Waits for it to end: its exit status, or 128 + the signal that ended it.
int waitApp(pid_t child);

// Runs kavo-deform with the arguments (no shell involved) in `folder`.
AppRun runApp(const std::vector<std::string>& arguments, const std::string& folder);

// The folder's file names, sorted.
std::vector<std::string> filesIn(const std::string& folder);

std::string readText(const std::string& path);
void writeText(const std::string& path, const std::string& text);

} // namespace kavo::test
