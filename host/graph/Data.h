#pragma once

#include "graph/Object.h"

#include <maya/MMatrix.h>

#include <memory>

namespace kavo::host::graph {

// A data object held by a typed attribute (geometry, for example). Data that
// flows out of a shape carries the shape's local-to-world matrix with it, so
// a deformer downstream knows where the geometry stands.
class Data : public Object
{
public:
    MMatrix transform = MMatrix::identity;

    // A copy a node can change without touching the data it came from.
    // Geometry shares its storage with the copy until either changes it.
    virtual std::shared_ptr<Data> clone() const = 0;
};

} // namespace kavo::host::graph
