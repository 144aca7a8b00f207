#pragma once

// One geometry given on the command line, read or built and ready to be put
// into the scene: what it was called, its kind and the host data object
// that holds it.

#include "GeometryKind.h"

#include <maya/MObject.h>

#include <string>

namespace kavo::app {

struct InputGeometry
{
    std::string argument; // as given: a file path or "@sphere:16x8"
    std::string nodeName; // the transform the scene gives it
    GeometryKind kind = GeometryKind::Mesh;
    MObject data;
};

} // namespace kavo::app
