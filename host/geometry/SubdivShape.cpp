// The host's "subdiv" shape: a subdivision surface held in "create" and
// handed on through "outSubdiv", carrying the shape's world matrix (see
// GeometryShape).
#include "geometry/GeometryShape.h"

#include "graph/NodeTypeRegistry.h"

#include <maya/MPxNode.h>

namespace kavo::host::geometry {
namespace {

// Nothing of the shape is computed by a behaviour object.
class SubdivShapeNode : public MPxNode
{
public:
    static void* creator() { return new SubdivShapeNode; }
};

MStatus initializeSubdivShape()
{
    return addGeometryAttributes({"create", "cr", "outSubdiv", "os"}, MFnData::kSubdSurface);
}

graph::TypeAnnouncement announcement{{"subdiv", "shape", MTypeId(0x53424456), MPxNode::kDependNode, MFn::kSubdiv,
                                      SubdivShapeNode::creator, initializeSubdivShape, true, true,
                                      computeGeometryOutput}};

} // namespace
} // namespace kavo::host::geometry
