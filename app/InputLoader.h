#pragma once

// Reads or builds the geometry a command-line argument names: an OBJ file
// (a polygon mesh) or one of the built-in examples ("@sphere").

#include "InputGeometry.h"

#include <string>

namespace kavo::app {

class InputLoader
{
public:
    // An AppError (usage) when the argument names nothing that can be read.
    static InputGeometry load(const std::string& argument);

private:
    static InputGeometry loadObj(const std::string& path);
    // The file's stem made fit for a node name: letters, digits and
    // underscores, not starting with a digit.
    static std::string nodeNameFor(const std::string& path);
};

} // namespace kavo::app
