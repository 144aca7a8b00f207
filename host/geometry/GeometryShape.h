#pragma once

#include "graph/Attribute.h"
#include "graph/Node.h"
#include "graph/NodeType.h"
#include "graph/PlugPath.h"

#include <maya/MFnData.h>
#include <maya/MStatus.h>

namespace kavo::host::geometry {

// What the host's geometry shapes ("mesh", "subdiv", "vectorArrayShape")
// share: a stored geometry input and a computed geometry output, one data
// object each. The output is a copy of the input (of whatever the input is
// connected to, or of the stored value) that carries the shape's world
// matrix, so that whoever reads it knows where the geometry stands.

struct GeometryAttributeNames
{
    const char* inputLong;
    const char* inputShort;
    const char* outputLong;
    const char* outputShort;
};

// For a shape type's initializer: adds "intermediateObject" (a shape the
// views hide, such as a deformer's original geometry) and the input and
// output attributes of `dataType`. The input and the shape's world matrix
// affect the output.
MStatus addGeometryAttributes(const GeometryAttributeNames& names, MFnData::Type dataType);

// A shape type's geometry input and output: the data attribute that affects
// another data attribute, and that one. Both null for a type without.
struct GeometryPlugs
{
    const graph::Attribute* input = nullptr;
    const graph::Attribute* output = nullptr;
};
GeometryPlugs geometryPlugsOf(const graph::NodeType& type);

// The host computation of a geometry shape's output; kUnknownParameter for
// any other plug.
MStatus computeGeometryOutput(graph::Node& node, const graph::PlugPath& plug);

} // namespace kavo::host::geometry
