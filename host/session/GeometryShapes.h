#pragma once

#include "graph/GraphFwd.h"

#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <string>

namespace kavo::host::session {

// Geometry shapes in the scene, for the command-line host and the tests:
// putting geometry into the scene and reading back what comes out of it.
// A geometry shape is a shape with a geometry input and output ("mesh",
// "subdiv", "vectorArrayShape" and the NURBS shapes).
class GeometryShapes
{
public:
    // Makes a shape of `shapeType` holding a copy of the data object `data`
    // under a new transform named `transformName` (made unique if taken);
    // the shape is named after the transform with "Shape" appended. Answers
    // the shape node; a null object and kInvalidParameter when the type is no
    // geometry shape or the data is no data object.
    static MObject create(const std::string& shapeType, const std::string& transformName, const MObject& data,
                          MStatus* status = nullptr);

    // The geometry flowing out of the shape named `shapeOrTransform` (or of
    // the first shape under the transform of that name that is not an
    // intermediate object), with everything upstream evaluated: a data
    // object carrying the shape's world matrix. A null object and
    // kInvalidParameter when the name names no geometry shape; a null object
    // and success when the shape holds no geometry.
    static MObject output(const std::string& shapeOrTransform, MStatus* status = nullptr);

    // The geometry shape `shapeOrTransform` names, as for output(); null
    // when there is none.
    static graph::Node* find(const std::string& shapeOrTransform);

    static bool isIntermediate(const graph::Node& shape);
};

} // namespace kavo::host::session
