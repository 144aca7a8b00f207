#pragma once

// The built-in examples, named on the command line instead of a file so each
// kind of geometry can be tried without one: "@plane", "@sphere", "@torus"
// (meshes), "@nurbs-plane", "@nurbs-sphere" (surfaces), "@helix" (a curve),
// "@subd-cube" (a subdivision surface) and "@particles", each with an
// optional resolution after a colon: "@plane:200x200", "@helix:64".

#include "InputGeometry.h"

#include <string>

namespace kavo::app {

class BuiltInGeometry
{
public:
    static bool isBuiltIn(const std::string& argument) { return !argument.empty() && argument[0] == '@'; }

    // The example the argument names; an AppError (usage) for an unknown
    // name or a resolution that does not parse or is out of range.
    static InputGeometry make(const std::string& argument);

    // The names and what their resolutions mean, for --help.
    static std::string describeAll();
};

} // namespace kavo::app
