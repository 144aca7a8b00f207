#pragma once

#include "graph/Object.h"

#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

namespace kavo::host::geometry {

// getMatrix and setMatrix of the data function sets: the transform of the
// geometry data of type D that `object` holds; kInvalidParameter, and
// nothing read or written, when it holds none.
template <typename D>
MStatus readTransform(const MObject& object, MMatrix& matrix)
{
    const auto data = graph::objectAs<D>(object);
    if (!data)
        return MStatus::kInvalidParameter;
    matrix = data->transform;
    return MStatus::kSuccess;
}

template <typename D>
MStatus writeTransform(const MObject& object, const MMatrix& matrix)
{
    const auto data = graph::objectAs<D>(object);
    if (!data)
        return MStatus::kInvalidParameter;
    data->transform = matrix;
    return MStatus::kSuccess;
}

} // namespace kavo::host::geometry
