#pragma once

#include <maya/MStatus.h>

#include <string>
#include <vector>

namespace kavo::host::graph {

// The few host commands the stand-in host understands. A command line is a
// command name followed by flags and their values, separated by any amount
// of blank space; several commands may be joined with ";".
//
//   evaluationManager -invalidate 1     (also true/on/yes; 0/false/off/no
//                                        asks for nothing)
//
// Anything else is reported on standard error and fails.
class CommandInterpreter
{
public:
    // Runs the command line; `echo` first writes it to standard error, as
    // the host's script output would show it.
    static MStatus execute(const std::string& commandLine, bool echo = false);

private:
    static MStatus executeOne(const std::vector<std::string>& words);
    static MStatus evaluationManager(const std::vector<std::string>& words);
    static MStatus fail(const std::string& message);
};

} // namespace kavo::host::graph
