#pragma once

// How geometry function sets reach their geometry. A function set is
// attached to a geometry data object or to a geometry shape node (see
// GeometryShape); on a shape it reads the output, the geometry as it stands,
// and writes the stored input, so the output and everything downstream
// follow.

#include "graph/Data.h"
#include "graph/Node.h"

#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <memory>
#include <string>

namespace kavo::host::geometry {

// The shape's output data, brought up to date; null when it holds none.
std::shared_ptr<graph::Data> shapeOutput(graph::Node& shape);

// The data stored on the shape's input when nothing is connected to it (a
// connected input takes its geometry from upstream and cannot be edited
// here); null otherwise.
std::shared_ptr<graph::Data> editableShapeInput(graph::Node& shape);

// Stores `data` on the shape's input.
MStatus setShapeInput(graph::Node& shape, const std::shared_ptr<graph::Data>& data);

// A new shape of `typeName` holding `data` on its input, under `parent` or,
// when `parent` is null, under a new transform. Null, with nothing created,
// when `parent` is neither null nor a DAG node (kInvalidParameter) or the
// nodes cannot be made.
std::shared_ptr<graph::Node> createShapeNode(const std::string& typeName, const MObject& parent,
                                             const std::shared_ptr<graph::Data>& data, MStatus& status);

// What the host's create calls return: the transform made for the shape
// when `parent` was null, else the shape.
MObject createdShapeResult(graph::Node& shape, const MObject& parent);

// The geometry a function set attached to `object` reads: the data object
// itself or the shape node's output; null for anything else.
template <class DataType>
std::shared_ptr<DataType> attachedGeometry(const MObject& object)
{
    if (auto data = graph::objectAs<DataType>(object))
        return data;
    if (auto node = graph::objectAs<graph::Node>(object))
        return std::dynamic_pointer_cast<DataType>(shapeOutput(*node));
    return nullptr;
}

// Applies `edit` (MStatus(DataType&)) to the geometry a function set attached
// to `object` writes: the data object itself, or for a shape node a copy of
// its stored input, stored back only when the edit succeeds. kFailure for a
// shape whose input is connected or holds no such geometry.
template <class DataType, class Edit>
MStatus editAttachedGeometry(const MObject& object, Edit edit)
{
    if (auto data = graph::objectAs<DataType>(object))
        return edit(*data);
    auto node = graph::objectAs<graph::Node>(object);
    if (!node)
        return MStatus::kInvalidParameter;
    auto stored = std::dynamic_pointer_cast<DataType>(editableShapeInput(*node));
    if (!stored)
        return MStatus::kFailure;
    auto copy = std::static_pointer_cast<DataType>(stored->clone());
    const MStatus status = edit(*copy);
    return status ? setShapeInput(*node, copy) : status;
}

} // namespace kavo::host::geometry
